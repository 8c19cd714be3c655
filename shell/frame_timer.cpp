// FrameTimer and the shared timer procedure.
#include "shell/frame_timer.h"

#include <algorithm>

#include "platform/diagnostics.h"

ActiveTimers activeTimers;
FrameTimer* frameTimer = nullptr;

FrameTimer::FrameTimer(uint32_t intervalMs) { setInterval(intervalMs); }

FrameTimer::~FrameTimer() {
    stop();
    for (FunctionListener* listener : ownedListeners) delete listener;
}

void FrameTimer::setInterval(uint32_t intervalMs) {
    interval = intervalMs;
    if (running) {
        stop();
        start();
    }
}

bool FrameTimer::start() {
    if (running) return true;
    // Past the table's capacity the timer would be unreachable from timerProc; refusing to
    // start is safer than writing beyond it.
    if (activeTimers.count >= maxActiveTimers) return false;
    const uint32_t id = createThreadTimer(interval, timerProc);
    if (id == noThreadTimer) {
        diagError("Could not create a timer of %u ms\n", static_cast<unsigned>(interval));
        return false;
    }
    timerId = id;
    running = true;
    activeTimers.timers[activeTimers.count++] = this;
    return true;
}

void FrameTimer::stop() {
    if (!running) return;
    destroyThreadTimer(timerId);
    timerId = noThreadTimer;
    running = false;
    FrameTimer** end = activeTimers.timers + activeTimers.count;
    FrameTimer** at = std::find(activeTimers.timers, end, this);
    if (at != end) {
        std::copy(at + 1, end, at);
        activeTimers.timers[--activeTimers.count] = nullptr;
    }
}

void FrameTimer::addListener(TimerListener* listener) {
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void FrameTimer::addFunction(FunctionListener::Function function) {
    auto* listener = new FunctionListener(function);
    ownedListeners.push_back(listener);
    addListener(listener);
}

void FrameTimer::fire() {
    // A listener may add listeners; index so that growth of the list is safe.
    for (size_t i = 0; i < listeners.size(); ++i) listeners[i]->onTimer(*this);
}

void timerProc(uint32_t timerId) {
    for (int i = 0; i < activeTimers.count; ++i) {
        FrameTimer* timer = activeTimers.timers[i];
        if (timer->isRunning() && timer->id() == timerId) timer->fire();
    }
}
