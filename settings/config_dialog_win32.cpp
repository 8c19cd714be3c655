// The configuration dialog's window: it hands the controls' messages to the settings
// through the dialog seam and does what the logic in config_dialog.cpp answers.
#include "settings/config_dialog_win32.h"

#include <commctrl.h>

#include "help/help_viewer_win32.h"
#include "platform/win32/dialog_port_win32.h"
#include "resources/resource_ids.h"
#include "settings/config_dialog.h"
#include "settings/run_mode.h"
#include "settings/settings.h"
#include "shell/main_window.h"
#include "shell/shell_win32.h"

namespace {

// A second request while the dialog is open is ignored.
bool configDialogOpen = false;

// The open dialog as the settings see it.
Win32DialogPort* openDialogPort = nullptr;
// A smaller font for the note, when the dialog font does not fit it into its lines.
HFONT noteFont = nullptr;

// The note below the settings has room for three lines. A dialog font wider than the one
// the dialog was laid out with (as on some systems) needs four: then the note gets the
// largest smaller size that fits, rather than losing its last line.
void fitTheNote(HWND dialog) {
    HWND note = GetDlgItem(dialog, IDC_CONFIG_NOTE);
    RECT area{};
    char text[512] = "";
    LOGFONTA base{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!note || !dialogFont || !GetClientRect(note, &area) || !GetWindowTextA(note, text, sizeof text) ||
        !GetObjectA(dialogFont, sizeof base, &base))
        return;
    HDC dc = GetDC(note);
    const int fullHeight = base.lfHeight < 0 ? -base.lfHeight : base.lfHeight;
    for (int height = fullHeight; height >= 8; --height) {
        LOGFONTA smaller = base;
        smaller.lfHeight = -height;
        HFONT font = height == fullHeight ? dialogFont : CreateFontIndirectA(&smaller);
        HGDIOBJ previous = SelectObject(dc, font);
        RECT needed{0, 0, area.right, 0};
        DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        SelectObject(dc, previous);
        if (needed.bottom <= area.bottom) {
            if (font != dialogFont) {
                noteFont = font;
                SendMessageA(note, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            }
            break;
        }
        if (font != dialogFont) DeleteObject(font);
    }
    ReleaseDC(note, dc);
}

// The id of the control that sent a message, when it is one of this dialog's.
int senderIdOf(HWND dialog, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    return control && GetParent(control) == dialog ? GetDlgCtrlID(control) : 0;
}

void placeBesideTheLamp(HWND dialog) {
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const DialogPosition position = configureModeDialogPosition(
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), frame.bottom - frame.top);
    SetWindowPos(dialog, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!theSettings) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            InitCommonControls();
            openDialogPort = new Win32DialogPort(dialog);
            configDialogOpened(*theSettings, openDialogPort);
            fitTheNote(dialog);
            if (runMode == Configure) placeBesideTheLamp(dialog);
            return TRUE;
        case WM_HSCROLL:
            return configDialogScrolled(*theSettings, openDialogPort, senderIdOf(dialog, lParam)) ? TRUE : FALSE;
        case WM_COMMAND: {
            const ConfigCommandResult result = configDialogCommand(
                *theSettings, openDialogPort, LOWORD(wParam), HIWORD(wParam), senderIdOf(dialog, lParam));
            if (result.openHelp) openHelpDialog(dialog);
            if (result.endDialog != 0) {
                EndDialog(dialog, result.endDialog);
                delete openDialogPort;
                openDialogPort = nullptr;
                if (noteFont) DeleteObject(noteFont);
                noteFont = nullptr;
            }
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
    DialogBoxParamA(appInstance, MAKEINTRESOURCEA(RES_DIALOG_CONFIGURE), parent, configDialogProc, 0);
    configDialogOpen = false;
    if (runMode == Configure) requestClose();
}
