// The lava field's lattice: a fixed 100 x 100 x 100 lattice of points whose spacing follows
// the render accuracy. Each lattice point keeps its value, blended temperature and outward
// vector in one record, stamped with the pass that computed it, so the eight cubes that
// share a point share its value and a pass never computes a point twice.
#pragma once

#include <cstdint>
#include <vector>

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
// Lattice spacing of a new renderer and at render accuracy 100 %.
constexpr float defaultCellSize = 0.8f;

struct LavaLattice {
    // Laid out for this spacing, every mark 0.
    explicit LavaLattice(float spacing);
    cornerinfo& at(int i, int j, int k) {
        return records[static_cast<size_t>((i * latticePoints + j) * latticePoints + k)];
    }
    // Coordinate tables for this spacing: point n lies at n x spacing - offset, the lattice
    // centred on the origin, shifted by `shift` and 0.05 so that no plane of points runs
    // through the lamp's axis.
    void layOut(float spacing);
    // Every mark, value and normal back to 0.
    void clearMarks();

    std::vector<cornerinfo> records;  // x-major: (i * 100 + j) * 100 + k
    float X[latticePoints], Y[latticePoints], Z[latticePoints];
    Point3D offset;
    Point3D shift;
};

// The spacing for a render accuracy percentage (taken into 10..200 first).
float cellSizeForAccuracy(int percentage);
