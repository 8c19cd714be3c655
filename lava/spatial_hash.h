// SpatialHash: a uniform grid of 100^3 cells over space, to find the blobs near a point
// without testing all pairs. Only the cells blobs are registered in have buckets: a box of
// the grid, grown to take each registration as it comes and kept from one clear to the
// next, so the lamp's hash holds the few thousand buckets round the lamp, not a million.
// Registrations (at most 100 000 between clears) come from a pool grown as needed and the
// buckets made non-empty are remembered, so filling and clearing cost time in proportion
// to the registrations, never to the buckets, and allocate nothing once the lamp runs.
//
// Layout: walking a bucket's list is the hot loop of the lava step, and its nodes are
// scattered through the pool (a bucket gains one node per nearby blob, in blob order).
// Nodes are therefore two 32-bit numbers (the blob's slot and the next node), and each
// blob's pointer and centre sit once in per-slot tables: a whole step's nodes stay in the
// processor's cache.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/geometry.h"

class Blob;

class SpatialHash {
public:
    static constexpr int cellsPerAxis = 100;
    static constexpr int poolSize = 100000;
    static constexpr int32_t none = -1;

    // bucketSize: edge length of a cell (2.0 for the step, 1.9 for the field). packable: the
    // hash keeps what pack() needs as blobs are inserted (the field's hash).
    explicit SpatialHash(float bucketSize, bool packable = false);

    void clear();
    // Registers the blob in every cell the sphere of `radius` round its centre may reach.
    // Blobs get slots 0, 1, 2, ... in the order they are inserted after a clear; the slot
    // keeps the blob's centre as it is now. Past the pool's 100 000 registrations further
    // ones are skipped (and counted). Returns the blob's slot.
    int32_t insert(Blob* blob, float radius);

    // Where insert registers a blob with centre `point` and `radius`: the centre in cell
    // units (taken to the border cell when beyond the grid), the box of cells looked at and
    // the squared reach in cells. insert decides with exactly this arithmetic, so a caller
    // can ask whether a blob would be in a bucket without filling the hash.
    struct Registration {
        float g[3];
        int lo[3], hi[3];
        float reach;
        int boxCells() const { return (hi[0] - lo[0] + 1) * (hi[1] - lo[1] + 1) * (hi[2] - lo[2] + 1); }
    };
    Registration registrationOf(const Point3D& point, float radius) const;
    struct Cell {
        int i, j, k;
    };
    // The cell of a point, as bucketAt finds it.
    Cell cellOf(const Point3D& point) const { return {cellIndex(point.x), cellIndex(point.y), cellIndex(point.z)}; }
    // Whether insert puts a blob with this registration in the bucket of cell c (as long as
    // the pool has room).
    static bool registers(const Registration& r, Cell c) {
        if (c.i < r.lo[0] || c.i > r.hi[0] || c.j < r.lo[1] || c.j > r.hi[1] || c.k < r.lo[2] || c.k > r.hi[2])
            return false;
        const float dx = r.g[0] - (static_cast<float>(c.i) + 0.5f);
        const float dy = r.g[1] - (static_cast<float>(c.j) + 0.5f);
        const float dxy = dx * dx + dy * dy;
        if (dxy > r.reach) return false;
        const float dz = r.g[2] - (static_cast<float>(c.k) + 0.5f);
        return !(dxy + dz * dz > r.reach);
    }

    // The first node of the bucket of a point's cell (newest registration first), or none.
    // Points outside the grid use the nearest border cell.
    int32_t bucketAt(const Point3D& point) const;
    int32_t nextNode(int32_t node) const { return nodes[static_cast<size_t>(node)].next; }
    int32_t slotOf(int32_t node) const { return nodes[static_cast<size_t>(node)].slot; }
    Blob* blobOf(int32_t node) const { return blobs[static_cast<size_t>(slotOf(node))]; }
    // The centre the blob in a slot had when it was inserted.
    const Point3D& centreOf(int32_t slot) const { return centres[static_cast<size_t>(slot)]; }
    // The temperature the blob in a slot had when it was inserted.
    float temperatureOf(int32_t slot) const { return temperatures[static_cast<size_t>(slot)]; }

