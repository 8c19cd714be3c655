// The frame clock: a thread timer with an ordered list of listeners. All running timers
// are kept in activeTimers so that the one timer procedure can find who fired.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/thread_timer.h"

class FrameTimer;

class TimerListener {
public:
    virtual ~TimerListener() = default;
    virtual void onTimer(FrameTimer& timer) = 0;
};

// Calls a plain function with the firing timer.
class FunctionListener : public TimerListener {
public:
    using Function = void (*)(FrameTimer&);
    explicit FunctionListener(Function function) : function(function) {}
    void onTimer(FrameTimer& timer) override { function(timer); }

private:
    Function function;
};

class FrameTimer {
public:
    explicit FrameTimer(uint32_t intervalMs);
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
    bool running = false;
    uint32_t interval = 0;
    uint32_t timerId = noThreadTimer;
    std::vector<TimerListener*> listeners;
    std::vector<FunctionListener*> ownedListeners;
};

// Every running FrameTimer in start order; room for maxActiveTimers.
constexpr int maxActiveTimers = 100;
struct ActiveTimers {
    FrameTimer* timers[maxActiveTimers] = {};
    int count = 0;
};
extern ActiveTimers activeTimers;

// The program's one timer procedure: runs the listeners of every running timer whose id
// matches, in table order.
void timerProc(uint32_t timerId);

// The main window's frame clock, created with 35 ms at window creation.
extern FrameTimer* frameTimer;
