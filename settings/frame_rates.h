// The frame-rate and priority tables behind the frameRate and priority settings.
#pragma once

#include <cstdint>

// The frame timer's period for a frame-rate index 0..11 (taken into range).
uint32_t frameIntervalMs(int frameRateIndex);
// Frames per second shown for a frame-rate index.
int shownFrameRate(int frameRateIndex);

// The process priority a priority setting asks for: 1 normal, 2 high, anything else low
// (the idle class, so that a screen saver never competes with real work).
enum class ProcessPriority { Low, Normal, High };
ProcessPriority processPriorityFor(int value);
const char* priorityName(int value);
