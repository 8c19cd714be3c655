// Seam: the process clock, in whole milliseconds since the process started. It is 32 bits
// wide and wraps after 49.7 days; whoever subtracts two readings does it in 32-bit
// unsigned arithmetic, which stays right across the wrap.
#pragma once

#include <cstdint>

uint32_t clockMs();

// The platform's own clock, behind clockMs.
uint32_t platformClockMs();

// Replaces the clock (tests drive time by hand, across the wrap); null gives the
// platform's clock back.
using ClockSource = uint32_t (*)();
void useClockSource(ClockSource source);
