// Tessellation counts.
#include "scene/tessellation.h"

#include <algorithm>

int evenSlices(int n) { return std::max(2, n - n % 2); }

float sliceWidth(float radius, int n) { return 6.2831855f * radius / static_cast<float>(n); }

int ringsIn(float length, float width) {
    const float rings = length / width;
    return rings >= 1.0f ? static_cast<int>(rings) : 1;
}
