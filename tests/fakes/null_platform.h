// A platform that does nothing but record what it is asked, in order: the lamp's life's
// tests run it through its sequences on this. Its GL context is an offscreen one, so that
// the lamp really sets up and draws; its thread timers only tick when a test fires them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/offscreen_context.h"
#include "shell/platform_operations.h"
#include "tests/fakes/fake_pointer.h"

class NullPlatform : public PlatformOperations {
public:
    PointerPort& pointer() override { return pointer_; }
    float pixelScale() override { return 1; }
    void makeCursors() override { record("makeCursors"); }
    bool makeGLContext() override;
    void makeMenuFont(float pixelScale) override;
    void* glProcedure(const char* name) override;
    void releaseGLContext() override;
    void swapBuffers() override;
    ScreenRect clientArea() override { return {0, 0, width, height}; }
    std::vector<ScreenRect> monitors() override { return screens; }
    bool watched() override { return seen; }
    void closeWindow() override { record("closeWindow"); }
    void restartIn(RunMode mode) override { record("restartIn " + std::to_string(mode)); }
    void setPriority(ProcessPriority priority) override { record("setPriority " + std::to_string(static_cast<int>(priority))); }
    void timerFailed() override { record("timerFailed"); }
    void openHelp() override { record("openHelp"); }
    void openSettings() override { record("openSettings"); }
    void showAbout() override { record("showAbout"); }
    bool beforeFrame() override;
    void afterFrame() override { record("afterFrame"); }
    uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) override;
    void destroyThreadTimer(uint32_t timerId) override;

    void record(const std::string& call) { calls.push_back(call); }
    // How often a call was made, and where it first was (-1: never).
    int count(const std::string& call) const;
    int firstAt(const std::string& call) const;
    // A tick of every live timer, as the system would deliver it.
    void tick();
    void fire(uint32_t timerId);

    std::vector<std::string> calls;
    FakePointer pointer_;
    int width = 64, height = 96;
    std::vector<ScreenRect> screens{{0, 0, 64, 96}};
    bool giveContext = true;   // makeGLContext succeeds
    bool refuseTimers = false; // the system has no timer left
    bool seen = true;          // watched()
    bool frameAllowed = true;  // beforeFrame()
    struct Timer {
        uint32_t intervalMs;
        ThreadTimerTick tick;
        void* context;
    };
    std::map<uint32_t, Timer> timers;  // the live ones, by id
    std::function<void()> timerCreated;  // called as each timer is made
    int timersCreated = 0, timersDestroyed = 0;

private:
    std::unique_ptr<OffscreenContext> context_;
    uint32_t nextTimerId_ = 1;
};
