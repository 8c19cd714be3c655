// The dialog seam on Windows: CheckDlgButton, the trackbar messages, EnableWindow and
// SetDlgItemText on the controls of one dialog.
#include "platform/win32/dialog_port_win32.h"

#include <commctrl.h>

namespace {
LRESULT sendTo(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog, controlId, message, wParam, lParam);
}
}  // namespace

void Win32DialogPort::checkButton(int controlId, bool checked) {
    CheckDlgButton(dialog_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogPort::isButtonChecked(int controlId) {
    return IsDlgButtonChecked(dialog_, controlId) == BST_CHECKED;
}

void Win32DialogPort::setTrackbarRange(int controlId, int minimum, int maximum) {
    sendTo(dialog_, controlId, TBM_SETRANGE, FALSE, MAKELPARAM(minimum & 0xFFFF, maximum & 0xFFFF));
}

void Win32DialogPort::setTrackbarPosition(int controlId, int position) {
    sendTo(dialog_, controlId, TBM_SETPOS, TRUE, position);
}

int Win32DialogPort::trackbarPosition(int controlId) {
    return static_cast<int>(sendTo(dialog_, controlId, TBM_GETPOS, 0, 0));
}

void Win32DialogPort::setTrackbarSteps(int controlId, int lineSize, int pageSize) {
    sendTo(dialog_, controlId, TBM_SETLINESIZE, 0, lineSize);
    sendTo(dialog_, controlId, TBM_SETPAGESIZE, 0, pageSize);
}

void Win32DialogPort::enableControl(int controlId, bool enabled) {
    EnableWindow(GetDlgItem(dialog_, controlId), enabled ? TRUE : FALSE);
}

void Win32DialogPort::setControlText(int controlId, const char* text) {
    SetDlgItemTextA(dialog_, controlId, text);
}
