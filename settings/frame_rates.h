// The frame-rate and priority tables behind the frameRate and priority settings.
#pragma once

#include <cstdint>

// The frame rates the lamp draws at, slowest first.
constexpr int frameRateCount = 12;

// The frame timer's period for a frame-rate index 0..11 (taken into range).
uint32_t frameIntervalMs(int frameRateIndex);
// Frames per second shown for a frame-rate index.
int shownFrameRate(int frameRateIndex);
// The index of the rate nearest to a number of frames a second (a tie goes to the faster).
int frameRateIndexNearest(double framesPerSecond);

// The process priority a priority setting asks for: 1 normal, 2 high, anything else low
// (the idle class, so that a screen saver never competes with real work). The order is
// the stored values'.
enum class ProcessPriority { Low, Normal, High };
ProcessPriority processPriorityFor(int value);
const char* priorityName(int value);
