// The X11 program's timer queue.
#include "shell/x11/thread_timer_x11.h"

#include <cstddef>

#include "platform/clock.h"

namespace {
// Signed distance on the wrapping 32-bit clock.
int32_t msUntil(uint32_t dueMs) { return static_cast<int32_t>(dueMs - clockMs()); }
}  // namespace

uint32_t X11TimerQueue::createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) {
    if (!tick || intervalMs == 0) return noThreadTimer;
    const uint32_t id = nextTimerId_++;
    timers_.push_back({id, intervalMs, clockMs() + intervalMs, tick, context});
    return id;
}

void X11TimerQueue::destroyThreadTimer(uint32_t timerId) {
    for (size_t i = 0; i < timers_.size(); ++i) {
        if (timers_[i].id != timerId) continue;
        timers_.erase(timers_.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}

int X11TimerQueue::msUntilNextTimer() const {
    int wait = -1;
    for (const QueuedTimer& timer : timers_) {
        const int32_t until = msUntil(timer.dueMs);
        const int ms = until < 0 ? 0 : static_cast<int>(until);
        if (wait < 0 || ms < wait) wait = ms;
    }
    return wait;
}

void X11TimerQueue::fireDueTimers() {
    // A tick may create or destroy timers: each due one is looked up again by id.
    std::vector<uint32_t> due;
    for (const QueuedTimer& timer : timers_)
        if (msUntil(timer.dueMs) <= 0) due.push_back(timer.id);
    for (uint32_t id : due) {
        for (QueuedTimer& timer : timers_) {
            if (timer.id != id) continue;
            // The next tick keeps the rhythm, but a loop that fell behind does not fire a burst.
            timer.dueMs += timer.intervalMs;
            if (msUntil(timer.dueMs) < 0) timer.dueMs = clockMs() + timer.intervalMs;
            const QueuedTimer firing = timer;
            firing.tick(firing.context, id);
            break;
        }
    }
}
