// A thread-timer seam for the unit tests: timers are only recorded, and a test fires them
// through the tick function they were created with.
#pragma once

#include <cstdint>
#include <map>

#include "platform/thread_timer.h"

struct FakeThreadTimers {
    std::map<uint32_t, uint32_t> live;  // id -> interval (ms)
    uint32_t nextId = 1;
    int created = 0;
    int destroyed = 0;
    bool refuse = false;  // the system has no timer left
    ThreadTimerTick tick = nullptr;  // of the newest timer
    void fire(uint32_t id) const { tick(id); }
};

FakeThreadTimers& fakeThreadTimers();
