// Window title, frame and rectangle per run mode.
#include "shell/window_geometry.h"

#include <algorithm>
#include <climits>

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
    width = std::min(std::max(width, smallestWindowSide), screenWidth);
    height = std::min(std::max(height, smallestWindowSide), screenHeight);
    return {"Glimmerjar", WindowFrame::Overlapped, false, area.left + (screenWidth - width) / 2,
            area.top + (screenHeight - height) / 2, width, height};
}

bool parseWindowSize(const char* text, int& width, int& height) {
    const auto number = [](const char*& at, int& value) {
        if (*at < '0' || *at > '9') return false;
        long long n = 0;
        for (; *at >= '0' && *at <= '9'; ++at) {
            n = n * 10 + (*at - '0');
            if (n > INT_MAX) return false;
        }
        value = static_cast<int>(n);
        return value > 0;
    };
    const char* at = text;
    while (*at == ' ' || *at == '\t') ++at;
    int w = 0, h = 0;
    if (!number(at, w) || (*at != 'x' && *at != 'X')) return false;
    ++at;
    if (!number(at, h)) return false;
    while (*at == ' ' || *at == '\t') ++at;
    if (*at != '\0') return false;
    width = w;
    height = h;
    return true;
}

namespace {

constexpr int dialogGap = 8;

// The start of a span of `size` as near `wanted` as the span [low, low + room) allows; the
// low end when it cannot fit.
int clampSpan(int wanted, int size, int low, int room) { return std::max(low, std::min(wanted, low + room - size)); }

bool inside(const ScreenRect& r, const ScreenRect& area) {
    return r.left >= area.left && r.top >= area.top && r.right() <= area.right() && r.bottom() <= area.bottom();
}

long long overlap(const ScreenRect& a, const ScreenRect& b) {
    const long long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

ScreenPoint dialogBesideLamp(const ScreenRect& lamp, const ScreenRect& workArea, int dialogWidth, int dialogHeight) {
    const ScreenRect& area = workArea;
    const int levelY = clampSpan(lamp.top + (lamp.height - dialogHeight) / 2, dialogHeight, area.top, area.height);
    const int levelX = clampSpan(lamp.left + (lamp.width - dialogWidth) / 2, dialogWidth, area.left, area.width);
    const ScreenPoint beside[] = {
        {lamp.right() + dialogGap, levelY},
        {lamp.left - dialogGap - dialogWidth, levelY},
        {levelX, lamp.bottom() + dialogGap},
        {levelX, lamp.top - dialogGap - dialogHeight},
    };
    for (const ScreenPoint& p : beside)
        if (inside({p.x, p.y, dialogWidth, dialogHeight}, area)) return p;
    const ScreenPoint right{clampSpan(area.right() - dialogWidth, dialogWidth, area.left, area.width), levelY};
    const ScreenPoint left{area.left, levelY};
    return overlap({left.x, left.y, dialogWidth, dialogHeight}, lamp) <
                   overlap({right.x, right.y, dialogWidth, dialogHeight}, lamp)
               ? left
               : right;
}
