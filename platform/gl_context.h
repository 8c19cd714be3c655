// Seam: the window's OpenGL context, made and shown by the shell (WGL on Windows, OSMesa in
// tests and tools).
#pragma once

// Shows the frame just drawn (a buffer swap; offscreen, the end of drawing).
void swapFrameBuffers();
