// Tick-rate diagnostics of the frame timer.
#include "shell/tick_reporter.h"

#include "platform/diagnostics.h"

void TickReporter::onTimer(FrameTimer& timer) {
    const uint32_t now = clock();
    if (tickCount == 0) {
        periodStartMs = now;
    } else if (tickCount % period == 0) {
        lastMean = static_cast<double>(now - periodStartMs) / period;
        diag("Frame timer: %d ticks, %.1f ms apart (interval %u ms)\n", tickCount, lastMean,
             timer.intervalMs());
        periodStartMs = now;
    }
    ++tickCount;
}
