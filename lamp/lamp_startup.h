// Bringing the lamp up, as the main window's creation does and as the offscreen renderer,
// the tests and the benchmarks do it too.
#pragma once

#include <cstdint>

class Image;

// Builds the one LampScene (seed 0: from the clock), replacing any earlier one. The
// settings are not applied: the caller applies them (applyAllSettings) when it is ready.
void createLampScene(uint32_t seed);
// Deletes the lamp, if any, and clears theLampScene.
void destroyLampScene();
// Advances the lava so that it does not start as a cold heap: 100 steps of 0.02.
void warmUpLava();
// The colour buffer of the current context, bottom row first (as a BMP stores it).
Image* readFrameBuffer(int width, int height);
