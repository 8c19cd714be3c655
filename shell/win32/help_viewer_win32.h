// The help viewer: the manual in a resizable modal dialog, with a link to the web site.
#pragma once

#include <windows.h>

#include "settings/run_mode.h"

class LampLife;
struct HelpOleSupport;

class HelpViewer {
public:
    // Shows the manual over parent and returns when the person closes it; the lamp's
    // frames stand still meanwhile. The rich-edit library is loaded at the first opening
    // and kept; if it cannot be loaded the person is told and nothing else happens.
    void open(HINSTANCE instance, HWND parent, LampLife& life);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void openWebSite(HWND dialog) const;

    bool richEditLibraryLoaded_ = false;
    HelpOleSupport* ole_ = nullptr;  // while the dialog is open
    HCURSOR handCursor_ = nullptr;
    RunMode runMode_ = Windowed;
};
