// Seam: periodic timers delivered on the GUI thread from inside message dispatch, so that
// frames keep coming inside the nested loops of modal dialogs and message boxes. Each
// platform's program object is its source of them.
#pragma once

#include <cstdint>

constexpr uint32_t noThreadTimer = 0xFFFFFFFFu;

// Called on every tick with what the timer's creator handed in and the timer's id.
using ThreadTimerTick = void (*)(void* context, uint32_t timerId);

class ThreadTimers {
public:
    virtual ~ThreadTimers() = default;
    // The id the system chose, or noThreadTimer when no timer could be made.
    virtual uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) = 0;
    virtual void destroyThreadTimer(uint32_t timerId) = 0;
};
