// The marching-cubes tables of the polygoniser.
//
// A cube's corner n (0..7) is the lattice point (i + b2, j + b1, k + b0) for the bits
// b2 b1 b0 of n:
//
//            3 ----------- 7          y
//           /|            /|          |
//          / |           / |          +--- x
//         1 ----------- 5  |         /
//         |  |          |  |        z
//         |  2 ---------|-- 6
//         | /           | /
//         |/            |/
//         0 ----------- 4
//
// Bit n of a cube index is set when corner n is outside the lava (its value is negative).
// The strip table gives, per index, the surface inside the cube as triangle strips over the
// cube's twelve edges; the face table tells through which faces the surface leaves.
#pragma once

#include <cstdint>

struct EdgeInfo {
    int32_t xSel, ySel, zSel;  // which x, y, z of the cube the edge's first corner has
    int32_t axis;              // 0 x, 1 y, 2 z
    int32_t cornerA, cornerB;  // low end, high end
};

extern const EdgeInfo edgeinfo[12];

constexpr int stripRowBytes = 17;

// Row per cube index: strips of edge numbers, each ended by -1, the row ended by one more
// -1 (and padded with -1).
const int8_t (&stripTable())[256][stripRowBytes];
// Per cube index: bit s set when strip s of the row, drawn as a strip is drawn, is turned
// with its front (counter-clockwise) side to the inside of the lava; the other strips face
// outwards.
const uint8_t (&turnTable())[256];
// Per cube index: bit 1 x-low face, 2 x-high, 4 y-low, 8 y-high, 16 z-low, 32 z-high set
// when that face's corners are not all on one side.
const uint8_t (&faceTable())[256];
