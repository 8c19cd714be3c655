// Seam: the process clock, in whole milliseconds since the process started.
#pragma once

#include <cstdint>

uint32_t clockMs();
