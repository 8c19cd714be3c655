// Window title, frame and rectangle per run mode.
#include "shell/window_geometry.h"

#include <algorithm>

WindowPlacement windowPlacementFor(RunMode mode, int screenWidth, int screenHeight,
                                   int requestedWidth, int requestedHeight,
                                   int parentClientWidth, int parentClientHeight) {
    switch (mode) {
        case Preview:
            return {"Preview", WindowFrame::Child, false, 0, 0, parentClientWidth,
                    parentClientHeight};
        case ScreenSaver:
        case FullScreen:
            return {"Glimmerjar", WindowFrame::Popup, true, 0, 0, screenWidth, screenHeight};
        case Configure:
            return {"Glimmerjar", WindowFrame::Overlapped, false, screenWidth / 2 - 350,
                    (screenHeight - 500) / 2, 350, 500};
        case Windowed:
            break;
    }
    int width = requestedWidth;
    int height = requestedHeight;
    if (width <= 0 || height <= 0) {
        width = std::min(screenWidth / 3, 533);
        height = std::min(screenHeight / 2, 600);
    }
    return {"Glimmerjar", WindowFrame::Overlapped, false, (screenWidth - width) / 2,
            (screenHeight - height) / 2, width, height};
}
