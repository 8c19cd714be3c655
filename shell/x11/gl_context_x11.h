// The lamp window's OpenGL context on X11 (GLX): made for the window's visual, the menu's
// font from an X core font, the buffer swap, and putting it away.
#pragma once

#include <string>

struct LampWindowX11;
typedef struct _XDisplay Display;

// False, with what went wrong, when the window gets no context.
bool makeGLContext(LampWindowX11& lamp, std::string& error);
void makeMenuFont(Display* display, float pixelScale);
void releaseGLContext(LampWindowX11& lamp);
void swapBuffers(const LampWindowX11& lamp);
