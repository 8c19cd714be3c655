// The configuration dialog's window: it hands the controls' messages to the settings
// through the dialog seam and does what the logic in config_dialog.cpp answers.
#include "shell/win32/config_dialog_win32.h"

#include <commctrl.h>

#include "lamp/lamp.h"
#include "platform/win32/dialog_port_win32.h"
#include "resources/resource_ids.h"
#include "settings/config_dialog.h"
#include "settings/run_mode.h"
#include "settings/settings.h"
#include "shell/lamp_life.h"
#include "shell/win32/control_fit_win32.h"
#include "shell/win32/help_viewer_win32.h"
#include "shell/win32/monitors_win32.h"
#include "shell/window_geometry.h"

namespace {

// The id of the control that sent a message, when it is one of this dialog's.
int senderIdOf(HWND dialog, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    return control && GetParent(control) == dialog ? GetDlgCtrlID(control) : 0;
}

}  // namespace

// Beside the lamp, on its monitor, so that every change can be watched as it is made.
void ConfigDialog::placeBesideTheLamp(HWND dialog) const {
    RECT frame{}, lamp{};
    if (!lampWindow_ || !GetWindowRect(dialog, &frame) || !GetWindowRect(lampWindow_, &lamp)) return;
    const ScreenPoint at = dialogBesideLamp(screenRectOf(lamp), workAreaOfWindow(lampWindow_),
                                            frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog's owner rides along in its user data.
INT_PTR CALLBACK ConfigDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* owner = reinterpret_cast<ConfigDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return owner ? owner->handle(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR ConfigDialog::handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Lamp* lamp = life_->lamp();
    if (!lamp) return FALSE;
    Settings& settings = *lamp->settings;
    switch (message) {
        case WM_INITDIALOG:
            InitCommonControls();
            port_ = new Win32DialogPort(dialog);
            configDialogOpened(settings, port_);
            fitControlsToText(dialog);
            placeBesideTheLamp(dialog);
            return TRUE;
        case WM_HSCROLL: {
            const bool handled = configDialogScrolled(settings, port_, senderIdOf(dialog, lParam));
            // A value label may have grown ("1000%").
            if (handled) fitControlsToText(dialog);
            return handled ? TRUE : FALSE;
        }
        case WM_COMMAND: {
            const ConfigCommandResult result =
                configDialogCommand(settings, port_, LOWORD(wParam), HIWORD(wParam), senderIdOf(dialog, lParam));
            if (result.openHelp) help_->open(instance_, dialog, *life_);
            if (result.endDialog != 0) {
                EndDialog(dialog, result.endDialog);
                delete port_;
                port_ = nullptr;
            }
            if (result.handled && result.endDialog == 0) fitControlsToText(dialog);
            return result.handled ? TRUE : FALSE;
        }
        default:
            return FALSE;
    }
}

void ConfigDialog::open(HINSTANCE instance, HWND parent, HWND lampWindow, LampLife& life, HelpViewer& help) {
    if (open_) return;
    open_ = true;
    instance_ = instance;
    lampWindow_ = lampWindow;
    life_ = &life;
    help_ = &help;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(RES_DIALOG_CONFIGURE), parent, dialogProc, reinterpret_cast<LPARAM>(this));
    open_ = false;
    if (life.runMode == Configure) life.requestClose();
}
