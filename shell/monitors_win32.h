// The desktop's monitors, from Windows.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/monitor_layout.h"

// Every monitor's rectangle, the primary one first (the primary screen alone when the
// system lists none).
std::vector<ScreenRect> systemMonitors();
// The rectangle round every monitor.
ScreenRect virtualScreen();
// The monitor holding the window's centre (the nearest one), the primary one for none.
ScreenRect monitorOfWindow(HWND window);
