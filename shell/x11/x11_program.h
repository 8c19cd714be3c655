// The running Linux program: its lamp's window, the options it was started with, its
// pointer and timer queue, a restart it asked for, and the lamp's life, which it serves
// as the X11 platform's table of operations (the Windows program's twin is Win32Program).
#pragma once

#include <cstdint>

#include "shell/lamp_life.h"
#include "shell/platform_operations.h"
#include "shell/program_options.h"
#include "shell/x11/lamp_window_x11.h"
#include "shell/x11/pointer_x11.h"
#include "shell/x11/thread_timer_x11.h"

class X11Program : public PlatformOperations {
public:
    X11Program();

    PointerPort& pointer() override { return pointer_; }
    float pixelScale() override;
    bool makeGLContext() override;
    void makeMenuFont(float pixelScale) override;
    void* glProcedure(const char* name) override;
    void releaseGLContext() override;
    void swapBuffers() override;
    ScreenRect clientArea() override;
    std::vector<ScreenRect> monitors() override;
    bool watched() override;
    void closeWindow() override;
    void restartIn(RunMode mode) override;
    void setPriority(ProcessPriority priority) override;
    void timerFailed() override;
    void openHelp() override;
    void openSettings() override;
    void showAbout() override;
    bool beforeFrame() override;
    void overFrame() override;
    void afterFrame() override;
    uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) override;
    void destroyThreadTimer(uint32_t timerId) override;

    LampWindowX11 lamp;
    ProgramOptions options;
    X11PointerPort pointer_{lamp};
    X11TimerQueue timers;
    LampLife life{*this};
    RunMode restartAs = Windowed;
    bool restart = false;
    int exitCode = 0;
    uint32_t settingsWatchedAt = 0;
};

// The program main runs, or null before and after: Xlib's error handlers are handed no
// pointer of ours, so they find it here.
X11Program* x11Program();
void setX11Program(X11Program* program);
