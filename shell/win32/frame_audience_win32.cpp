// The display's power state and the window's, as frames care about them.
#include "shell/win32/frame_audience_win32.h"

#include <cstring>

#include "platform/diagnostics.h"

namespace {
// GUID_CONSOLE_DISPLAY_STATE.
constexpr GUID consoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
}  // namespace

void FrameAudience::reset() {
    displayOn = true;
    if (notification) UnregisterPowerSettingNotification(notification);
    notification = nullptr;
}

void FrameAudience::listen(HWND window) {
    notification = RegisterPowerSettingNotification(window, &consoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void FrameAudience::powerSettingChanged(const POWERBROADCAST_SETTING& setting) {
    if (!IsEqualGUID(setting.PowerSetting, consoleDisplayState) || setting.DataLength < sizeof(DWORD)) return;
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof state);
    displayOn = state != 0;  // 0 off, 1 on, 2 dimmed (still shown)
    diag("Display %s\n", displayOn ? "on" : "off");
}

bool FrameAudience::watching(HWND window) const {
    if (!displayOn || IsIconic(window)) return false;
    RECT client{};
    return GetClientRect(window, &client) && client.right > client.left && client.bottom > client.top;
}
