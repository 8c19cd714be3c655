// Bringing the lamp up, as the main window's creation does and as the offscreen renderer,
// the tests and the benchmarks do it too.
#pragma once

#include <cstdint>

class Image;

// Builds the one LampScene (seed 0: from the clock), replacing any earlier one. The
// settings are not applied here: their callbacks apply them when the settings are made
// and loaded, which the caller does next.
void createLampScene(uint32_t seed);
// Deletes the lamp, if any, and clears theLampScene.
void destroyLampScene();
// Advances the lava so that it does not start as a cold heap: 2500 steps of 0.02, after
// which lumps are already rising (a fraction of a second at the default 175 blobs).
void warmUpLava();
// The colour buffer of the current context, bottom row first (as a BMP stores it).
Image* readFrameBuffer(int width, int height);
// The same into an image of the size to read.
void readFrameBufferInto(Image& image);
