// The lamp's window on Windows: its class and form per run mode, the message loop, the
// creation and destruction sequences (the lamp's life with the Windows platform's part),
// and the messages of the system that concern the whole window.
#pragma once

#include <windows.h>

// Creates the lamp's window for the life's run mode, of a class whose messages go to `procedure`
// (whose WM_CREATE runs the creation sequence); null when there is none to run: a screen
// saver already runs (it was brought to the front; exitCode 0) or the window could not be
// made (-1). width and height of -1 ask for the mode's default size.
HWND openLampWindow(HWND parent, int width, int height, WNDPROC procedure, int& exitCode);
// The message loop until the quit message; returns the exit code.
int runEventLoop();

void runCreationSequence(HWND window);
void runDestructionSequence();
bool shouldBlockClose(HWND window);
// A power setting the system reports (the display going off, dimmed, on).
void powerSettingChanged(const POWERBROADCAST_SETTING& setting);
// The system moved the window to a display of another DPI, suggesting its new rectangle.
void dpiChanged(HWND window, unsigned dpi, const RECT& suggested);
