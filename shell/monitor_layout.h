// Monitors in, lamp viewports out: where a window that covers part of the desktop draws a
// lamp for each monitor. Screen coordinates grow right and down and may be negative (a
// monitor left of or above the primary one).
#pragma once

#include <cstddef>
#include <vector>

#include "lamp/lamp_viewports.h"

struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The smallest rectangle round all the monitors (the virtual screen); empty for none.
ScreenRect boundingRect(const std::vector<ScreenRect>& monitors);

// The monitor that holds the point (the smallest, where monitors overlap), else the
// nearest one; 0 for an empty list.
size_t monitorHolding(const std::vector<ScreenRect>& monitors, int x, int y);

// For a window whose client area covers `client` (screen coordinates): each monitor's part
// of it as an OpenGL viewport (origin at the client area's bottom left), in the monitors'
// order. Monitors that the window does not reach give no viewport.
std::vector<LampViewport> lampViewportsFor(const ScreenRect& client, const std::vector<ScreenRect>& monitors);

// The screen saver's viewports: a lamp per monitor the window covers, or none (one lamp
// over the whole window) when a single monitor's part is the whole client area.
std::vector<LampViewport> saverViewportsFor(const ScreenRect& client, const std::vector<ScreenRect>& monitors);
