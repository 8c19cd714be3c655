// Everything the running Windows program holds beside the core's own state, in one owner
// (the X11 program's twin is X11Program): the module and the main window, the program's
// cursors, the window's OpenGL context, the display's power state and the few flags of the
// window procedure.
#pragma once

#include <windows.h>

#include "shell/win32/frame_audience_win32.h"

struct Win32Program {
    HINSTANCE appInstance = nullptr;  // every resource is loaded from it
    HWND mainWindow = nullptr;
    HCURSOR blankCursor = nullptr, arrowCursor = nullptr, moveCursor = nullptr, rotateCursor = nullptr,
            orbitCursor = nullptr, handCursor = nullptr;
    HDC deviceContext = nullptr;
    HGLRC glContext = nullptr;
    FrameAudience audience;
    bool leavePending = false;     // a mouse-leave notice was asked for and has not come yet
    bool configShownOnce = false;  // the Configure run has opened its dialog
};

// The one program of the process.
Win32Program& program();

HICON programIcon();
// The program's cursors, from its resources (the arrow from the system).
void makeCursors();
