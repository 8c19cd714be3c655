// The frame drawn, read back from the current context's colour buffer (screenshots,
// movies, the offscreen renderer and the picture tests).
#pragma once

class Image;

// The colour buffer of the current context, bottom row first (as a BMP stores it).
Image* readFrameBuffer(int width, int height);
// The same into an image of the size to read.
void readFrameBufferInto(Image& image);
