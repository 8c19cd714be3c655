// The clock seam: the platform's clock unless a test has put its own in place.
#include "platform/clock.h"

namespace {
ClockSource replacement = nullptr;
}

uint32_t clockMs() { return replacement ? replacement() : platformClockMs(); }

void useClockSource(ClockSource source) { replacement = source; }
