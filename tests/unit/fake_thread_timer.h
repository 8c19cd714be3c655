// A thread-timer seam for the unit tests: timers are only recorded, and a test fires them
// by calling timerProc with their id.
#pragma once

#include <cstdint>
#include <map>

struct FakeThreadTimers {
    std::map<uint32_t, uint32_t> live;  // id -> interval (ms)
    uint32_t nextId = 1;
    int created = 0;
    int destroyed = 0;
    bool refuse = false;  // the system has no timer left
};

FakeThreadTimers& fakeThreadTimers();
