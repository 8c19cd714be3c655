// Bringing the lamp up, as the main window's creation does and as the offscreen renderer,
// the tests and the benchmarks do it too.
#pragma once

#include <cstdint>

class Image;

// Builds the one LampScene (seed 0: from the clock).
void createLampScene(uint32_t seed);
// The same, then applies every setting to it, as the window's creation ends up doing:
// the offscreen renderer, tests and benchmarks start the lamp this way.
void createLampWithSettings(uint32_t seed);
// Advances the lava so that it does not start as a cold heap: 100 steps of 0.02.
void warmUpLava();
// The colour buffer of the current context, bottom row first (as a BMP stores it).
Image* readFrameBuffer(int width, int height);
