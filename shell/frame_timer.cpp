// FrameTimer and the shared timer procedure.
#include "shell/frame_timer.h"

#include <algorithm>

#include "platform/diagnostics.h"

namespace {
void onThreadTimer(void* table, uint32_t timerId) { timerProc(*static_cast<ActiveTimers*>(table), timerId); }
}  // namespace

FrameTimer::FrameTimer(ThreadTimers& source, ActiveTimers& table, uint32_t intervalMs)
    : source(source), table(table) {
    setInterval(intervalMs);
}

FrameTimer::~FrameTimer() { stop(); }

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
    if (table.count >= maxActiveTimers) return false;
    const uint32_t id = source.createThreadTimer(interval, onThreadTimer, &table);
    if (id == noThreadTimer) {
        diagError("Could not create a timer of %u ms\n", static_cast<unsigned>(interval));
        return false;
    }
    timerId = id;
    running = true;
    table.timers[table.count++] = this;
    return true;
}

void FrameTimer::stop() {
    if (!running) return;
    source.destroyThreadTimer(timerId);
    timerId = noThreadTimer;
    running = false;
    FrameTimer** end = table.timers + table.count;
    FrameTimer** at = std::find(table.timers, end, this);
    if (at != end) {
        std::copy(at + 1, end, at);
        table.timers[--table.count] = nullptr;
    }
}

void FrameTimer::addListener(TimerListener* listener) {
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void FrameTimer::addFunction(FunctionListener::Function function) {
    ownedListeners.push_back(std::make_unique<FunctionListener>(std::move(function)));
    addListener(ownedListeners.back().get());
}

void FrameTimer::fire() {
    // A listener may add listeners; index so that growth of the list is safe.
    for (size_t i = 0; i < listeners.size(); ++i) listeners[i]->onTimer(*this);
}

void timerProc(ActiveTimers& table, uint32_t timerId) {
    for (int i = 0; i < table.count; ++i) {
        FrameTimer* timer = table.timers[i];
        if (timer->isRunning() && timer->id() == timerId) timer->fire();
    }
}
