// The program's entry point: reads the command line, fixes the run mode and hands over to
// the main window. Optionally opens a console for the diagnostic lines.
#include <cstdio>
#include <cstdint>
#include <iostream>

#include "platform/diagnostics.h"
#include "settings/registry_values.h"
#include "settings/stored_value_names.h"
#include "shell/command_line.h"
#include "shell/win32/lamp_window_win32.h"
#include "shell/win32/password_hooks_win32.h"
#include "shell/win32/win32_program.h"
#include "shell/win32/window_proc_win32.h"

#ifndef GLIMMERJAR_DEBUG_CONSOLE
#define GLIMMERJAR_DEBUG_CONSOLE 0
#endif

// Build switch (CMake option GLIMMERJAR_DEBUG_CONSOLE): give the program a console window
// that shows every diagnostic line.
constexpr bool debugConsole = GLIMMERJAR_DEBUG_CONSOLE != 0;

namespace {

// Only developers see this box (a build with the debug console whose console failed), so it
// keeps the placeholder caption the debug builds have always shown.
constexpr const char* consoleFailureCaption = "** PROGRAM NAME ***";

bool attachDebugConsole() {
    if (!AllocConsole()) {
        MessageBoxA(nullptr, "Can't allocate console!\n", consoleFailureCaption, MB_OK | MB_ICONSTOP);
        return false;
    }
    // The diagnostic lines go to the standard streams only when asked for.
    _putenv("GLIMMERJAR_DIAGNOSTICS=1");
    if (!std::freopen("CON", "w", stdout) || !std::freopen("CON", "w", stderr)) return true;
    std::ios::sync_with_stdio(true);
    std::cout.clear();
    std::cerr.clear();
    return true;
}

HWND windowFromHandle(int64_t handle) {
    HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    return handle != 0 && IsWindow(window) ? window : nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    if (debugConsole && !attachDebugConsole()) return 0;
    program().appInstance = instance;

    const StartRequest request = parseCommandLine(GetCommandLineA(), arguments ? arguments : "");
    diag("Command Line:%s\n", request.argumentText.c_str());

    switch (request.action) {
        case StartAction::ChangePassword:
            changeScreenSaverPassword(nullptr);
            return -1;
        case StartAction::Reject:
            return -1;
        case StartAction::RunWindow:
            break;
    }

    LampLife& life = program().life;
    life.runMode = request.mode;
    if (request.modeFromStartFullScreen)
        life.runMode = readBoolValue(life.store(), startFullScreenValue, false) ? FullScreen : Windowed;
    const RunMode runMode = life.runMode;

    HWND parent = nullptr;
    if (runMode == Preview) {
        parent = windowFromHandle(request.handle);
        if (!parent) return -1;
    } else if (request.ownerFromHandle) {
        parent = windowFromHandle(request.handle);
        if (!parent) parent = GetForegroundWindow();
    }
    int exitCode = 0;
    if (!openLampWindow(parent, request.width, request.height, mainWindowProc, exitCode)) return exitCode;
    return runEventLoop();
}
