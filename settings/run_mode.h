// The five ways the program can run, chosen once from the command line at start-up. The
// lamp's life holds the run's mode; every part that behaves differently per mode is given
// it.
#pragma once

#include <cstdint>

enum RunMode : int32_t {
    Preview = 0,      // drawn inside the display settings' preview box; no input
    ScreenSaver = 1,  // full-screen topmost saver, one instance at a time
    Configure = 2,    // small lamp window plus the configuration dialog
    Windowed = 3,     // ordinary resizable window
    FullScreen = 4,   // full-screen topmost window that otherwise behaves like Windowed
};

// True in the modes where the user can play with the lamp (overlay, drags, keys).
bool isInteractiveMode(RunMode mode);
