// The lamp window's OpenGL context on X11 (GLX): the state the lamp needs, the menu's font
// from an X core font, the viewports, the buffer swap, and putting it away.
#pragma once

struct LampWindowX11;

void setupGL(LampWindowX11& lamp);
void teardownGL(LampWindowX11& lamp);
// The viewport for the window's size, and in the screen saver a lamp on each monitor.
void resizeLampViewports(LampWindowX11& lamp);
