// Where the main window goes and what it looks like in each run mode. The Win32 shell
// turns `WindowFrame` into window styles; everything numeric is decided here.
#pragma once

#include "settings/run_mode.h"
#include "shell/monitor_layout.h"

enum class WindowFrame {
    Child,       // child of the preview box, clip children
    Popup,       // borderless pop-up covering the screen, clip siblings and children
    Overlapped,  // caption, system menu, sizing frame, minimise and maximise boxes
};

struct WindowPlacement {
    const char* title;
    WindowFrame frame;
    bool topmost;
    int x, y, width, height;
};

// `area` is what the window goes on, in screen coordinates: the virtual screen (every
// monitor) for the screen saver, one monitor for the others. requestedWidth/Height come
// from the 'w' switch (-1 when none); the parent client size matters only for Preview.
// Divisions truncate toward zero, as in the rest of the shell.
WindowPlacement windowPlacementFor(RunMode mode, const ScreenRect& area, int requestedWidth, int requestedHeight,
                                   int parentClientWidth, int parentClientHeight);
