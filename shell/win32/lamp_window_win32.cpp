// The lamp's window: its class, its form per run mode, the message loop, and what the
// window's birth and end and the system's messages about it hand the lamp's life.
#include "shell/win32/lamp_window_win32.h"

#include "platform/diagnostics.h"
#include "settings/run_mode.h"
#include "shell/close_policy.h"
#include "shell/lamp_life.h"
#include "shell/window_geometry.h"
#include "shell/win32/monitors_win32.h"
#include "shell/win32/password_hooks_win32.h"
#include "shell/win32/win32_program.h"

namespace {

const char* const windowClassName = "WindowsScreenSaverClass";
// A window property that marks a lamp running as the screen saver. Every lamp window has
// the same class and title; only a running saver keeps another saver from starting, a lamp
// open as a window or full screen never does.
const char* const screenSaverMark = "Glimmerjar.ScreenSaver";

BOOL CALLBACK findScreenSaver(HWND window, LPARAM found) {
    char className[64] = "", title[64] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(className, windowClassName) != 0 || lstrcmpA(title, "Glimmerjar") != 0 ||
        !GetPropA(window, screenSaverMark))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND runningScreenSaver() {
    HWND found = nullptr;
    EnumWindows(findScreenSaver, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Dialogs of this program (configuration, help, message boxes' owners) show the program
// icon: the system dialog class is registered again, locally, with that icon.
void giveDialogsTheProgramIcon() {
    WNDCLASSEXA dialogClass{};
    dialogClass.cbSize = sizeof dialogClass;
    if (!GetClassInfoExA(nullptr, "#32770", &dialogClass)) return;
    dialogClass.hIcon = programIcon();
    dialogClass.hIconSm = nullptr;
    dialogClass.hInstance = program().appInstance;
    if (!RegisterClassExA(&dialogClass)) diag("Error changing default dialog icon\n");
}

DWORD styleFor(WindowFrame frame) {
    switch (frame) {
        case WindowFrame::Child:
            return WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        case WindowFrame::Popup:
            return WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        case WindowFrame::Overlapped:
            break;
    }
    return WS_OVERLAPPEDWINDOW | WS_VISIBLE;
}

}  // namespace

HWND openLampWindow(HWND parent, int width, int height, WNDPROC procedure, int& exitCode) {
    Win32Program& p = program();
    const RunMode runMode = p.life.runMode;
    exitCode = -1;
    giveDialogsTheProgramIcon();

    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = p.appInstance;
    windowClass.hIcon = programIcon();
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = windowClassName;

    RECT parentClient{};
    if (runMode == Preview && parent) GetClientRect(parent, &parentClient);
    // The saver covers every monitor. After a switch to or from full screen the lamp stays on
    // the monitor it was on; otherwise full screen takes the primary monitor, and a window
    // the monitor of the window in front (the one the user is looking at).
    ScreenRect area;
    if (runMode == ScreenSaver)
        area = virtualScreen();
    else if (!((runMode == FullScreen || runMode == Windowed) && takeHandedOverMonitor(p.life.store(), area)))
        area = runMode == FullScreen ? systemMonitors().front() : monitorOfWindow(GetForegroundWindow());
    // A window stays clear of the task bars, the title bar on the screen.
    if (runMode == Windowed) area = workAreaOf(area);
    const WindowPlacement placement =
        windowPlacementFor(runMode, area, width, height, parentClient.right - parentClient.left,
                           parentClient.bottom - parentClient.top);

    if (runMode == ScreenSaver) {
        if (HWND running = runningScreenSaver()) {
            SetForegroundWindow(running);
            exitCode = 0;
            return nullptr;
        }
    }

    if (!RegisterClassA(&windowClass)) return nullptr;

    HWND window = CreateWindowExA(placement.topmost ? WS_EX_TOPMOST : 0, windowClassName,
                                  placement.title, styleFor(placement.frame), placement.x,
                                  placement.y, placement.width, placement.height, parent,
                                  nullptr, p.appInstance, nullptr);
    if (!window) return nullptr;
    SetForegroundWindow(window);
    return window;
}

int runEventLoop() {
    const RunMode runMode = program().life.runMode;
    BOOL previous = FALSE;
    if (runMode == ScreenSaver) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, &previous, 0);

    MSG message{};
    int exitCode = 0;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (got == -1) {  // the loop itself failed: end with an error, not a stale code
            diagError("GetMessage failed (error %lu)\n", static_cast<unsigned long>(GetLastError()));
            exitCode = -1;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    if (runMode == ScreenSaver) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &previous, 0);
    return exitCode;
}

void runCreationSequence(HWND window) {
    Win32Program& p = program();
    p.mainWindow = window;
    // Marked first, so that a saver started while this one sets up already finds it.
    if (p.life.runMode == ScreenSaver) SetPropA(window, screenSaverMark, reinterpret_cast<HANDLE>(1));
    p.audience.reset();
    p.audience.listen(window);
    p.life.start();
}

void runDestructionSequence() {
    Win32Program& p = program();
    RemovePropA(p.mainWindow, screenSaverMark);
    p.audience.reset();
    p.life.end();
    PostQuitMessage(0);
}

void dpiChanged(HWND window, unsigned dpi, const RECT& suggested) {
    diag("DPI now %u\n", dpi);
    program().life.setPixelScale(dpi ? static_cast<float>(dpi) / 96.0f : 1.0f);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void powerSettingChanged(const POWERBROADCAST_SETTING& setting) { program().audience.powerSettingChanged(setting); }

bool shouldBlockClose(HWND window) {
    const LampLife& life = program().life;
    return shouldBlockClose(life.runMode, life.closeRequested, [window] { return verifyScreenSaverPassword(window); });
}
