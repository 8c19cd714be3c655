// The configuration dialog (resource 7001) as a modal dialog of the program.
#pragma once

#include <windows.h>

class HelpViewer;
class LampLife;
class Win32DialogPort;

class ConfigDialog {
public:
    // Shows the dialog over parent, beside the lamp's window, on the lamp's settings,
    // unless it is already open; its Help button opens `help`. In the Configure run the
    // program ends when the dialog closes.
    void open(HINSTANCE instance, HWND parent, HWND lampWindow, LampLife& life, HelpViewer& help);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void placeBesideTheLamp(HWND dialog) const;

    bool open_ = false;
    Win32DialogPort* port_ = nullptr;  // the open dialog as the settings see it
    HINSTANCE instance_ = nullptr;
    HWND lampWindow_ = nullptr;
    LampLife* life_ = nullptr;
    HelpViewer* help_ = nullptr;
};
