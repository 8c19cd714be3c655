// A diagnostic listener on the frame timer: it prints the first ticks with their times,
// then every `period` ticks how many ticks came and their mean spacing, so the real tick
// rate can be read from the program's output.
#pragma once

#include <cstdint>

#include "shell/frame_timer.h"

class TickReporter : public TimerListener {
public:
    // Ticks printed one by one, with their time, before the periodic lines take over.
    static constexpr int firstTicksShown = 12;
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
