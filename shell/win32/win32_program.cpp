// The Windows program's state, its icon and cursors, and the Windows platform's operations
// for the lamp's life.
#include "shell/win32/win32_program.h"

#include <cstdint>
#include <cstdlib>

#include "resources/resource_ids.h"
#include "resources/web_site.h"
#include "shell/close_policy.h"
#include "shell/win32/config_dialog_win32.h"
#include "shell/win32/gl_context_win32.h"
#include "shell/win32/help_viewer_win32.h"
#include "shell/win32/monitors_win32.h"
#include "version.h"

Win32Program& program() {
    static Win32Program theProgram;
    return theProgram;
}

HICON programIcon() { return LoadIconA(program().appInstance, MAKEINTRESOURCEA(RES_ICON_PROGRAM)); }

namespace {

void CALLBACK threadTimerProc(HWND, UINT, UINT_PTR timerId, DWORD) {
    const auto& timers = program().threadTimers;
    const auto it = timers.find(timerId);
    if (it != timers.end()) it->second.tick(it->second.context, static_cast<uint32_t>(timerId));
}

void relaunchAtExit() {
    // The program's own file, wherever it lives and whatever it is called: a bare
    // "Glimmerjar.exe" would not be found when started from another folder or name.
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    ShellExecuteA(nullptr, "open", path, program().relaunchParameters, nullptr, SW_SHOWNORMAL);
}

// A preview fills its box's client area, also after the box changes size.
void followPreviewBox(HWND window, HWND box) {
    RECT client{}, own{};
    if (!GetClientRect(box, &client) || !GetClientRect(window, &own)) return;
    if (client.right == own.right && client.bottom == own.bottom) return;
    SetWindowPos(window, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

float Win32Program::pixelScale() { return static_cast<float>(GetDpiForWindow(mainWindow)) / 96.0f; }

void Win32Program::makeCursors() { pointer_.makeCursors(appInstance); }

bool Win32Program::makeGLContext() { return ::makeGLContext(mainWindow, deviceContext, glContext); }

void Win32Program::makeMenuFont(float scale) {
    if (deviceContext && glContext) ::makeMenuFont(deviceContext, scale);
}

void* Win32Program::glProcedure(const char* name) {
    const PROC found = wglGetProcAddress(name);
    // Some drivers answer a name they do not know with a small number instead of null.
    const auto value = reinterpret_cast<intptr_t>(found);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<void*>(found);
}

void Win32Program::releaseGLContext() { ::releaseGLContext(mainWindow, deviceContext, glContext); }

void Win32Program::swapBuffers() {
    if (deviceContext) SwapBuffers(deviceContext);
}

ScreenRect Win32Program::clientArea() {
    RECT client{};
    GetClientRect(mainWindow, &client);
    POINT origin{0, 0};
    ClientToScreen(mainWindow, &origin);
    return {origin.x, origin.y, client.right - client.left, client.bottom - client.top};
}

std::vector<ScreenRect> Win32Program::monitors() { return systemMonitors(); }

bool Win32Program::watched() { return audience.watching(mainWindow); }

// Posted, so that the screen saver's close policy sees it.
void Win32Program::closeWindow() { PostMessageA(mainWindow, WM_CLOSE, 0, 0); }

void Win32Program::restartIn(RunMode mode) {
    // The next process opens on the monitor this window is on, once this one has destroyed
    // its window and saved its settings (which record the mode the person is going to).
    RECT r{};
    if (GetWindowRect(mainWindow, &r)) handOverMonitor(life.store(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (!relaunchParameters) std::atexit(relaunchAtExit);
    relaunchParameters = mode == FullScreen ? "/f" : "/w";
}

void Win32Program::setPriority(ProcessPriority priority) {
    static const DWORD classes[] = {IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS};
    SetPriorityClass(GetCurrentProcess(), classes[static_cast<int>(priority)]);
}

void Win32Program::timerFailed() {
    // Nobody could answer a message box in the saver or the preview.
    if (life.runMode != Preview && life.runMode != ScreenSaver)
        MessageBoxA(mainWindow, "Glimmerjar could not start its frame timer, so the lamp cannot move.", "Glimmerjar",
                    MB_OK | MB_ICONSTOP);
}

void Win32Program::openHelp() { helpViewer.open(appInstance, mainWindow, life); }

void Win32Program::openSettings() { configDialog.open(appInstance, mainWindow, mainWindow, life, helpViewer); }

void Win32Program::showAbout() {
    MessageBoxA(mainWindow,
                "Glimmerjar V" GLIMMERJAR_VERSION "\n\nA lava lamp for your screen.\n\nNews, help and new versions: "
                GLIMMERJAR_WEB_SITE_NAME,
                "About", MB_OK | MB_ICONINFORMATION);
}

bool Win32Program::beforeFrame() {
    // A preview whose box went away without telling us (its process was killed) ends too:
    // no preview is ever left running.
    if (life.runMode != Preview) return true;
    switch (previewTick(IsWindow(GetParent(mainWindow)) != FALSE, IsWindow(mainWindow) != FALSE)) {
        case PreviewTick::Draw:
            followPreviewBox(mainWindow, GetParent(mainWindow));
            return true;
        case PreviewTick::DestroyWindow:
            if (!DestroyWindow(mainWindow)) PostQuitMessage(0);
            return false;
        case PreviewTick::EndLoop:
            PostQuitMessage(0);
            return false;
    }
    return true;
}

void Win32Program::afterFrame() {
    // The Configure run shows its dialog at once, beside a lamp that already moves.
    if (life.runMode == Configure && !configShownOnce) {
        configShownOnce = true;
        openSettings();
    }
}

// SetTimer without a window: the system calls the procedure from inside DispatchMessage,
// also in the nested loops of modal dialogs and message boxes.
uint32_t Win32Program::createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) {
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, threadTimerProc);
    if (!id || static_cast<uint32_t>(id) == noThreadTimer) {
        if (id) KillTimer(nullptr, id);
        return noThreadTimer;
    }
    threadTimers[id] = {tick, context};
    return static_cast<uint32_t>(id);
}

void Win32Program::destroyThreadTimer(uint32_t timerId) {
    if (timerId == noThreadTimer) return;
    KillTimer(nullptr, timerId);
    threadTimers.erase(timerId);
}
