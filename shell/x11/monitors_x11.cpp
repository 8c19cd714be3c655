// The X screen's monitors, from Xinerama.
#include "shell/x11/monitors_x11.h"

#include "shell/x11/x11_api_x11.h"

// The monitors of the X screen, the primary (Xinerama's first) first; the whole screen
// when Xinerama is not there.
std::vector<ScreenRect> screenMonitors(Display* display) {
    std::vector<ScreenRect> monitors;
    int count = 0;
    if (XineramaIsActive(display)) {
        if (XineramaScreenInfo* screens = XineramaQueryScreens(display, &count)) {
            for (int i = 0; i < count; ++i)
                monitors.push_back({screens[i].x_org, screens[i].y_org, screens[i].width, screens[i].height});
            XFree(screens);
        }
    }
    if (monitors.empty()) {
        const int screen = DefaultScreen(display);
        monitors.push_back({0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});
    }
    return monitors;
}
