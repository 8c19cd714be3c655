// The lava field: the level set of a sum of blob contributions, sampled only at the points
// of a fixed 100 x 100 x 100 lattice whose spacing follows the render accuracy. Each
// lattice point keeps its value, blended temperature and outward vector in one record,
// stamped with the pass that computed it, so the eight cubes that share a point share its
// value and a pass never computes a point twice.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/geometry.h"

class SpatialHash;

struct cornerinfo {
    uint16_t cubeMark;   // pass that processed the cube whose lowest corner is this point
    uint16_t valueMark;  // pass that evaluated this point
    float value;         // field sum - 2: negative outside the lava
    float temperature;   // weighted mean temperature of the contributing blobs
    float normal[3];     // sum of w (p - blob): points away from the blobs
};
static_assert(sizeof(cornerinfo) == 24, "a lattice record is 24 bytes");

constexpr int latticePoints = 100;

struct LavaLattice {
    LavaLattice();
    cornerinfo& at(int i, int j, int k) {
        return records[static_cast<size_t>((i * latticePoints + j) * latticePoints + k)];
    }

    std::vector<cornerinfo> records;  // x-major: (i * 100 + j) * 100 + k
    float X[latticePoints], Y[latticePoints], Z[latticePoints];
    Point3D offset;
    Point3D shift;
};

// The lattice, made once on first use (24 MB).
LavaLattice& lavaLattice();
// The field hash: the blobs of the current pass, registered with radius 3.
SpatialHash& fieldHash();
// Lattice spacing: 0.8 until set.
float cellSize();

// Clears the marks, values and normals and lays the coordinate tables out from cellSize.
// Prints the sizes of the edge and lattice records.
void initPolygoniser();
// New spacing; the records are not touched (their old marks keep them from being reused).
void setCellSize(float size);
// The spacing for a render accuracy percentage (taken into 10..200 first).
float cellSizeForAccuracy(int percentage);

// The square of the pass radius used by evaluateField.
void setPassRadius(float radius);
// The field at lattice position p from the blobs in the field hash; fills the record's
// temperature and normal and returns the value (sum - 2). Finite at a blob's very centre.
float evaluateField(cornerinfo& record, const Point3D& p);
// How many values evaluateField has computed since the counter was last reset.
uint64_t& fieldEvaluations();