    // Lays every touched bucket's registrations out contiguously, in the bucket's list
    // order (newest first), as separate x, y, z and temperature arrays, each bucket padded
    // with far-away points to a multiple of `packLanes`: the loops over a bucket then run
    // over whole groups of lanes from contiguous memory, which the compiler vectorises.
    // Valid until the next clear or insert. Only for a packable hash.
    void pack();
    static constexpr int packLanes = 8;
    // Where a point's bucket lies in the packed arrays: [begin, end), empty for none.
    struct PackedRange {
        int32_t begin, end;
    };
    PackedRange packedAt(const Point3D& point) const {
        const int32_t bucket = bucketIndex(point);
        return bucket == none ? PackedRange{0, 0} : packedRanges[static_cast<size_t>(bucket)];
    }
    const float* packedX() const { return packX.data(); }
    const float* packedY() const { return packY.data(); }
    const float* packedZ() const { return packZ.data(); }
    const float* packedTemperature() const { return packT.data(); }
    // The slot of each packed entry (-1 for padding).
    const int32_t* packedSlot() const { return packSlot.data(); }

    int nodesUsed() const { return used; }
    int touchedCount() const { return static_cast<int>(touched.size()); }
    // The cells that have buckets, and the bytes the hash holds.
    int bucketCount() const { return boxSize[0] * boxSize[1] * boxSize[2]; }
    size_t bytes() const;
    int skippedRegistrations() const { return skipped; }
    float cellSize() const { return bucketSize; }

private:
    struct Node {
        int32_t slot;
        int32_t next;
    };

    static int clampCell(float fractionalIndex) {
        // NaN and far-away points go to a border cell. What is left is not negative, where
        // truncation is the floor (and, unlike std::floor, needs no library call).
        if (!(fractionalIndex >= 0.0f)) return 0;
        if (fractionalIndex >= cellsPerAxis) return cellsPerAxis - 1;
        return static_cast<int>(fractionalIndex);
    }
    int cellIndex(float coordinate) const { return clampCell(coordinate * cellsPerUnit + centre); }
    // The bucket of a point's cell, or none outside the box (where no blob is registered).
    int32_t bucketIndex(const Point3D& point) const {
        const int i = cellIndex(point.x) - boxLo[0], j = cellIndex(point.y) - boxLo[1], k = cellIndex(point.z) - boxLo[2];
        if (static_cast<unsigned>(i) >= static_cast<unsigned>(boxSize[0]) ||
            static_cast<unsigned>(j) >= static_cast<unsigned>(boxSize[1]) ||
            static_cast<unsigned>(k) >= static_cast<unsigned>(boxSize[2]))
            return none;
        return (i * boxSize[1] + j) * boxSize[2] + k;
    }
    // Grows the box to take the cells lo..hi (and a margin, so that a lamp's blobs make it
    // grow a few times, not once a blob), keeping every bucket's contents.
    void growBox(const int lo[3], const int hi[3]);

    bool packable;
    float bucketSize;
    // Cells are found by multiplying (the same way for blobs and for points), not dividing.
    float cellsPerUnit;
    float centre = cellsPerAxis / 2;
    // The box of cells with buckets: its lowest cell and its size along each axis (empty
    // at first). Buckets are numbered within it, k fastest.
    int boxLo[3] = {0, 0, 0};
    int boxSize[3] = {0, 0, 0};
    std::vector<int32_t> heads;  // first node of each bucket, or none
    std::vector<Node> nodes;
    std::vector<Blob*> blobs;    // by slot
    std::vector<Point3D> centres;
    std::vector<float> temperatures;
    int used = 0;
    int skipped = 0;
    std::vector<int32_t> touched;  // buckets made non-empty since the last clear
    std::vector<float> columnScratch;  // reused by insert
    // The packed layout: each bucket's range in the packed arrays (empty for a bucket not
    // touched since the last clear, which empties the ranges it had set). Until pack(), a
    // touched bucket's range holds its place in `touched` and its count of registrations.
    std::vector<PackedRange> packedRanges;
    std::vector<int32_t> nodeCells;   // by node: its bucket's place in `touched`
    std::vector<int32_t> fillCursor;  // by place in `touched`, while packing
    std::vector<float> packX, packY, packZ, packT;
    std::vector<int32_t> packSlot;
};
