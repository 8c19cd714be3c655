// The lava field's lattice: a fixed 100 x 100 x 100 lattice of points whose spacing follows
// the render accuracy. Each lattice point keeps its value, blended temperature and outward
// vector in one record, stamped with the pass that computed it, so the eight cubes that
// share a point share its value and a pass never computes a point twice.
#pragma once

#include <cstdint>
#include <vector>

#include "lava/spatial_hash.h"
#include "scene/geometry.h"

struct cornerinfo {
    uint16_t cubeMark;   // pass that processed the cube whose lowest corner is this point
    uint16_t valueMark;  // pass that evaluated this point
    float value;         // field sum - 2: negative outside the lava
    float temperature;   // weighted mean temperature of the contributing blobs
    float normal[3];     // sum of w (p - blob): points away from the blobs
};
static_assert(sizeof(cornerinfo) == 24, "a lattice record is 24 bytes");

constexpr int latticePoints = 100;
static_assert(latticePoints % 4 == 0, "the lattice is made of whole bricks");
// Lattice spacing of a new renderer and at render accuracy 100 %.
constexpr float defaultCellSize = 0.8f;

struct LavaLattice {
    // Laid out for this spacing, every mark 0.
    explicit LavaLattice(float spacing);
    cornerinfo& at(int i, int j, int k) { return records[pointIndex(i, j, k)]; }
    // Where point (i, j, k) is kept. The points lie in bricks of 4 x 4 x 4, so that a cube's
    // corners and its neighbours' are near each other in memory whichever way the walk goes.
    static size_t pointIndex(int i, int j, int k) {
        constexpr int bricks = latticePoints / 4;
        const int brick = ((i >> 2) * bricks + (j >> 2)) * bricks + (k >> 2);
        return static_cast<size_t>(brick * 64 + ((i & 3) << 4 | (j & 3) << 2 | (k & 3)));
    }
    // Coordinate tables for this spacing: point n lies at n x spacing - offset, the lattice
    // centred on the origin, shifted by `shift` and 0.05 so that no plane of points runs
    // through the lamp's axis.
    void layOut(float spacing);
    // Every mark, value and normal back to 0.
    void clearMarks();
    // The edge from point (i, j, k) one step along axis (0 x, 1 y, 2 z): its place in the
    // edge cache.
    static size_t edgeAt(int i, int j, int k, int axis) { return pointIndex(i, j, k) * 3 + static_cast<size_t>(axis); }

    std::vector<cornerinfo> records;  // by pointIndex
    // The edge cache: the pass that made the vertex on an edge, and that vertex's number in
    // the pass's surface.
    std::vector<uint16_t> edgeMarks;
    std::vector<uint32_t> edgeVertices;
    float X[latticePoints], Y[latticePoints], Z[latticePoints];
    Point3D offset;
    Point3D shift;
};

// The spacing for a render accuracy percentage (taken into 10..200 first).
float cellSizeForAccuracy(int percentage);

// The field's sums at p over the blobs of p's bucket in the packed field hash, each weighed
// by max(0, 2 (r² / d² - 0.1)) for pass radius r: the weight, the weighted temperature and
// the weighted offsets from the blobs (the outward normal). Summed eight entries at a time
// (the AVX2 version where the processor has it, with the same operations in the same order).
struct FieldSums {
    float weight, heat, normal[3];
};
FieldSums sumField(const SpatialHash& hash, const Point3D& p, float radiusSquared);
