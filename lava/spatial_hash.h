// SpatialHash: a uniform grid of 100^3 buckets over space, to find the blobs near a point
// without testing all pairs. Registrations come from a fixed pool of nodes and the buckets
// made non-empty are remembered, so filling and clearing cost time in proportion to the
// registrations, never to the million buckets, and allocate nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/geometry.h"

class Blob;

class SpatialHash {
public:
    struct Node {
        Blob* blob;
        Node* next;
    };

    static constexpr int cellsPerAxis = 100;
    static constexpr int poolSize = 100000;

    // bucketSize: edge length of a cell (2.0 for the step, 1.9 for the field).
    explicit SpatialHash(float bucketSize);

    void clear();
    // Registers the blob in every cell the sphere of `radius` round its centre may reach.
    // Past the pool's 100 000 registrations further ones are skipped (and counted).
    void insert(Blob* blob, float radius);
    // The newest registration first. Points outside the grid use the nearest border cell.
    const Node* bucketAt(const Point3D& point) const;

    int nodesUsed() const { return used; }
    int touchedCount() const { return static_cast<int>(touched.size()); }
    int skippedRegistrations() const { return skipped; }
    float cellSize() const { return bucketSize; }

private:
    static int clampCell(float fractionalIndex);
    int cellIndex(float coordinate) const;

    float bucketSize;
    float centre = cellsPerAxis / 2;
    std::vector<Node*> buckets;
    std::vector<Node> pool;
    int used = 0;
    int skipped = 0;
    std::vector<int32_t> touched;
};
