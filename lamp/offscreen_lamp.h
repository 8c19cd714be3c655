// OffscreenLamp: the whole lamp in an offscreen OpenGL context, brought up as the program's
// window creation does it and torn down completely, so that every test, benchmark and tool
// starts from the same clean state and leaves one behind. One at a time.
#pragma once

#include <cstdint>
#include <memory>


class Image;
class LampScene;
class OffscreenContext;

class OffscreenLamp {
public:
    // A width x height context made current; the frame state and the lava parameters
    // reset; the lamp built from `seed`; the settings of a windowed run made without a
    // store, so every default applies and nothing set is kept; the GL state and the
    // viewport set up. No warm-up. Change settings through theSettings afterwards: their effects apply at once.
    OffscreenLamp(int width, int height, uint32_t seed);
    ~OffscreenLamp();
    OffscreenLamp(const OffscreenLamp&) = delete;
    OffscreenLamp& operator=(const OffscreenLamp&) = delete;

    // False when no context could be made (nothing else was set up then).
    bool ok() const;
    LampScene& lamp();
    // The frame drawn last, bottom row first.
    std::unique_ptr<Image> readFrame() const;

private:
    std::unique_ptr<OffscreenContext> context;
    int width, height;
};
