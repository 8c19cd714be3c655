// The monitors as Windows reports them, the primary one first.
#include "shell/win32/monitors_win32.h"

#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/stored_value_names.h"

namespace {

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<ScreenRect>*>(list);
    const ScreenRect rect = screenRectOf(info.rcMonitor);
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        monitors.insert(monitors.begin(), rect);
    else
        monitors.push_back(rect);
    return TRUE;
}

}  // namespace

ScreenRect screenRectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

std::vector<ScreenRect> systemMonitors() {
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

ScreenRect virtualScreen() {
    const ScreenRect screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return screen.width > 0 && screen.height > 0 ? screen : boundingRect(systemMonitors());
}

ScreenRect monitorOfWindow(HWND window) {
    const std::vector<ScreenRect> monitors = systemMonitors();
    RECT r{};
    if (!window || !GetWindowRect(window, &r)) return monitors.front();
    return monitors[monitorHolding(monitors, (r.left + r.right) / 2, (r.top + r.bottom) / 2)];
}

namespace {

ScreenRect workAreaOfMonitor(HMONITOR monitor, const ScreenRect& otherwise) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return otherwise;
    const ScreenRect work = screenRectOf(info.rcWork);
    return work.width > 0 && work.height > 0 ? work : otherwise;
}

}  // namespace

ScreenRect workAreaOfWindow(HWND window) {
    return workAreaOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), systemMonitors().front());
}

namespace {

struct MonitorSearch {
    ScreenRect wanted;
    HMONITOR found = nullptr;
};

BOOL CALLBACK findMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& search = *reinterpret_cast<MonitorSearch*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const ScreenRect rect = screenRectOf(info.rcMonitor);
    if (rect.left != search.wanted.left || rect.top != search.wanted.top || rect.width != search.wanted.width ||
        rect.height != search.wanted.height)
        return TRUE;
    search.found = monitor;
    return FALSE;
}

}  // namespace

ScreenRect workAreaOf(const ScreenRect& monitor) {
    // The monitor with this very rectangle: where monitors overlap (a cloned display), the
    // one nearest a rectangle may be another.
    MonitorSearch search{monitor};
    EnumDisplayMonitors(nullptr, nullptr, findMonitor, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        const RECT r{monitor.left, monitor.top, monitor.right(), monitor.bottom()};
        search.found = MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
    }
    return workAreaOfMonitor(search.found, monitor);
}

void handOverMonitor(SettingsStore* store, int x, int y) {
    writeDword(store, handOverXValue, x);
    writeDword(store, handOverYValue, y);
}

bool takeHandedOverMonitor(SettingsStore* store, ScreenRect& monitor) {
    int32_t x = 0, y = 0;
    const bool handedOver = readDword(store, handOverXValue, &x) && readDword(store, handOverYValue, &y);
    if (store) {
        store->deleteValue(handOverXValue);
        store->deleteValue(handOverYValue);
    }
    if (!handedOver) return false;
    const std::vector<ScreenRect> monitors = systemMonitors();
    monitor = monitors[monitorHolding(monitors, x, y)];
    return true;
}
