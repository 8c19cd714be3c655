// Fitting a dialog's controls to their text: measures each control's text in the font it
// is drawn in and hands the sizes to fitToText.
#include "shell/win32/control_fit_win32.h"

#include <vector>

#include "shell/control_fit.h"

namespace {

bool isCheckBox(LONG style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return true;
        default:
            return false;
    }
}

// What a control's text needs, in `fitted`: a width for one line, a height for a
// word-wrapped label; neither for group boxes and controls of other classes.
void measure(HWND control, FittedControl& fitted) {
    char className[32] = "", text[512] = "";
    GetClassNameA(control, className, sizeof className);
    const int length = GetWindowTextA(control, text, sizeof text);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const bool button = lstrcmpiA(className, "Button") == 0, label = lstrcmpiA(className, "Static") == 0;
    if (length <= 0 || !(button || label)) return;
    const LONG buttonType = style & BS_TYPEMASK;
    if (button && !isCheckBox(style) && buttonType != BS_PUSHBUTTON && buttonType != BS_DEFPUSHBUTTON) return;
    const LONG labelType = style & SS_TYPEMASK;
    if (label && labelType != SS_LEFTNOWORDWRAP && labelType != SS_SIMPLE && labelType != SS_LEFT &&
        labelType != SS_CENTER && labelType != SS_RIGHT)
        return;

    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const bool wrapped = label && labelType != SS_LEFTNOWORDWRAP && labelType != SS_SIMPLE &&
                         fitted.height >= 2 * metrics.tmHeight;
    // Room a check box's box and gap take, or a push button's edges.
    const int extra = isCheckBox(style) ? GetSystemMetrics(SM_CXMENUCHECK) + 8
                      : button          ? 4 * GetSystemMetrics(SM_CXEDGE) + 4
                                        : 0;
    RECT needed{0, 0, wrapped ? fitted.width : 0, 0};
    DrawTextA(dc, text, length, &needed, DT_CALCRECT | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (wrapped)
        fitted.neededHeight = needed.bottom;
    else
        fitted.neededWidth = needed.right + extra;
}

}  // namespace

void fitControlsToText(HWND dialog) {
    std::vector<HWND> windows;
    std::vector<FittedControl> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        FittedControl fitted{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0};
        measure(child, fitted);
        windows.push_back(child);
        controls.push_back(fitted);
    }
    const std::vector<FittedControl> before = controls;
    RECT client{};
    GetClientRect(dialog, &client);
    // The right margin the configuration dialog was designed with, in dialog units.
    RECT margin{0, 0, 7, 0};
    MapDialogRect(dialog, &margin);
    const ClientSize size = fitToText(controls, {client.right, client.bottom}, margin.right);
    for (size_t n = 0; n < controls.size(); ++n) {
        const FittedControl &now = controls[n], &was = before[n];
        if (now.top != was.top || now.width != was.width || now.height != was.height)
            SetWindowPos(windows[n], nullptr, now.left, now.top, now.width, now.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (size.width == client.right && size.height == client.bottom) return;
    RECT frame{};
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + size.width - client.right,
                 frame.bottom - frame.top + size.height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
