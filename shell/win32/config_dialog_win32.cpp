// The configuration dialog's window: it hands the controls' messages to the settings
// through the dialog seam and does what the logic in config_dialog.cpp answers.
#include "shell/win32/config_dialog_win32.h"

#include <commctrl.h>

#include "shell/win32/help_viewer_win32.h"
#include "platform/win32/dialog_port_win32.h"
#include "resources/resource_ids.h"
#include "settings/config_dialog.h"
#include "settings/run_mode.h"
#include "settings/settings.h"
#include "shell/main_window.h"
#include "shell/win32/control_fit_win32.h"
#include "shell/win32/monitors_win32.h"
#include "shell/win32/win32_program.h"
#include "shell/window_geometry.h"

namespace {

// A second request while the dialog is open is ignored.
bool configDialogOpen = false;

// The open dialog as the settings see it.
Win32DialogPort* openDialogPort = nullptr;
// The id of the control that sent a message, when it is one of this dialog's.
int senderIdOf(HWND dialog, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    return control && GetParent(control) == dialog ? GetDlgCtrlID(control) : 0;
}

// Beside the lamp, on its monitor, so that every change can be watched as it is made.
void placeBesideTheLamp(HWND dialog) {
    HWND window = program().mainWindow;
    RECT frame{}, lamp{};
    if (!window || !GetWindowRect(dialog, &frame) || !GetWindowRect(window, &lamp)) return;
    const ScreenPoint at = dialogBesideLamp(screenRectOf(lamp), workAreaOfWindow(window), frame.right - frame.left,
                                            frame.bottom - frame.top);
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!theSettings) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            InitCommonControls();
            openDialogPort = new Win32DialogPort(dialog);
            configDialogOpened(*theSettings, openDialogPort);
            fitControlsToText(dialog);
            placeBesideTheLamp(dialog);
            return TRUE;
        case WM_HSCROLL: {
            const bool handled = configDialogScrolled(*theSettings, openDialogPort, senderIdOf(dialog, lParam));
            // A value label may have grown ("1000%").
            if (handled) fitControlsToText(dialog);
            return handled ? TRUE : FALSE;
        }
        case WM_COMMAND: {
            const ConfigCommandResult result = configDialogCommand(
                *theSettings, openDialogPort, LOWORD(wParam), HIWORD(wParam), senderIdOf(dialog, lParam));
            if (result.openHelp) openHelpDialog(dialog);
            if (result.endDialog != 0) {
                EndDialog(dialog, result.endDialog);
                delete openDialogPort;
                openDialogPort = nullptr;
            }
            if (result.handled && result.endDialog == 0) fitControlsToText(dialog);
            return result.handled ? TRUE : FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void openConfigDialog(HWND parent) {
    if (configDialogOpen) return;
    configDialogOpen = true;
    DialogBoxParamA(program().appInstance, MAKEINTRESOURCEA(RES_DIALOG_CONFIGURE), parent, configDialogProc, 0);
    configDialogOpen = false;
    if (runMode == Configure) requestClose();
}
