// The frame-rate and priority tables.
#include "settings/frame_rates.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr uint32_t framePeriods[frameRateCount] = {1000, 500, 200, 150, 100, 80, 70, 60, 50, 40, 30, 20};
constexpr int shownRates[frameRateCount] = {1, 2, 5, 7, 10, 12, 15, 17, 20, 25, 33, 50};
}  // namespace

uint32_t frameIntervalMs(int frameRateIndex) { return framePeriods[std::clamp(frameRateIndex, 0, frameRateCount - 1)]; }

int shownFrameRate(int frameRateIndex) { return shownRates[std::clamp(frameRateIndex, 0, frameRateCount - 1)]; }

int frameRateIndexNearest(double framesPerSecond) {
    int nearest = 0;
    for (int i = 1; i < frameRateCount; ++i)
        if (std::abs(shownRates[i] - framesPerSecond) <= std::abs(shownRates[nearest] - framesPerSecond)) nearest = i;
    return nearest;
}

ProcessPriority processPriorityFor(int value) {
    if (value == 1) return ProcessPriority::Normal;
    if (value == 2) return ProcessPriority::High;
    return ProcessPriority::Low;
}

const char* priorityName(int value) {
    switch (processPriorityFor(value)) {
        case ProcessPriority::Normal:
            return "Normal";
        case ProcessPriority::High:
            return "High";
        case ProcessPriority::Low:
            break;
    }
    return "Low";
}
