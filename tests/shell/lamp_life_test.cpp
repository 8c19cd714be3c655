// The lamp's life on a platform that records what it is asked: the creation and
// destruction sequences in their order, and what a tick, a paint, a pause and a failed
// timer do.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "lamp/lamp.h"
#include "lava/blob.h"
#include "settings/registry_values.h"
#include "settings/settings.h"
#include "shell/lamp_life.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/null_platform.h"

namespace {

// A store whose writes go into the platform's record too, so that they can be ordered
// against the platform's calls.
class RecordingStore : public FakeSettingsStore {
public:
    explicit RecordingStore(NullPlatform& platform) : platform_(platform) {}
    bool setDword(const char* name, uint32_t value) override {
        platform_.record(std::string("store ") + name);
        return FakeSettingsStore::setDword(name, value);
    }

private:
    NullPlatform& platform_;
};

class LampLifeTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto recording = std::make_unique<RecordingStore>(platform);
        store = recording.get();
        // A small lava, so that the warm-up of every start is quick.
        writeDword(store, "numParticles", 12);
        life.useStore(std::move(recording));
        platform.calls.clear();
    }
    int at(const std::string& call) const { return platform.firstAt(call); }
    uint32_t timerInterval() const { return platform.timers.begin()->second.intervalMs; }

    NullPlatform platform;
    LampLife life{platform};
    RecordingStore* store = nullptr;
};

}  // namespace

TEST_F(LampLifeTest, TheCreationSequenceMakesTheContextBeforeDrawingAndStartsTheTimerLast) {
    life.start();
    ASSERT_TRUE(life.started());
    EXPECT_TRUE(life.glReady);
    EXPECT_GE(at("makeCursors"), 0);
    EXPECT_LT(at("makeCursors"), at("makeGLContext"));
    EXPECT_LT(at("makeGLContext"), at("makeMenuFont"));
    // The frame timer is made (35 ms) before the settings set its period; it is started
    // only once everything else is in place.
    EXPECT_EQ(platform.count("makeMenuFont without a context"), 0);
    ASSERT_EQ(platform.timers.size(), 1u);
    EXPECT_EQ(timerInterval(), 40u);  // the stored frame rate's default, 25 a second
    EXPECT_GT(at("createThreadTimer 40"), at("makeMenuFont"));
    EXPECT_EQ(platform.count("swapBuffers"), 0) << "nothing is drawn before the first tick";
    EXPECT_EQ(life.lamp()->scene->glass.group.blobCount(), 12);
    EXPECT_EQ(life.lamp()->menu->pixelScale(), 1.0f);
    life.end();
}

TEST_F(LampLifeTest, TheDestructionSequenceSavesBeforeTheTimerGoesAndDrawsNothingAfter) {
    life.start();
    platform.tick();
    life.end();
    EXPECT_FALSE(life.started());
    EXPECT_EQ(life.lamp(), nullptr);
    // Saved while everything still stands: the lava's count last of the lava, then the
    // settings, before the timer goes and before the context is put away.
    EXPECT_LT(at("store noBlobsSaved"), at("destroyThreadTimer"));
    EXPECT_LT(at("store speed"), at("destroyThreadTimer"));
    EXPECT_LT(at("destroyThreadTimer"), at("releaseGLContext"));
    EXPECT_TRUE(platform.timers.empty());
    EXPECT_EQ(readDword(store, "noBlobsSaved", -1), 12);
    // A paint or a tick still queued after the end draws nothing.
    const int frames = platform.count("swapBuffers");
    life.paint();
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), frames);
    EXPECT_EQ(platform.count("swapBuffers without a context"), 0);
    life.end();  // a second end does nothing
    EXPECT_EQ(platform.count("releaseGLContext"), 1);
}

