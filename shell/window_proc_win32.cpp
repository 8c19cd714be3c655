// The main window's procedure: life-cycle messages in every mode, keys and characters in
// the modes where the user may play with the lamp.
#include "shell/main_window.h"
#include "settings/run_mode.h"
#include "shell/shell_win32.h"

#include "help/help_viewer_win32.h"
#include "settings/config_dialog_win32.h"
#include "platform/diagnostics.h"
#include "lamp/frame_pipeline.h"
#include "shell/shell_state.h"

namespace {

void handleKeyDown(HWND window, WPARAM key) {
    diag("Got a keydown\n");
    userActive = true;
    if (key == VK_ESCAPE || key == VK_SPACE) requestClose();
    if (key == VK_F1) openHelpDialog(window);
}

void handleCharacter(HWND window, WPARAM character) {
    userActive = true;
    switch (character) {
        case 'f':
        case 'F':
            toggleFullScreen();
            break;
        case 'h':
        case 'H':
            openHelpDialog(window);
            break;
        case 'c':
        case 'C':
            openConfigDialog(window);
            break;
        default:
            break;
    }
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
            if (hasGLContext()) resizeViewport(window);
            break;
        case WM_PAINT:
        case WM_TIMER:
            if (hasGLContext()) renderFrame(false, true, true);
            break;
        case WM_ERASEBKGND:
            // The frame covers the whole client area. Erasing it with the class brush
            // after the paint message drew it would leave a black window wherever frames
            // are paused (behind the help viewer) and flicker everywhere else.
            if (hasGLContext()) return 1;
            break;
        default:
            break;
    }

    if (!isInteractiveMode(runMode)) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            handleKeyDown(window, wParam);
            break;
        case WM_CHAR:
            handleCharacter(window, wParam);
            break;
        case WM_SYSCOMMAND: {
            diag("Got a syscommand\n");
            const WPARAM command = wParam & 0xFFF0;
            if (runMode == ScreenSaver &&
                (command == SC_SCREENSAVE || command == SC_NEXTWINDOW || command == SC_PREVWINDOW))
                return 0;
            break;
        }
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
