// The Linux program's X11 shell: one lamp window (its own, the root window, or a window
// someone else made), its GLX context, the event loop with the frame timer, and what the
// shell's files share.
#pragma once

#include <string>
#include <vector>

#include "shell/program_options.h"

class PointerPort;

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
    GLXContext context = nullptr;
    Cursor blankCursor = 0;
    Atom deleteWindow = 0;  // the window manager's close, as its client message names it
    int width = 0, height = 0;
    bool visible = true;      // mapped and not wholly covered
    bool closing = false;     // the loop ends after this round
    bool windowGone = false;  // the window was destroyed under us: nothing more is drawn in it
};

// The one lamp window of the process; null before it opens and after it closes.
LampWindowX11* lampWindow();

// Opens the window for the options and makes its context current; false with a message.
bool openLampWindow(LampWindowX11& lamp, const ProgramOptions& options, std::string& error);
// Maps a window of the program's own: once the lamp is ready to draw (the lava's warm-up
// takes seconds at the first start), as a Windows window shows after its creation.
void showLampWindow(LampWindowX11& lamp);
// The GL context's state the lamp needs, and the menu font from an X core font.
void setupLampGL(LampWindowX11& lamp);
void teardownLampGL(LampWindowX11& lamp);
// The viewport for the window's size, and in the screen saver a lamp on each monitor.
void resizeLampViewports(LampWindowX11& lamp);
void closeLampWindow(LampWindowX11& lamp);

// Keys, characters and the mouse: the program's input tables on X events.
void handleInputEvent(LampWindowX11& lamp, XEvent& event);
PointerPort& x11Pointer();

// The frame timer's queue: how long until the next tick is due (-1 for none), and firing
// the due ones.
int msUntilNextTimer();
void fireDueTimers();

// The menu's and the keys' help and configuration: the manual page in a terminal, the
// settings file in the user's editor (read again when it changes).
void openManual();
void openSettingsFile();

// Starts a program beside this one (the help, the settings file in an editor); false when
// it could not be started.
bool launchBeside(const std::vector<std::string>& command);
