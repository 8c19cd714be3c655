// The lamp's X window: a window of its own (a window or the whole screen), the root
// window, or a window someone else made (XScreenSaver's, a test's); its GLX context is
// made for its visual by the lamp's life.
#pragma once

#include <string>

#include "settings/run_mode.h"
#include "shell/program_options.h"

// Xlib's and GLX's own names for the types the shell keeps, without their headers (see
// x11_api_x11.h for why).
typedef struct _XDisplay Display;
typedef unsigned long XID;
typedef XID Window;
typedef XID Cursor;
typedef unsigned long Atom;
typedef union _XEvent XEvent;
typedef struct __GLXcontextRec* GLXContext;

struct LampWindowX11 {
    Display* display = nullptr;
    Window window = 0;
    bool ownWindow = false;  // made (and destroyed) by this program
    unsigned long visualId = 0;  // the visual its context is made for
    GLXContext context = nullptr;
    Cursor blankCursor = 0;
    Atom deleteWindow = 0;  // the window manager's close, as its client message names it
    int width = 0, height = 0;
    bool visible = true;      // mapped and not wholly covered
    bool closing = false;     // the loop ends after this round
    bool windowGone = false;  // the window was destroyed under us: nothing more is drawn in it
};

// Opens the window for the options and the run's mode; false with a message.
bool openLampWindow(LampWindowX11& lamp, const ProgramOptions& options, RunMode mode, std::string& error);
// Maps a window of the program's own: once the lamp is ready to draw (the lava's warm-up
// takes seconds at the first start), as a Windows window shows after its creation.
void showLampWindow(LampWindowX11& lamp);
void closeLampWindow(LampWindowX11& lamp);
