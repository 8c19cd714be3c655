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

// The smallest window the lamp is given, and its least size when a person resizes it: the
// lamp can still be seen, and three of the menu's buttons fit.
constexpr int smallestWindowSide = 160;

// `area` is what the window goes on, in screen coordinates: the virtual screen (every
// monitor) for the screen saver, one monitor for full screen, one monitor's work area (less
// its task bars) for a window. requestedWidth/Height come from the 'w' switch (-1 when
// none); a window smaller than smallestWindowSide is made that large, and a window larger
// than the area is made as large as the area, so that all of it, its title bar included,
// is on the monitor. The parent client size matters only for
// Preview. Divisions truncate toward zero, as in the rest of the shell.
WindowPlacement windowPlacementFor(RunMode mode, const ScreenRect& area, int requestedWidth, int requestedHeight,
                                   int parentClientWidth, int parentClientHeight);

// Where a dialog about the lamp (the configuration dialog) goes so that the lamp stays in
// view: beside the lamp's window `lamp` (right of it, else left, else below, else above, a
// small gap apart, level with its middle as far as the work area allows) when it fits
// wholly inside `workArea`, the lamp's monitor less its task bars; otherwise against the
// left or right edge of the work area, whichever covers less of the lamp (the right on a
// tie, as over a lamp filling the screen). The result is the dialog's top left corner; a
// dialog larger than the work area keeps its top left corner inside it.
// "800x600", with any blanks around it, as a window's size: both numbers whole, from 1, and
// small enough for an int; false for anything else (a number too large to hold is no size).
bool parseWindowSize(const char* text, int& width, int& height);

struct ScreenPoint {
    int x = 0, y = 0;
};
ScreenPoint dialogBesideLamp(const ScreenRect& lamp, const ScreenRect& workArea, int dialogWidth, int dialogHeight);
