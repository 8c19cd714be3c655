// Clock seam, Win32: the performance counter, counted from the first call.
#include <windows.h>

#include "platform/clock.h"

uint32_t platformClockMs() {
    static LARGE_INTEGER frequency, start;
    if (frequency.QuadPart == 0) {
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
    }
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<uint32_t>((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
}
