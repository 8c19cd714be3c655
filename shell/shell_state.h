// The shell's flags shared by the window procedure, the frame pipeline and the dialogs.
#pragma once

// Frames may be drawn: true from the end of GL set-up until destruction (the help viewer
// also clears it while open, which pauses the lamp).
extern bool glReady;
// The program itself asked its window to close; never reset, so that after a refused
// password the next Escape asks again.
extern bool closeRequested;
// Configure mode has opened its dialog once.
extern bool configShownOnce;
