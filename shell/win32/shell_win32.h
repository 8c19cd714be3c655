// The Win32 shell's globals and entry points: main window, window procedure, the creation
// and destruction sequences, and the screen-saver password hooks.
#pragma once

#include <windows.h>

extern HINSTANCE appInstance;
extern HWND mainWindow;

extern HCURSOR blankCursor;
extern HCURSOR arrowCursor;
extern HCURSOR moveCursor;
extern HCURSOR rotateCursor;
extern HCURSOR orbitCursor;
extern HCURSOR handCursor;

// Creates the main window for runMode and runs the message loop; returns the exit code.
// width and height of -1 ask for the mode's default size.
int runMainWindow(HWND parent, int width, int height);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void runCreationSequence(HWND window);
void runDestructionSequence();
bool shouldBlockClose(HWND window);
// A power setting the system reports (the display going off, dimmed, on).
void powerSettingChanged(const POWERBROADCAST_SETTING& setting);

// The window's OpenGL context: made at creation, released at destruction; the viewport
// follows the client area.
void setupGL(HWND window);
void teardownGL(HWND window);
void resizeLampViewports(HWND window);
// The overlay's font made again for a display of another DPI (pixels per 96 DPI pixel).
void rebuildOverlayFont(float pixelScale);
// The system moved the window to a display of another DPI, suggesting its new rectangle.
void dpiChanged(HWND window, unsigned dpi, const RECT& suggested);
// Whether the window has its context: from GL set-up to tear-down. Paint messages draw
// whenever it has, also while frames are paused (behind the help viewer).
bool hasGLContext();

// Windows 9x only; on the NT family the system asks for the password itself.
int verifyScreenSaverPassword(HWND window);
void changeScreenSaverPassword(HWND parent);
