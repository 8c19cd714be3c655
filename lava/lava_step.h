// The lava step: one time step of every blob of a group — heat, forces, clusters, motion.
#pragma once

#include <vector>

#include "lava/spatial_hash.h"

class Blob;
class Disk;
class Group;
class Tube;

class LavaStepper {
public:
    LavaStepper();
    // One step of a group whose blob list is not empty; uses no OpenGL state. Returns the
    // number of clusters it found.
    int step(Group& group, float dt);
    // The step hash of the last step: every blob registered with 4 radii.
    const SpatialHash& hash() const { return stepHash; }

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

    SpatialHash stepHash;
    std::vector<Collider> colliders;
    std::vector<Blob*> work;
    std::vector<Near> nearby;
};
