// The lamp's life, written once for both shells: the creation sequence that brings the
// lamp up in a window, the destruction sequence that saves it and puts it all away, the
// settings' effects that reach the shell (the frame period, the priority), and pausing the
// frames while a modal window covers the lamp. Each shell hands it its platform's part as
// a small table of operations, as a GLFW backend hands the library its window functions
// or an XScreenSaver hack hands the framework its init, draw and free functions.
//
// To add a platform: a PlatformOperations for it (its context, its pointer, its menu's
// actions, what a frame tick does), and LampLife::start when its window exists and
// LampLife::end when the window goes.
#pragma once

#include <memory>
#include <vector>

#include "overlay/overlay_menu.h"
#include "settings/frame_rates.h"
#include "settings/run_settings.h"

class FrameTimer;
class PointerPort;
class TickReporter;

struct PlatformOperations {
    // What the overlay menu's pointer and buttons do on this platform, and its pixel scale
    // (window pixels per menu pixel: the display's DPI over 96).
    PointerPort* pointer = nullptr;
    MenuActions menuActions;
    float pixelScale = 1;
    // The program's own cursors, made once the frame timer exists (null: none to make).
    void (*makeCursors)() = nullptr;
    // The window's OpenGL context made current, with the menu's font (lists fontListBase
    // on), the shared quadric, the pipeline's GL state and the viewports; and put away.
    void (*setupGL)() = nullptr;
    void (*teardownGL)() = nullptr;
    // The process priority a setting asks for.
    void (*setPriority)(ProcessPriority priority) = nullptr;
    // A tick of the frame timer: draw if anyone can see it, and whatever else the platform
    // does once a frame.
    void (*frameTick)() = nullptr;
    // The frame timer could not be started: said where someone can see it.
    void (*timerFailed)() = nullptr;
    // Settings given for this run only (the Linux program's options); never saved.
    std::vector<SettingOverride> runSettings;
};

class LampLife {
public:
    LampLife();
    ~LampLife();
    LampLife(const LampLife&) = delete;
    LampLife& operator=(const LampLife&) = delete;

    // The creation sequence: the lamp scene, the overlay menu, the settings store, the
    // frame timer (35 ms, not yet started), the cursors, the settings (each default, then
    // its stored value, then this run's own: every one runs its effect), GL, frames on, the
    // lava restored (when "resume" is on and the stored lava fits) or warmed up, and last
    // the frame timer started.
    void start(const PlatformOperations& platform);
    // The destruction sequence: the lava and the settings saved (one write), frames off,
    // the frame timer gone, GL put away, the menu, the lamp and the settings gone.
    void end();

    // The lava and the settings, saved in one write; and the settings alone.
    void save();
    void saveSettings();

    // Frames stop while a modal window covers the lamp (the help viewer) and go on after.
    void pause();
    void resume();

    RunSettings& runSettings() { return runSettings_; }
    bool started() const { return started_; }

    // Frames may be drawn: from GL set-up to destruction, but while paused.
    bool glReady = false;
    // The program itself asked its window to close; never reset, so that after a refused
    // password the next Escape asks again.
    bool closeRequested = false;

private:
    PlatformOperations platform_;
    RunSettings runSettings_;
    std::unique_ptr<TickReporter> tickReporter_;
    int pauses_ = 0;
    bool started_ = false;
};

// The program's lamp life.
LampLife& lampLife();
