// Tick-rate diagnostics of the frame timer.
#include "shell/tick_reporter.h"

#include "platform/diagnostics.h"

void TickReporter::onTimer(FrameTimer& timer) {
    const uint32_t now = clock();
    // The first ticks one by one, so that the spacing can be read from the very first tick
    // on (a period set late would show there, not in a mean).
    if (tickCount < firstTicksShown)
        diag("Frame timer tick %d at %u ms (interval %u ms)\n", tickCount + 1, static_cast<unsigned>(now),
             timer.intervalMs());
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
