// What the program asks of its window on Windows: a close (posted, so that the screen
// saver's close policy sees it), and a switch between a window and full screen by starting
// the program file again. The new process is started from an exit handler, after this one
// has destroyed its window and saved its settings (which record the mode the user is going
// to).
#include "shell/main_window.h"

#include <cstdlib>

#include "settings/run_mode.h"
#include "shell/lamp_life.h"
#include "shell/win32/monitors_win32.h"
#include "shell/win32/win32_program.h"

namespace {

// Set once by toggleFullScreen; read by the exit handler.
const char* relaunchParameters = nullptr;

void relaunchAtExit() {
    // The program's own file, wherever it lives and whatever it is called: a bare
    // "Glimmerjar.exe" would not be found when started from another folder or name.
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    ShellExecuteA(nullptr, "open", path, relaunchParameters, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void toggleFullScreen() {
    if (runMode != FullScreen && runMode != Windowed) return;
    // The next process opens on the monitor this window is on.
    RECT r{};
    if (GetWindowRect(program().mainWindow, &r)) handOverMonitor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (!relaunchParameters) std::atexit(relaunchAtExit);
    relaunchParameters = runMode == FullScreen ? "/w" : "/f";
    requestClose();
}

void requestClose() {
    lampLife().closeRequested = true;
    PostMessageA(program().mainWindow, WM_CLOSE, 0, 0);
}
