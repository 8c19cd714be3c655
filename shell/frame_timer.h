// The frame clock: a thread timer with an ordered list of listeners. The running timers
// are kept in a table (the lamp's life holds it) so that the one timer procedure can find
// who fired.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/thread_timer.h"

class FrameTimer;

class TimerListener {
public:
    virtual ~TimerListener() = default;
    virtual void onTimer(FrameTimer& timer) = 0;
};

// Calls a function with the firing timer.
class FunctionListener : public TimerListener {
public:
    using Function = std::function<void(FrameTimer&)>;
    explicit FunctionListener(Function function) : function(std::move(function)) {}
    void onTimer(FrameTimer& timer) override { function(timer); }

private:
    Function function;
};

// Every running FrameTimer in start order; room for maxActiveTimers.
constexpr int maxActiveTimers = 100;
struct ActiveTimers {
    FrameTimer* timers[maxActiveTimers] = {};
    int count = 0;
};

// The one timer procedure: runs the listeners of every running timer of the table whose id
// matches, in table order.
void timerProc(ActiveTimers& table, uint32_t timerId);

class FrameTimer {
public:
    // Timers from `source`, entered in `table` while running.
    FrameTimer(ThreadTimers& source, ActiveTimers& table, uint32_t intervalMs);
    ~FrameTimer();
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    // A running timer restarts at once with the new interval.
    void setInterval(uint32_t intervalMs);
    // False (and the timer stays stopped) when the system gives no timer or the table of
    // running timers is full.
    bool start();
    void stop();
    // A listener already in the list is not added twice.
    void addListener(TimerListener* listener);
    // Wraps the function in a FunctionListener that the timer owns.
    void addFunction(FunctionListener::Function function);

    bool isRunning() const { return running; }
    uint32_t intervalMs() const { return interval; }
    uint32_t id() const { return timerId; }
    void fire();

private:
    ThreadTimers& source;
    ActiveTimers& table;
    bool running = false;
    uint32_t interval = 0;
    uint32_t timerId = noThreadTimer;
    std::vector<TimerListener*> listeners;
    std::vector<std::unique_ptr<FunctionListener>> ownedListeners;
};
