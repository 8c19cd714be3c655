// The X11 program's thread timers: a small queue of periodic timers that the event loop
// waits on (msUntilNextTimer) and fires between X events (fireDueTimers), so that every
// tick runs on the loop's thread as on Windows.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/thread_timer.h"

class X11TimerQueue : public ThreadTimers {
public:
    uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) override;
    void destroyThreadTimer(uint32_t timerId) override;
    // Milliseconds until the next tick is due; -1 for none.
    int msUntilNextTimer() const;
    void fireDueTimers();

private:
    struct QueuedTimer {
        uint32_t id;
        uint32_t intervalMs;
        uint32_t dueMs;
        ThreadTimerTick tick;
        void* context;
    };
    std::vector<QueuedTimer> timers_;
    uint32_t nextTimerId_ = 1;
};
