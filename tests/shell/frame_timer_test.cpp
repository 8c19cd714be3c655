// FrameTimer: starting, stopping, restarting, the table of running timers and the
// listeners' order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/frame_timer.h"
#include "shell/tick_reporter.h"
#include "tests/fakes/null_platform.h"

namespace {

class FrameTimerTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(table.count, 0) << "a test left a timer running"; }
    NullPlatform system;
    ActiveTimers table;
};

struct Recorder : TimerListener {
    Recorder(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}
    void onTimer(FrameTimer&) override { log.push_back(name); }
    std::string name;
    std::vector<std::string>& log;
};

}  // namespace

TEST_F(FrameTimerTest, StartStopAndANewIntervalKeepOneSystemTimerAndTheTableInOrder) {
    FrameTimer a(system, table, 35), b(system, table, 20), c(system, table, 30);
    EXPECT_EQ(a.id(), noThreadTimer);
    a.start();
    a.start();
    EXPECT_EQ(system.timersCreated, 1);
    EXPECT_EQ(system.timers.at(a.id()).intervalMs, 35u);
    a.setInterval(50);  // running: restarted at once with the new period
    EXPECT_EQ(system.timers.size(), 1u);
    EXPECT_EQ(system.timers.at(a.id()).intervalMs, 50u);
    b.start();
    c.start();
    b.stop();
    b.stop();
    ASSERT_EQ(table.count, 2);
    EXPECT_EQ(table.timers[0], &a);
    EXPECT_EQ(table.timers[1], &c);
    EXPECT_EQ(table.timers[2], nullptr);
    EXPECT_EQ(b.id(), noThreadTimer);
    a.stop();
    c.stop();
    EXPECT_TRUE(system.timers.empty());
}

// A system that gives no timer leaves the frame timer stopped, out of the table, and
// says so; it never pretends to run with an id nobody will tick.
TEST_F(FrameTimerTest, ARefusedSystemTimerLeavesTheFrameTimerStopped) {
    system.refuseTimers = true;
    FrameTimer timer(system, table, 40);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(timer.start());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("timer"), std::string::npos);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(table.count, 0);
    system.refuseTimers = false;
    EXPECT_TRUE(timer.start());
    timer.stop();
}

TEST_F(FrameTimerTest, ATickRunsOnlyTheFiringTimersListenersInOrder) {
    std::vector<std::string> log;
    Recorder first("first", log), second("second", log), other("other", log);
    FrameTimer timer(system, table, 35), otherTimer(system, table, 35);
    timer.addListener(&first);
    timer.addListener(&second);
    timer.addListener(&first);  // already there: not added again
    otherTimer.addListener(&other);
    timer.start();
    otherTimer.start();

    system.fire(timer.id());
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    timerProc(table, 9999);  // an id nobody owns
    const uint32_t oldId = timer.id();
    timer.stop();
    timerProc(table, oldId);  // a tick still queued for a stopped timer does nothing
    EXPECT_EQ(log.size(), 2u);
    otherTimer.stop();
}

TEST_F(FrameTimerTest, TheTableIsNeverOverrun) {
    std::vector<std::unique_ptr<FrameTimer>> timers;
    for (int i = 0; i < maxActiveTimers + 5; ++i) {
        timers.push_back(std::make_unique<FrameTimer>(system, table, 10));
        timers.back()->start();
    }
    EXPECT_EQ(table.count, maxActiveTimers);
    EXPECT_FALSE(timers.back()->isRunning());
}

namespace {
uint32_t fakeNow = 0;
uint32_t fakeClock() { return fakeNow; }
}  // namespace

TEST_F(FrameTimerTest, TickReporterMeasuresTheSpacing) {
    FrameTimer timer(system, table, 35);
    TickReporter reporter(4, fakeClock);
    timer.addListener(&reporter);
    timer.start();
    fakeNow = 1000;
    for (int i = 0; i < 9; ++i) {
        system.fire(timer.id());
        fakeNow += (i % 2) ? 30 : 40;
    }
    EXPECT_EQ(reporter.ticks(), 9);
    EXPECT_DOUBLE_EQ(reporter.lastMeanIntervalMs(), 35.0);
    timer.stop();
}
