// The lamp as a whole, as a window of the programs or an offscreen picture holds one: its
// scene (the vessel and the lava), the settings that drive it, each applied through its
// effect (the lamp's own, and the shell's for the frame period and the priority), the
// overlay menu over it in the interactive run modes, the frame that draws it, and the
// screenshots and movies taken of it. Whoever runs a lamp owns one: the lamp's life in the
// programs, OffscreenLamp in the tests, the tools and the benchmarks.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lamp/capture.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "overlay/overlay_menu.h"
#include "settings/run_mode.h"
#include "settings/settings.h"

class PointerPort;
class SettingsStore;

class Lamp {
public:
    // The scene from `seed` (0: from the clock), then every setting's default, then its
    // value in `store` (null: none, and nothing set is kept): each runs its effect, on the
    // scene or through `shellEffects`.
    Lamp(RunMode mode, uint32_t seed, SettingsStore* store, const SettingEffects& shellEffects = {});
    ~Lamp();
    Lamp(const Lamp&) = delete;
    Lamp& operator=(const Lamp&) = delete;

    // The overlay menu (the interactive programs): the platform's pointer, what its buttons
    // do, window pixels per menu pixel.
    void makeMenu(PointerPort& pointer, const MenuActions& actions, float pixelScale);
    // With a context current: the shared quadric and the frame's GL state, for a client
    // area of this size, with the context's entry points beyond OpenGL 1.1; and what of
    // the scene lives in the context, given back.
    void setupGL(int width, int height, const GlProcedures& procedures);
    void releaseGL();
    // The client area's size, and the rectangles the lamp is drawn in (none: the whole).
    void resizeViewport(int width, int height);
    void setViewports(const std::vector<LampViewport>& viewports);
    // One frame (see FramePipeline); the shell shows it.
    void renderFrame(bool step, bool drawMenu);
    // What the frame draws and changes.
    FrameParts parts();

    const RunMode runMode;
    std::unique_ptr<LampScene> scene;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<OverlayMenu> menu;  // null without one
    FramePipeline pipeline;
    std::unique_ptr<Capture> capture;   // tests give it a file system of their own
};
