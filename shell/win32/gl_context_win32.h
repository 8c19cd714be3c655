// The lamp window's OpenGL context on Windows (WGL): made at creation, released at
// destruction; the viewports follow the client area; the menu's font from a GDI font.
#pragma once

#include <windows.h>

void setupGL(HWND window);
void teardownGL(HWND window);
// The viewport for the client area, and in the screen saver a lamp on each monitor.
void resizeLampViewports(HWND window);
// The overlay's font made again for a display of another DPI (pixels per 96 DPI pixel).
void rebuildOverlayFont(float pixelScale);
// Whether the window has its context: from GL set-up to tear-down. Paint messages draw
// whenever it has, also while frames are paused (behind the help viewer).
bool hasGLContext();
