// The lamp window's procedure: life-cycle messages in every mode; keys, characters and the
// mouse in the modes where the user may play with the lamp (in Preview and Configure every
// other message goes to the default procedure).
#include "shell/win32/window_proc_win32.h"

#include "lamp/lamp.h"
#include "platform/diagnostics.h"
#include "resources/end_request.h"
#include "settings/run_mode.h"
#include "settings/view_operations.h"
#include "shell/input_actions.h"
#include "shell/lamp_life.h"
#include "shell/win32/lamp_window_win32.h"
#include "shell/win32/monitors_win32.h"
#include "shell/win32/win32_program.h"
#include "shell/window_geometry.h"

namespace {

// A key counts as down when its asynchronous state has any bit but the lowest.
bool down(int virtualKey) { return (GetAsyncKeyState(virtualKey) & ~1) != 0; }

Key keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_LEFT:
            return Key::Left;
        case VK_RIGHT:
            return Key::Right;
        case VK_UP:
            return Key::Up;
        case VK_DOWN:
            return Key::Down;
        case VK_ESCAPE:
            return Key::Escape;
        case VK_SPACE:
            return Key::Space;
        case VK_PAUSE:
            return Key::Pause;
        case 'M':
            return Key::M;
        case VK_F1:
            return Key::F1;
        default:
            return Key::Other;
    }
}

void handleKeyDown(LampLife& life, WPARAM virtualKey) {
    diag("Got a keydown\n");
    Modifiers modifiers;
    modifiers.ctrl = down(VK_CONTROL);
    modifiers.shift = down(VK_SHIFT);
    modifiers.leftAlt = down(VK_LMENU);
    runKeyCommand(life, keyCommand(keyOf(virtualKey), modifiers));
}

void handleCharacter(LampLife& life, WPARAM character) {
    runCharacterCommand(life, characterCommand(static_cast<unsigned>(character)));
}

// Positions are the parameter's low and high words read as unsigned: outside a captured
// window negative coordinates arrive as large ones, which the drag filter ignores.
void mouse(LampLife& life, HWND window, LPARAM lParam, MouseEvent event) {
    life.mouse(window, static_cast<float>(LOWORD(lParam)), static_cast<float>(HIWORD(lParam)), event);
}

MouseEvent buttonEvent(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return MouseEvent::LeftDown;
        case WM_MBUTTONDOWN:
            return MouseEvent::MiddleDown;
        case WM_RBUTTONDOWN:
            return MouseEvent::RightDown;
        case WM_LBUTTONUP:
            return MouseEvent::LeftUp;
        case WM_MBUTTONUP:
            return MouseEvent::MiddleUp;
        default:
            return MouseEvent::RightUp;
    }
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Program& p = program();
    LampLife& life = p.life;
    const RunMode runMode = life.runMode;
    static const UINT endRequest = RegisterWindowMessageA(GLIMMERJAR_END_REQUEST);
    if (message == endRequest && endRequest != 0) {
        if (wParam == 1) {
            // A dialog or message box of the lamp's goes first, as its Cancel would close it;
            // the close posted after it is handled once it is gone.
            HWND popup = GetLastActivePopup(window);
            if (popup && popup != window) PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);
            life.requestClose();
        }
        return GLIMMERJAR_END_ANSWER;
    }
    switch (message) {
        case WM_GETMINMAXINFO:
            // A window a person resizes keeps the lamp in sight.
            if (runMode == Windowed && lParam)
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallestWindowSide, smallestWindowSide};
            break;
        case WM_CREATE:
            runCreationSequence(window);
            break;
        case WM_DESTROY:
            runDestructionSequence();
            break;
        case WM_CLOSE:
            if (shouldBlockClose(window)) return 0;
            break;
        case WM_SIZE:
            life.resizeViewports();
            break;
        case WM_DISPLAYCHANGE:
            // Monitors came, went or changed: the saver covers them all again.
            if (runMode == ScreenSaver) {
                const ScreenRect screen = virtualScreen();
                SetWindowPos(window, nullptr, screen.left, screen.top, screen.width, screen.height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                life.resizeViewports();
            }
            break;
        case WM_DPICHANGED:
            if (lParam) dpiChanged(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_POWERSETTINGCHANGE && lParam)
                powerSettingChanged(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
            return TRUE;
        case WM_PAINT:
        case WM_TIMER:
            life.paint();
            break;
        case WM_ERASEBKGND:
            // The frame covers the whole client area. Erasing it with the class brush
            // after the paint message drew it would leave a black window wherever frames
            // are paused (behind the help viewer) and flicker everywhere else.
            if (p.glContext) return 1;
            break;
        default:
            break;
    }

    if (!isInteractiveMode(runMode)) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            handleKeyDown(life, wParam);
            break;
        case WM_CHAR:
            handleCharacter(life, wParam);
            break;
        case WM_SYSCOMMAND: {
            diag("Got a syscommand\n");
            const WPARAM command = wParam & 0xFFF0;
            if (runMode == ScreenSaver &&
                (command == SC_SCREENSAVE || command == SC_NEXTWINDOW || command == SC_PREVWINDOW))
                return 0;
            break;
        }
        case WM_MOUSEMOVE:
            mouse(life, window, lParam, MouseEvent::Move);
            if (!p.leavePending) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = window;
                TrackMouseEvent(&track);
                p.leavePending = true;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            mouse(life, window, lParam, buttonEvent(message));
            if (GetCapture() != window) SetCapture(window);
            diag("Button Down\n");
            break;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
        case WM_RBUTTONUP:
            mouse(life, window, lParam, buttonEvent(message));
            if (!down(VK_LBUTTON) && !down(VK_MBUTTON) && !down(VK_RBUTTON)) ReleaseCapture();
            break;
        case WM_MOUSEWHEEL:
            if (Lamp* lamp = life.lamp()) turnWheel(*lamp->settings, static_cast<short>(HIWORD(wParam)));
            break;
        case WM_CAPTURECHANGED:
            life.mouse(window, -1, -1, MouseEvent::CaptureChanged);
            break;
        case WM_MOUSELEAVE:
            life.mouse(window, -1, -1, MouseEvent::Leave);
            p.leavePending = false;
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
