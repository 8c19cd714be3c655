// The running Windows program: the module and the main window, the program's cursors,
// the window's OpenGL context, the display's power state, the dialogs it has open, its
// thread timers and a restart it asked for, and the lamp's life, which it serves as the
// Windows platform's table of operations (the Linux program's twin is X11Program).
#pragma once

#include <windows.h>

#include <map>

#include "shell/lamp_life.h"
#include "shell/platform_operations.h"
#include "shell/win32/config_dialog_win32.h"
#include "shell/win32/frame_audience_win32.h"
#include "shell/win32/help_viewer_win32.h"
#include "shell/win32/pointer_win32.h"

class Win32Program : public PlatformOperations {
public:
    PointerPort& pointer() override { return pointer_; }
    float pixelScale() override;
    void makeCursors() override;
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
    void afterFrame() override;
    uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) override;
    void destroyThreadTimer(uint32_t timerId) override;

    HINSTANCE appInstance = nullptr;  // every resource is loaded from it
    HWND mainWindow = nullptr;
    HDC deviceContext = nullptr;
    HGLRC glContext = nullptr;
    FrameAudience audience;
    bool leavePending = false;     // a mouse-leave notice was asked for and has not come yet
    bool configShownOnce = false;  // the Configure run has opened its dialog
    ConfigDialog configDialog;
    HelpViewer helpViewer;
    // "/w" or "/f" once a switch of screen mode was asked for: the program file is started
    // again with it after this process has ended.
    const char* relaunchParameters = nullptr;
    // Each live thread timer's tick and what it was handed: SetTimer's procedure gets only
    // the id.
    struct ThreadTimer {
        ThreadTimerTick tick;
        void* context;
    };
    std::map<UINT_PTR, ThreadTimer> threadTimers;
    Win32PointerPort pointer_;
    LampLife life{*this};
};

// The one program of the process: the window, dialog and timer procedures Windows calls
// are handed no pointer of ours, so they find it here.
Win32Program& program();

HICON programIcon();
