// The lamp's life, written once for both shells: the creation sequence that brings the
// lamp up in a window, the destruction sequence that saves it and puts it all away, what a
// frame tick does, the viewports, the close and the switch of screen mode, the settings'
// effects that reach the platform (the frame period, the priority), the menu's actions,
// and pausing the frames while a modal window covers the lamp. It owns the lamp (scene,
// settings, menu), the frame timer and its table, the settings store and the run mode;
// it reaches its platform only through the platform's table of operations.
//
// To add a platform: a PlatformOperations for it, a LampLife with the run mode (and the
// store, where main reads it first), start when its window exists and end when it goes;
// its events go to the life's mouse, paint, resizeViewports and the input actions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "overlay/overlay_widget.h"
#include "settings/run_mode.h"
#include "settings/setting_options.h"
#include "shell/frame_timer.h"

class Lamp;
class PlatformOperations;
class RunSettings;
class SettingsStore;
class TickReporter;
struct MenuActions;

class LampLife {
public:
    explicit LampLife(PlatformOperations& platform);
    ~LampLife();
    LampLife(const LampLife&) = delete;
    LampLife& operator=(const LampLife&) = delete;

    // The store the settings and the lava are kept in: the one given, else the platform's
    // own, opened at the first call (null: it cannot be opened; every read fails then).
    SettingsStore* store();
    void useStore(std::unique_ptr<SettingsStore> store);

    // The creation sequence: the frame timer (35 ms, not yet started), the cursors, the
    // lamp (its scene, then every setting's default, then its stored value, then this
    // run's own: each runs its effect, so the first frame already uses the stored rate),
    // the overlay menu, the window's context with the menu's font, the lamp's GL state and
    // its viewports, frames on, the lava restored (when "resume" is on and the stored lava
    // fits) or warmed up, and last the frame timer started.
    void start();
    // The destruction sequence: the lava and the settings saved (one write), frames off,
    // the frame timer gone, what the lamp keeps in the context given back and the context
    // put away, the lamp gone.
    void end();

    // The lava and the settings, saved in one write; and the settings alone.
    void save();
    void saveSettings();

    // Frames stop while a modal window covers the lamp (the help viewer) and go on after.
    void pause();
    void resume();

    // The one way the program closes its own window: marks the close as requested, then
    // asks the platform (the screen saver lets it through after the password).
    void requestClose();
    // Windowed <-> full screen: the program starts again in the other mode once this run
    // has saved its settings. Nothing in the other modes.
    void toggleFullScreen();

    // A tick of the frame timer: the platform's duties, and a frame if anyone can see it.
    void onFrameTimer();
    // The window asks to be drawn again (exposed, painted): the frame as it stands, also
    // while frames are paused.
    void paint();
    // The client area changed (size, place, monitors): the lamp's viewports follow, a lamp
    // on each monitor the screen saver covers.
    void resizeViewports();
    // The display's DPI changed: the menu and its font follow.
    void setPixelScale(float scale);
    // The mouse over the lamp, in window pixels, for the menu and its drags.
    void mouse(WindowRef window, float x, float y, MouseEvent event);
    // A line on the lamp for a few seconds (see OverlayNote).
    void showNote(const std::string& text, float seconds, const std::string& shortText = "");
    // A screenshot, and a note saying where it went (or that it could not be written).
    void takeScreenshotAndSay();

    PlatformOperations& platform() { return platform_; }
    // From the creation sequence to the destruction sequence; null outside it.
    Lamp* lamp() { return lamp_.get(); }
    FrameTimer* frameTimer() { return frameTimer_.get(); }
    RunSettings* runSettings() { return runSettings_.get(); }
    bool started() const { return started_; }

    // Set before start: the run's mode, settings given for this run only (the Linux
    // program's options, never saved) and the lava's seed (0: from the clock).
    RunMode runMode = Windowed;
    std::vector<SettingOverride> runOverrides;
    uint32_t seed = 0;
    // Frames may be drawn: from GL set-up to destruction, but while paused.
    bool glReady = false;
    // The program itself asked its window to close; never reset, so that after a refused
    // password the next Escape asks again.
    bool closeRequested = false;
    // Every running frame timer, for the timer procedure.
    ActiveTimers activeTimers;

private:
    MenuActions menuActions();
    void drawFrame(bool step);

    PlatformOperations& platform_;
    std::unique_ptr<SettingsStore> store_;
    bool storeOpened_ = false;
    std::unique_ptr<FrameTimer> frameTimer_;
    std::unique_ptr<TickReporter> tickReporter_;
    std::unique_ptr<Lamp> lamp_;
    std::unique_ptr<RunSettings> runSettings_;
    bool glMade_ = false;
    int pauses_ = 0;
    bool started_ = false;
};
