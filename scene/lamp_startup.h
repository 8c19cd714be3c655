// Bringing the lamp up, as the main window's creation does and as the offscreen renderer,
// the tests and the benchmarks do it too.
#pragma once

#include <cstdint>

class Image;

// Builds the one LampScene (seed 0: from the clock) and applies every setting to it.
void createLampScene(uint32_t seed);
// Advances the lava so that it does not start as a cold heap: 100 steps of 0.02.
void warmUpLava();
// The colour buffer of the current context, bottom row first (as a BMP stores it).
Image* readFrameBuffer(int width, int height);
