// The lamp window's OpenGL context on Windows (WGL): the pixel format and the rendering
// context, the menu's font from a GDI font, and putting it away.
#pragma once

#include <windows.h>

// The window's device context and its rendering context, made current; false when the
// window gets none.
bool makeGLContext(HWND window, HDC& deviceContext, HGLRC& context);
// The overlay's font as display lists, at this many pixels per 96 DPI pixel.
void makeMenuFont(HDC dc, float pixelScale);
void releaseGLContext(HWND window, HDC& deviceContext, HGLRC& context);
