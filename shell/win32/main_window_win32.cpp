// The main window: its class, its form per run mode, the message loop, and the creation
// and destruction sequences that build and save the program's long-lived objects.
#include "shell/win32/shell_win32.h"

#include <cstring>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "resources/resource_ids.h"
#include "shell/win32/help_viewer_win32.h"
#include "lamp/capture.h"
#include "lamp/frame_pipeline.h"
#include "overlay/overlay_menu.h"
#include "resources/web_site.h"
#include "shell/win32/pointer_win32.h"
#include "lamp/lamp_startup.h"
#include "lamp/lava_state.h"
#include "lamp/setting_effects.h"
#include "shell/win32/config_dialog_win32.h"
#include "settings/frame_rates.h"
#include "settings/registry_values.h"
#include "settings/settings.h"
#include "shell/close_policy.h"
#include "shell/frame_timer.h"
#include "shell/input_actions.h"
#include "shell/main_window.h"
#include "shell/win32/monitors_win32.h"
#include "settings/run_mode.h"
#include "shell/shell_state.h"
#include "shell/tick_reporter.h"
#include "shell/window_geometry.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;

HCURSOR blankCursor = nullptr;
HCURSOR arrowCursor = nullptr;
HCURSOR moveCursor = nullptr;
HCURSOR rotateCursor = nullptr;
HCURSOR orbitCursor = nullptr;
HCURSOR handCursor = nullptr;

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

// Whether anyone can see frames: not while the system reports the display off (it tells
// windows that registered for the console display state), nor while the window is
// minimised or has no client area. The frame timer keeps ticking meanwhile, but the lamp
// neither moves nor draws, and goes on where it was when it is seen again.
class FrameAudience {
public:
    void reset() {
        displayOn = true;
        if (notification) UnregisterPowerSettingNotification(notification);
        notification = nullptr;
    }
    void listen(HWND window) { notification = RegisterPowerSettingNotification(window, &consoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE); }
    void powerSettingChanged(const POWERBROADCAST_SETTING& setting) {
        if (!IsEqualGUID(setting.PowerSetting, consoleDisplayState) || setting.DataLength < sizeof(DWORD)) return;
        DWORD state = 0;
        std::memcpy(&state, setting.Data, sizeof state);
        displayOn = state != 0;  // 0 off, 1 on, 2 dimmed (still shown)
        diag("Display %s\n", displayOn ? "on" : "off");
    }
    bool watching(HWND window) const {
        if (!displayOn || IsIconic(window)) return false;
        RECT client{};
        return GetClientRect(window, &client) && client.right > client.left && client.bottom > client.top;
    }

private:
    // GUID_CONSOLE_DISPLAY_STATE.
    static constexpr GUID consoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
    bool displayOn = true;
    HPOWERNOTIFY notification = nullptr;
};

FrameAudience audience;

