// Whether anyone can see frames: not while the system reports the display off (it tells
// windows that registered for the console display state), nor while the window is
// minimised or has no client area. The frame timer keeps ticking meanwhile, but the lamp
// neither moves nor draws, and goes on where it was when it is seen again.
#pragma once

#include <windows.h>

class FrameAudience {
public:
    void reset();
    void listen(HWND window);
    void powerSettingChanged(const POWERBROADCAST_SETTING& setting);
    bool watching(HWND window) const;

private:
    bool displayOn = true;
    HPOWERNOTIFY notification = nullptr;
};
