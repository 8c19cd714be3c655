// Tessellation counts.
#include "scene/tessellation.h"

#include <algorithm>

int evenSlices(int n) { return std::max(2, n - n % 2); }

float sliceWidth(float radius, int n) { return 6.2831855f * radius / static_cast<float>(n); }

int ringsIn(float length, float width) { return pieceCount(length / width); }

int pieceCount(float x) {
    if (!(x >= 1.0f)) return 1;
    return x >= static_cast<float>(maxPieces) ? maxPieces : static_cast<int>(x);
}