// A preview fills its box's client area, also after the box changes size.
void followPreviewBox(HWND box) {
    RECT client{}, own{};
    if (!GetClientRect(box, &client) || !GetClientRect(mainWindow, &own)) return;
    if (client.right == own.right && client.bottom == own.bottom) return;
    SetWindowPos(mainWindow, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
constexpr UINT frameTimerStartMs = 35;
// Ticks between two lines of the frame timer's rate diagnostic.
constexpr int tickReportPeriod = 25;

HICON programIcon() { return LoadIconA(appInstance, MAKEINTRESOURCEA(RES_ICON_PROGRAM)); }

// Dialogs of this program (configuration, help, message boxes' owners) show the program
// icon: the system dialog class is registered again, locally, with that icon.
void giveDialogsTheProgramIcon() {
    WNDCLASSEXA dialogClass{};
    dialogClass.cbSize = sizeof dialogClass;
    if (!GetClassInfoExA(nullptr, "#32770", &dialogClass)) return;
    dialogClass.hIcon = programIcon();
    dialogClass.hIconSm = nullptr;
    dialogClass.hInstance = appInstance;
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

HCURSOR programCursor(int id) { return LoadCursorA(appInstance, MAKEINTRESOURCEA(id)); }

// The settings' effects on what the shell owns: the frame timer and the process.
void applyFrameRate(DialogPort*, int index) {
    if (frameTimer) frameTimer->setInterval(frameIntervalMs(index));
}

void applyPriority(DialogPort*, int value) {
    static const DWORD classes[] = {IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS};
    SetPriorityClass(GetCurrentProcess(), classes[static_cast<int>(processPriorityFor(value))]);
}

SettingEffects programSettingEffects() {
    SettingEffects effects = lampSettingEffects();
    effects.frameRate = applyFrameRate;
    effects.priority = applyPriority;
    return effects;
}

HWND windowOf(WindowRef window) { return static_cast<HWND>(window); }

void showAbout(WindowRef window) {
    MessageBoxA(windowOf(window),
                "Glimmerjar V1.0\n\nA lava lamp for your screen.\n\nNews, help and new versions: "
                GLIMMERJAR_WEB_SITE_NAME,
                "About", MB_OK | MB_ICONINFORMATION);
}

MenuActions menuActions() {
    MenuActions actions;
    actions.help = [](WindowRef window) { openHelpDialog(windowOf(window)); };
    actions.snapshot = [](WindowRef) { takeScreenshotAndSay(); };
    actions.configure = [](WindowRef window) { openConfigDialog(windowOf(window)); };
    actions.screenMode = [](WindowRef) { toggleFullScreen(); };
    actions.exit = [](WindowRef) { requestClose(); };
    actions.about = showAbout;
    return actions;
}

void onFrameTimer(FrameTimer&) {
    // A preview whose box went away without telling us (its process was killed) ends too:
    // no preview is ever left running.
    if (runMode == Preview) {
        switch (previewTick(IsWindow(GetParent(mainWindow)) != FALSE, IsWindow(mainWindow) != FALSE)) {
            case PreviewTick::Draw:
                followPreviewBox(GetParent(mainWindow));
                break;
            case PreviewTick::DestroyWindow:
                if (!DestroyWindow(mainWindow)) PostQuitMessage(0);
                return;
            case PreviewTick::EndLoop:
                PostQuitMessage(0);
                return;
        }
    }
    if (glReady && audience.watching(mainWindow)) pipeline().renderFrame(pipeline().animate, true, true);
    // The Configure run shows its dialog at once, beside a lamp that already moves.
    if (runMode == Configure && !configShownOnce) {
        configShownOnce = true;
        openConfigDialog(mainWindow);
    }
}

}  // namespace

int runMainWindow(HWND parent, int width, int height) {
    giveDialogsTheProgramIcon();

    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = appInstance;
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
    else if (!((runMode == FullScreen || runMode == Windowed) && takeHandedOverMonitor(area)))
        area = runMode == FullScreen ? systemMonitors().front() : monitorOfWindow(GetForegroundWindow());
    // A window stays clear of the task bars, the title bar on the screen.
    if (runMode == Windowed) area = workAreaOf(area);
    const WindowPlacement placement =
        windowPlacementFor(runMode, area, width, height, parentClient.right - parentClient.left,
                           parentClient.bottom - parentClient.top);

    if (runMode == ScreenSaver) {
        if (HWND running = runningScreenSaver()) {
            SetForegroundWindow(running);
            return 0;
        }
    }

    if (!RegisterClassA(&windowClass)) return -1;

    HWND window = CreateWindowExA(placement.topmost ? WS_EX_TOPMOST : 0, windowClassName,
                                  placement.title, styleFor(placement.frame), placement.x,
                                  placement.y, placement.width, placement.height, parent,
                                  nullptr, appInstance, nullptr);
    if (!window) return -1;
    SetForegroundWindow(window);

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
    mainWindow = window;
    // Marked first, so that a saver started while this one sets up already finds it.
    if (runMode == ScreenSaver) SetPropA(window, screenSaverMark, reinterpret_cast<HANDLE>(1));
    audience.reset();
    audience.listen(window);
    createLampScene(0);
    overlayMenu = new OverlayMenu(runMode, windowsPointer(), menuActions());
    // The menu keeps its physical size on every display: 96 DPI is the menu's own size.
    overlayMenu->setPixelScale(static_cast<float>(GetDpiForWindow(window)) / 96.0f);
    openSettingsKey();
    frameTimer = new FrameTimer(frameTimerStartMs);

    blankCursor = programCursor(RES_CURSOR_BLANK);
    arrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    moveCursor = programCursor(RES_CURSOR_MOVE);
    rotateCursor = programCursor(RES_CURSOR_ROTATE);
    orbitCursor = programCursor(RES_CURSOR_ORBIT);
    handCursor = programCursor(RES_CURSOR_HAND);

    // Every setting's default, then its stored value: each runs its effect, the frame
    // period among them, so the first frame already uses the stored rate.
    createSettings(runMode, programSettingEffects()).loadAll();

    setupGL(window);
    glReady = true;
    if (!theSettings->resumeFromLastPos.value() || !restoreLavaState()) warmUpLava();

    frameTimer->addFunction(onFrameTimer);
    // Lives as long as the timer; reached only through its listener list.
    frameTimer->addListener(new TickReporter(tickReportPeriod, clockMs));
    if (!frameTimer->start()) {
        // Without a timer no frame is ever drawn: say so where someone can see it, and end.
        if (runMode != Preview && runMode != ScreenSaver)
            MessageBoxA(window, "Glimmerjar could not start its frame timer, so the lamp cannot move.",
                        "Glimmerjar", MB_OK | MB_ICONSTOP);
        requestClose();
    }
}

void runDestructionSequence() {
    RemovePropA(mainWindow, screenSaverMark);
    audience.reset();
    saveLavaState();
    theSettings->saveAll();
    glReady = false;
    teardownGL(mainWindow);
    PostQuitMessage(0);
}

void dpiChanged(HWND window, unsigned dpi, const RECT& suggested) {
    const float scale = dpi ? static_cast<float>(dpi) / 96.0f : 1.0f;
    diag("DPI now %u\n", dpi);
    if (overlayMenu) overlayMenu->setPixelScale(scale);
    rebuildOverlayFont(overlayMenu ? overlayMenu->pixelScale() : 1.0f);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void powerSettingChanged(const POWERBROADCAST_SETTING& setting) { audience.powerSettingChanged(setting); }

bool shouldBlockClose(HWND window) {
    return shouldBlockClose(runMode, closeRequested,
                            [window] { return verifyScreenSaverPassword(window); });
}

void requestClose() {
    closeRequested = true;
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
}
