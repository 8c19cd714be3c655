// FrameTimer: starting, stopping, restarting, the active table and the listeners' order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/frame_timer.h"
#include "shell/tick_reporter.h"
#include "tests/fakes/fake_thread_timer.h"

namespace {

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeThreadTimers() = FakeThreadTimers();
        activeTimers = ActiveTimers();
    }
    void TearDown() override { EXPECT_EQ(activeTimers.count, 0) << "a test left a timer running"; }
};

struct Recorder : TimerListener {
    Recorder(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}
    void onTimer(FrameTimer&) override { log.push_back(name); }
    std::string name;
    std::vector<std::string>& log;
};

}  // namespace

TEST_F(FrameTimerTest, StartsStoppedWithoutASystemTimer) {
    FrameTimer timer(35);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.intervalMs(), 35u);
    EXPECT_EQ(timer.id(), noThreadTimer);
    EXPECT_EQ(fakeThreadTimers().created, 0);
}

TEST_F(FrameTimerTest, StartUsesTheIntervalAndRegistersOnce) {
    FrameTimer timer(35);
    timer.start();
    timer.start();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(fakeThreadTimers().created, 1);
    EXPECT_EQ(fakeThreadTimers().live.at(timer.id()), 35u);
    ASSERT_EQ(activeTimers.count, 1);
    EXPECT_EQ(activeTimers.timers[0], &timer);
    timer.stop();
    timer.stop();
    EXPECT_EQ(fakeThreadTimers().destroyed, 1);
    EXPECT_EQ(timer.id(), noThreadTimer);
    EXPECT_TRUE(fakeThreadTimers().live.empty());
}

TEST_F(FrameTimerTest, NewIntervalRestartsARunningTimerAtOnce) {
    FrameTimer timer(35);
    timer.setInterval(50);  // not running: only stored
    EXPECT_EQ(fakeThreadTimers().created, 0);
    timer.start();
    timer.setInterval(20);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(fakeThreadTimers().created, 2);
    EXPECT_EQ(fakeThreadTimers().destroyed, 1);
    ASSERT_EQ(fakeThreadTimers().live.size(), 1u);
    EXPECT_EQ(fakeThreadTimers().live.at(timer.id()), 20u);
    EXPECT_EQ(activeTimers.count, 1);
    timer.stop();
}

TEST_F(FrameTimerTest, StoppingMovesLaterTimersDown) {
    FrameTimer a(10), b(20), c(30);
    a.start();
    b.start();
    c.start();
    b.stop();
    ASSERT_EQ(activeTimers.count, 2);
    EXPECT_EQ(activeTimers.timers[0], &a);
    EXPECT_EQ(activeTimers.timers[1], &c);
    EXPECT_EQ(activeTimers.timers[2], nullptr);
    b.start();
    EXPECT_EQ(activeTimers.timers[2], &b);
    a.stop();
    b.stop();
    c.stop();
}

// A system that gives no timer leaves the frame timer stopped, out of the table, and
// says so; it never pretends to run with an id nobody will tick.
TEST_F(FrameTimerTest, ARefusedSystemTimerLeavesTheFrameTimerStopped) {
    fakeThreadTimers().refuse = true;
    FrameTimer timer(40);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(timer.start());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.id(), noThreadTimer);
    EXPECT_EQ(activeTimers.count, 0);
    EXPECT_NE(said.find("timer"), std::string::npos);
    fakeThreadTimers().refuse = false;
    EXPECT_TRUE(timer.start());
    EXPECT_TRUE(timer.isRunning());
    timer.stop();
}

TEST_F(FrameTimerTest, TimerProcRunsOnlyTheFiringTimersListenersInOrder) {
    std::vector<std::string> log;
    Recorder first("first", log), second("second", log), other("other", log);
    FrameTimer timer(35), otherTimer(35);
    timer.addListener(&first);
    timer.addListener(&second);
    timer.addListener(&first);  // already there: not added again
    otherTimer.addListener(&other);
    timer.start();
    otherTimer.start();

    // Ticks reach the timer procedure through the seam's callback.
    fakeThreadTimers().fire(timer.id());
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    timerProc(9999);  // an id nobody owns
    EXPECT_EQ(log.size(), 2u);

    const uint32_t oldId = timer.id();
    timer.stop();
    timerProc(oldId);  // a tick still queued for a stopped timer does nothing
    EXPECT_EQ(log.size(), 2u);
    otherTimer.stop();
}

TEST_F(FrameTimerTest, TableIsNeverOverrun) {
    std::vector<FrameTimer*> timers;
    for (int i = 0; i < maxActiveTimers + 5; ++i) {
        timers.push_back(new FrameTimer(10));
        timers.back()->start();
    }
    EXPECT_EQ(activeTimers.count, maxActiveTimers);
    EXPECT_FALSE(timers.back()->isRunning());
    for (FrameTimer* t : timers) delete t;
}

namespace {
uint32_t fakeNow = 0;
uint32_t fakeClock() { return fakeNow; }
}  // namespace

TEST_F(FrameTimerTest, TickReporterMeasuresTheSpacing) {
    FrameTimer timer(35);
    TickReporter reporter(4, fakeClock);
    timer.addListener(&reporter);
    timer.start();
    fakeNow = 1000;
    for (int i = 0; i < 9; ++i) {
        timerProc(timer.id());
        fakeNow += (i % 2) ? 30 : 40;
    }
    EXPECT_EQ(reporter.ticks(), 9);
    EXPECT_DOUBLE_EQ(reporter.lastMeanIntervalMs(), 35.0);
    timer.stop();
}