TEST_F(LampLifeTest, TheLavaIsRestoredBeforeTheTimerStarts) {
    life.start();
    const Point3D first = life.lamp()->scene->glass.group.blobs.front()->position;
    life.end();

    NullPlatform next;
    LampLife again{next};
    auto nextStore = std::make_unique<FakeSettingsStore>(*store);
    again.useStore(std::move(nextStore));
    again.seed = 777;  // another lava, unless the saved one comes back
    bool restoredFirst = false;
    next.timerCreated = [&] {
        // As saved, to the six decimals the store keeps.
        const Point3D now = again.lamp()->scene->glass.group.blobs.front()->position;
        restoredFirst = (now - first).length() < 1e-5f;
    };
    again.start();
    EXPECT_TRUE(restoredFirst);
    again.end();
}

TEST_F(LampLifeTest, TicksDrawOnlyWhatSomeoneCanSeeAndPausesHoldThem) {
    life.start();
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 1);
    EXPECT_EQ(platform.count("afterFrame"), 1);

    platform.seen = false;  // minimised, covered, the display asleep
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 1);
    EXPECT_EQ(platform.count("afterFrame"), 2);
    platform.seen = true;

    // A modal window over the lamp holds the frames (twice over: both must go), but the
    // window's own paints still show the frame as it stands.
    life.pause();
    life.pause();
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 1);
    life.paint();
    EXPECT_EQ(platform.count("swapBuffers"), 2);
    life.resume();
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 2);
    life.resume();
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 3);

    // A window going away (the preview's box gone): no frame, nothing after it.
    platform.frameAllowed = false;
    platform.tick();
    EXPECT_EQ(platform.count("swapBuffers"), 3);
    EXPECT_EQ(platform.count("afterFrame"), 5);
    life.end();
}

TEST_F(LampLifeTest, ATimerTheSystemRefusesIsSaidOnceAndEndsTheLamp) {
    platform.refuseTimers = true;
    testing::internal::CaptureStderr();
    life.start();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(platform.count("timerFailed"), 1);
    EXPECT_EQ(platform.count("closeWindow"), 1);
    EXPECT_TRUE(life.closeRequested);
    // The frame rate changing later tries again quietly.
    life.lamp()->settings->frameRate.setValue(5);
    EXPECT_EQ(platform.count("timerFailed"), 1);
    life.end();
}

TEST_F(LampLifeTest, WithoutAContextTheLampRunsAndDrawsNothing) {
    platform.giveContext = false;
    life.start();
    EXPECT_FALSE(life.glReady);
    EXPECT_EQ(platform.count("makeMenuFont"), 0);
    platform.tick();
    life.paint();
    life.resizeViewports();
    EXPECT_EQ(platform.count("swapBuffers") + platform.count("swapBuffers without a context"), 0);
    life.end();
    EXPECT_EQ(platform.count("releaseGLContext"), 0);
    EXPECT_EQ(readDword(store, "noBlobsSaved", -1), 12) << "the lava is kept all the same";
}

TEST_F(LampLifeTest, TheSettingsReachTheTimerAndThePlatform) {
    life.start();
    life.lamp()->settings->frameRate.setValue(11);  // 50 a second
    ASSERT_EQ(platform.timers.size(), 1u);
    EXPECT_EQ(timerInterval(), 20u);
    life.lamp()->settings->priority.setValue(2);
    EXPECT_EQ(platform.count("setPriority 2"), 1);
    life.end();
}

TEST_F(LampLifeTest, TheScreenModeSwitchesOnlyBetweenAWindowAndFullScreen) {
    life.runMode = Windowed;
    life.start();
    life.toggleFullScreen();
    EXPECT_EQ(platform.count("restartIn " + std::to_string(FullScreen)), 1);
    EXPECT_EQ(platform.count("closeWindow"), 1);
    life.end();

    NullPlatform saverPlatform;
    LampLife saver{saverPlatform};
    saver.useStore(std::make_unique<FakeSettingsStore>(*store));
    saver.runMode = ScreenSaver;
    saver.start();
    saver.toggleFullScreen();
    EXPECT_EQ(saverPlatform.count("closeWindow"), 0);
    // The saver draws a lamp on each monitor its window covers.
    saverPlatform.width = 128;
    saverPlatform.screens = {{0, 0, 64, 96}, {64, 0, 64, 96}};
    saver.resizeViewports();
    EXPECT_EQ(saver.lamp()->pipeline.lampViewports().size(), 2u);
    saver.end();
}
