// Clock seam, POSIX: the monotonic clock, counted from the first call.
#include <ctime>

#include "platform/clock.h"

namespace {
uint64_t monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
}
}  // namespace

uint32_t platformClockMs() {
    static const uint64_t start = monotonicMs();
    return static_cast<uint32_t>(monotonicMs() - start);
}
