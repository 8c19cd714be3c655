// The X screen's monitors, from Xinerama.
#pragma once

#include <vector>

#include "shell/monitor_layout.h"

typedef struct _XDisplay Display;

// The monitors of the X screen, the primary (Xinerama's first) first; the whole screen
// when Xinerama is not there.
std::vector<ScreenRect> screenMonitors(Display* display);
