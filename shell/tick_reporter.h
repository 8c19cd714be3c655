// A diagnostic listener on the frame timer: every `period` ticks it prints how many ticks
// came and their mean spacing, so the real tick rate can be read from the program's output.
#pragma once

#include <cstdint>

#include "shell/frame_timer.h"

class TickReporter : public TimerListener {
public:
    using Clock = uint32_t (*)();
    TickReporter(int period, Clock clock) : period(period), clock(clock) {}
    void onTimer(FrameTimer& timer) override;

    // Ticks seen in all, and the mean spacing of the last completed period (ms).
    int ticks() const { return tickCount; }
    double lastMeanIntervalMs() const { return lastMean; }

private:
    int period;
    Clock clock;
    int tickCount = 0;
    uint32_t periodStartMs = 0;
    double lastMean = 0.0;
};
