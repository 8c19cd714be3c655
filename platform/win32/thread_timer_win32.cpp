// Thread-timer seam, Win32: SetTimer without a window. The system calls the procedure from
// inside DispatchMessage, also in the nested loops of modal dialogs and message boxes.
#include <windows.h>

#include "platform/thread_timer.h"
#include "shell/frame_timer.h"

namespace {

void CALLBACK threadTimerProc(HWND, UINT, UINT_PTR timerId, DWORD) {
    timerProc(static_cast<uint32_t>(timerId));
}

}  // namespace

uint32_t createThreadTimer(uint32_t intervalMs) {
    UINT_PTR id = SetTimer(nullptr, 0, intervalMs, threadTimerProc);
    return id ? static_cast<uint32_t>(id) : noThreadTimer;
}

void destroyThreadTimer(uint32_t timerId) {
    if (timerId != noThreadTimer) KillTimer(nullptr, timerId);
}
