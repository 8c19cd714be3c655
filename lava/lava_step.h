// The lava step: one time step of every blob of a group — heat, forces, clusters, motion.
#pragma once

#include <vector>

#include "lava/spatial_hash.h"

class Blob;
class Disk;
class Group;
class Tube;
struct LavaParameters;

class LavaStepper {
public:
    LavaStepper();
    // One step of a group whose blob list is not empty, with the lava's values; uses no
    // OpenGL state. Returns the number of clusters it found.
    int step(Group& group, float dt, const LavaParameters& lava);
    // Beyond this many blobs the step always walks the hash's buckets: a scan of every
    // later blob costs the square of the count.
    static constexpr size_t maxScannedBlobs = 1024;
    // Bytes the stepper holds: its hash and its tables (benchmarks report it), and of them
    // the hash's.
    size_t bytes() const;
    size_t hashBytes() const { return stepHash.bytes(); }

private:
    // A blob of the current blob's bucket near enough for a pair force, and where it lies.
    struct Near {
        Blob* o;
        Point3D d;
        float squared;
    };
    struct Collider {
        const Tube* tube;
        const Disk* disk;
    };
    // Puts a blob that moved out of the glass back on it.
    void contain(Blob& b) const;
    // The pair pass: each blob meets the later blobs of its bucket, then moves.
    void meetByBuckets(Group& group, float dt);
    void meetByScan(Group& group, float dt);
    void meet(Blob& b, Blob& o, const Point3D& d, float squared, int& nearCount);
    void settle(Blob& b, int nearCount, float dt) const;

    const LavaParameters* lava = nullptr;  // the values of the step under way
    SpatialHash stepHash;
    std::vector<Collider> colliders;
    std::vector<Blob*> work;
    // The blobs the current blob met, for its pair forces.
    std::vector<Near> nearby;
    // meetByScan's tables: each blob's registration; centres by slot; squared distances
    // from the current blob; the later blobs near enough, by falling slot.
    std::vector<SpatialHash::Registration> registrations;
    std::vector<float> centreX, centreY, centreZ, distances;
    std::vector<int32_t> candidates;
};
