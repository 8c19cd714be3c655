// Thread-timer seam, Win32: SetTimer without a window. The system calls the procedure from
// inside DispatchMessage, also in the nested loops of modal dialogs and message boxes.
#include <windows.h>

#include <map>

#include "platform/thread_timer.h"

namespace {

// Each live timer's tick function: SetTimer's procedure gets only the id.
std::map<UINT_PTR, ThreadTimerTick>& ticks() {
    static std::map<UINT_PTR, ThreadTimerTick> table;
    return table;
}

void CALLBACK threadTimerProc(HWND, UINT, UINT_PTR timerId, DWORD) {
    const auto it = ticks().find(timerId);
    if (it != ticks().end()) it->second(static_cast<uint32_t>(timerId));
}

}  // namespace

uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick) {
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, threadTimerProc);
    if (!id || static_cast<uint32_t>(id) == noThreadTimer) {
        if (id) KillTimer(nullptr, id);
        return noThreadTimer;
    }
    ticks()[id] = tick;
    return static_cast<uint32_t>(id);
}

void destroyThreadTimer(uint32_t timerId) {
    if (timerId == noThreadTimer) return;
    KillTimer(nullptr, timerId);
    ticks().erase(timerId);
}
