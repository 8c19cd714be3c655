// Window title, frame and rectangle per run mode.
#include "shell/window_geometry.h"

#include <algorithm>

WindowPlacement windowPlacementFor(RunMode mode, const ScreenRect& area, int requestedWidth, int requestedHeight,
                                   int parentClientWidth, int parentClientHeight) {
    const int screenWidth = area.width, screenHeight = area.height;
    switch (mode) {
        case Preview:
            return {"Preview", WindowFrame::Child, false, 0, 0, parentClientWidth,
                    parentClientHeight};
        case ScreenSaver:
        case FullScreen:
            return {"Glimmerjar", WindowFrame::Popup, true, area.left, area.top, screenWidth, screenHeight};
        case Configure:
            return {"Glimmerjar", WindowFrame::Overlapped, false, area.left + screenWidth / 2 - 350,
                    area.top + (screenHeight - 500) / 2, 350, 500};
        case Windowed:
            break;
    }
    int width = requestedWidth;
    int height = requestedHeight;
    if (width <= 0 || height <= 0) {
        width = std::min(screenWidth / 3, 533);
        height = std::min(screenHeight / 2, 600);
    }
    return {"Glimmerjar", WindowFrame::Overlapped, false, area.left + (screenWidth - width) / 2,
            area.top + (screenHeight - height) / 2, width, height};
}
