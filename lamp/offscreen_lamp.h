// OffscreenLamp: the whole lamp in an offscreen OpenGL context, brought up as the program's
// creation sequence brings it up and torn down completely, so that every test, benchmark
// and tool starts from the same clean state and leaves one behind.
#pragma once

#include <cstdint>
#include <memory>

#include "lamp/lamp.h"

class Image;
class OffscreenContext;
class SettingsStore;

class OffscreenLamp {
public:
    // A width x height context made current; the lamp built from `seed` with the settings
    // of a windowed run from `store` (null: none, so every default applies and nothing set
    // is kept); the GL state and the viewport set up. No warm-up, no menu. Settings changed
    // afterwards apply their effects at once.
    OffscreenLamp(int width, int height, uint32_t seed, SettingsStore* store = nullptr);
    ~OffscreenLamp();
    OffscreenLamp(const OffscreenLamp&) = delete;
    OffscreenLamp& operator=(const OffscreenLamp&) = delete;

    // False when no context could be made (no lamp was made then).
    bool ok() const;
    Lamp& lamp() { return *lamp_; }
    LampScene& scene() { return *lamp_->scene; }
    Settings& settings() { return *lamp_->settings; }
    FramePipeline& pipeline() { return lamp_->pipeline; }
    // The frame drawn last, bottom row first.
    std::unique_ptr<Image> readFrame() const;

private:
    std::unique_ptr<OffscreenContext> context;
    std::unique_ptr<Lamp> lamp_;
    int width, height;
};
