// The monitors' rectangles and the lamp's viewports.
#include "shell/monitor_layout.h"

#include <algorithm>
#include <climits>

ScreenRect boundingRect(const std::vector<ScreenRect>& monitors) {
    if (monitors.empty()) return {};
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const ScreenRect& m : monitors) {
        left = std::min(left, m.left);
        top = std::min(top, m.top);
        right = std::max(right, m.right());
        bottom = std::max(bottom, m.bottom());
    }
    return {left, top, right - left, bottom - top};
}

size_t monitorHolding(const std::vector<ScreenRect>& monitors, int x, int y) {
    size_t best = 0;
    long long bestDistance = -1, bestArea = 0;
    for (size_t n = 0; n < monitors.size(); ++n) {
        const ScreenRect& m = monitors[n];
        // How far the point lies outside the monitor along each axis (0 inside).
        const long long dx = x < m.left ? m.left - x : x >= m.right() ? x - m.right() + 1 : 0;
        const long long dy = y < m.top ? m.top - y : y >= m.bottom() ? y - m.bottom() + 1 : 0;
        const long long distance = dx * dx + dy * dy;
        const long long area = static_cast<long long>(m.width) * m.height;
        // Of monitors that overlap (a display cloned onto a smaller one), the smaller.
        if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && area < bestArea)) {
            best = n;
            bestDistance = distance;
            bestArea = area;
        }
    }
    return best;
}

std::vector<LampViewport> lampViewportsFor(const ScreenRect& client, const std::vector<ScreenRect>& monitors) {
    std::vector<LampViewport> viewports;
    for (const ScreenRect& m : monitors) {
        const int left = std::max(m.left, client.left), right = std::min(m.right(), client.right());
        const int top = std::max(m.top, client.top), bottom = std::min(m.bottom(), client.bottom());
        if (right <= left || bottom <= top) continue;
        viewports.push_back({left - client.left, client.bottom() - bottom, right - left, bottom - top});
    }
    return viewports;
}

std::vector<LampViewport> saverViewportsFor(const ScreenRect& client, const std::vector<ScreenRect>& monitors) {
    std::vector<LampViewport> viewports = lampViewportsFor(client, monitors);
    if (viewports.size() == 1 && viewports[0].x == 0 && viewports[0].y == 0 && viewports[0].width == client.width &&
        viewports[0].height == client.height)
        viewports.clear();
    return viewports;
}
