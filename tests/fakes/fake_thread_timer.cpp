// Recording thread timers for the unit tests.
#include "tests/fakes/fake_thread_timer.h"

#include "platform/thread_timer.h"

FakeThreadTimers& fakeThreadTimers() {
    static FakeThreadTimers timers;
    return timers;
}

uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick) {
    FakeThreadTimers& timers = fakeThreadTimers();
    if (timers.refuse) return noThreadTimer;
    const uint32_t id = timers.nextId++;
    timers.live[id] = intervalMs;
    timers.tick = tick;
    ++timers.created;
    return id;
}

void destroyThreadTimer(uint32_t timerId) {
    FakeThreadTimers& timers = fakeThreadTimers();
    if (timers.live.erase(timerId)) ++timers.destroyed;
}
