// What the lamp reads from the X resource database (the text the X server keeps for its
// clients, as xrdb loads it): the desktop's scale. Pure, so it can be tested without a
// display.
#pragma once

#include <string>

// Window pixels per menu pixel from the "Xft.dpi" resource over 96 (1 without one, or for
// a value that is no sensible DPI). Desktops set it for scaled displays (192 at 200 %).
float pixelScaleFromResources(const std::string& resources);
