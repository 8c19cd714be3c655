// The desktop's monitors, from Windows.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/monitor_layout.h"

class SettingsStore;

// Every monitor's rectangle, the primary one first (the primary screen alone when the
// system lists none).
std::vector<ScreenRect> systemMonitors();
// The rectangle round every monitor.
ScreenRect virtualScreen();
// The monitor holding the window's centre (the nearest one), the primary one for none.
ScreenRect monitorOfWindow(HWND window);
// The work area (the monitor less its task bars) of the monitor the window is on most, and
// of a monitor given by its rectangle.
ScreenRect workAreaOfWindow(HWND window);
ScreenRect workAreaOf(const ScreenRect& monitor);
ScreenRect screenRectOf(const RECT& r);

// Between the two processes of a switch to or from full screen: the point whose monitor
// the next window goes on, kept in the settings store until the next start takes it.
void handOverMonitor(SettingsStore* store, int x, int y);
// The monitor handed over by the last switch (and forgets it); false when there is none.
bool takeHandedOverMonitor(SettingsStore* store, ScreenRect& monitor);
