// The lava field's lattice: 100 x 100 x 100 points whose spacing follows the render
// accuracy. Each point the surface walk reaches keeps its value, blended temperature and
// outward vector in one record, stamped with the pass that computed it, so the eight cubes
// that share a point share its value and a pass never computes a point twice.
//
// Only the points near the surface are ever reached, so only they have storage: the points
// lie in bricks of 4 x 4 x 4, and a brick gets its records (and the edge cache of the edges
// that start at its points) from a pool the first time a pass touches it. The next pass
// takes the pool's bricks afresh, so the lattice costs what the largest surface touches
// (a hundred or so bricks of 2.4 kB for the lamp's 175 blobs), not the 42 MB of the whole
// grid.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lava/spatial_hash.h"
#include "scene/geometry.h"
#include "scene/module_assert.h"

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

// One brick's storage: its 64 points, near each other in memory whichever way the walk
// goes, and the edge cache of the three edges from each point along x, y and z — the
// vertex's number in the pass's surface.
//
// The brick's first cache line says, one bit a point or edge, what the pass that took the
// brick has done in it: which points it evaluated, which cubes it processed (the records'
// marks say the same), which edges have their vertex. The walk asks these bits, so the
// records a pass does not reach — left from older passes, long out of the processor's
// cache — are never read, and a brick just taken is made current by clearing one line.
struct alignas(64) LatticeBrick {
    static constexpr int points = 64;
    uint64_t evaluated = 0;
    uint64_t processed = 0;
    uint64_t edgesMade[3] = {};  // by axis, one bit per local index
    cornerinfo records[points];
    uint32_t edgeVertices[points * 3];  // by local index x 3 + axis (0 x, 1 y, 2 z)

    static uint64_t bit(int local) { return uint64_t{1} << local; }
    // Marks point `local` evaluated (or the edge along `axis` from it made); false when
    // this pass had already done so.
    bool markEvaluated(int local) { return markNew(evaluated, local); }
    bool markEdgeMade(int axis, int local) { return markNew(edgesMade[axis], local); }
    // Nothing done in it yet this pass.
    void clearDone() {
        evaluated = processed = 0;
        edgesMade[0] = edgesMade[1] = edgesMade[2] = 0;
    }

private:
    static bool markNew(uint64_t& bits, int local) {
        if (bits & bit(local)) return false;
        bits |= bit(local);
        return true;
    }
};

class LavaLattice {
public:
    // Laid out for this spacing, no brick taken.
    explicit LavaLattice(float spacing);

    // Starts pass `stamp`: every brick the last pass took is free again. A stamp is never
    // reused until clearMarks (the renderer's pass counter wraps after 65 535 passes), and
    // 0 is none: it marks a slot no pass has taken. Points are reached only within a pass.
    void beginPass(uint16_t stamp) {
        GJ_ASSERT(stamp != 0, "LavaLattice");
        pass = stamp;
        bricksTaken = 0;
    }
    // The brick that holds point (i, j, k) in this pass, taken from the pool when the pass
    // first touches it (its records keep older passes' marks, never this one's), and the
    // point's place in it.
    LatticeBrick& brickOf(int i, int j, int k) {
        const BrickSlot& slot = slots[static_cast<size_t>(brickIndex(i, j, k))];
        if (slot.pass != pass) take(brickIndex(i, j, k));
        return *slot.brick;
    }
    static int localIndex(int i, int j, int k) { return (i & 3) << 4 | (j & 3) << 2 | (k & 3); }
    // Whether this pass processed the cube whose lowest corner is (i, j, k); takes no brick.
    bool cubeProcessed(int i, int j, int k) const {
        const BrickSlot& slot = slots[static_cast<size_t>(brickIndex(i, j, k))];
        return slot.pass == pass && (slot.brick->processed & LatticeBrick::bit(localIndex(i, j, k)));
    }

    // Coordinate tables for this spacing: point n lies at n x spacing - offset, the lattice
    // centred on the origin, shifted by `shift` and 0.05 so that no plane of points runs
    // through the lamp's axis.
    void layOut(float spacing);
    // Every mark of every pooled brick back to 0 and no brick taken: for a new start, and
    // when the pass counter wraps (a record stamped 65 536 passes ago must not pass for
    // current).
    void clearMarks();

    // The pool: bricks made so far (as many as the largest pass took) and taken this pass.
    size_t pooledBricks() const { return pool.size(); }
    size_t bricksInUse() const { return bricksTaken; }
    const LatticeBrick& pooledBrick(size_t n) const { return *pool[n]; }
    // Bytes held: the pool and the brick tables.
    size_t bytes() const;

    float X[latticePoints], Y[latticePoints], Z[latticePoints];
    Point3D offset;
    Point3D shift;

private:
    static constexpr int bricksPerAxis = latticePoints / 4;
    static constexpr int brickCount = bricksPerAxis * bricksPerAxis * bricksPerAxis;
    static int brickIndex(int i, int j, int k) { return ((i >> 2) * bricksPerAxis + (j >> 2)) * bricksPerAxis + (k >> 2); }
    void take(int brick);

    uint16_t pass = 0;
    size_t bricksTaken = 0;
    // Each brick's storage and the pass that took it (side by side: they are read
    // together); storage taken in an older pass is another brick's by now.
    struct BrickSlot {
        LatticeBrick* brick = nullptr;
        uint16_t pass = 0;
    };
    std::vector<BrickSlot> slots;
    // Each brick made on its own, so that a record's address holds while the pool grows.
    std::vector<std::unique_ptr<LatticeBrick>> pool;
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
