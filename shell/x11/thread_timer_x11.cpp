// The thread-timer seam of the X11 program: a small queue of periodic timers that the event
// loop waits on (msUntilNextTimer) and fires between X events (fireDueTimers), so every tick
// runs on the loop's thread as on Windows.
#include "shell/x11/thread_timer_x11.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/clock.h"
#include "platform/thread_timer.h"

namespace {

struct QueuedTimer {
    uint32_t id;
    uint32_t intervalMs;
    uint32_t dueMs;
    ThreadTimerTick tick;
};

std::vector<QueuedTimer> timers;
uint32_t nextTimerId = 1;

// Signed distance on the wrapping 32-bit clock.
int32_t msUntil(uint32_t dueMs) { return static_cast<int32_t>(dueMs - clockMs()); }

}  // namespace

uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick) {
    if (!tick || intervalMs == 0) return noThreadTimer;
    const uint32_t id = nextTimerId++;
    timers.push_back({id, intervalMs, clockMs() + intervalMs, tick});
    return id;
}

void destroyThreadTimer(uint32_t timerId) {
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].id != timerId) continue;
        timers.erase(timers.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}

int msUntilNextTimer() {
    int wait = -1;
    for (const QueuedTimer& timer : timers) {
        const int32_t until = msUntil(timer.dueMs);
        const int ms = until < 0 ? 0 : static_cast<int>(until);
        if (wait < 0 || ms < wait) wait = ms;
    }
    return wait;
}

void fireDueTimers() {
    // A tick may create or destroy timers: each due one is looked up again by id.
    std::vector<uint32_t> due;
    for (const QueuedTimer& timer : timers)
        if (msUntil(timer.dueMs) <= 0) due.push_back(timer.id);
    for (uint32_t id : due) {
        for (QueuedTimer& timer : timers) {
            if (timer.id != id) continue;
            // The next tick keeps the rhythm, but a loop that fell behind does not fire a burst.
            timer.dueMs += timer.intervalMs;
            if (msUntil(timer.dueMs) < 0) timer.dueMs = clockMs() + timer.intervalMs;
            ThreadTimerTick tick = timer.tick;
            tick(id);
            break;
        }
    }
}
