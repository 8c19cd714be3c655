// The lava step: the physics of lava_physics.h on every blob of a group — heat, buoyancy,
// drag and walls per blob; clusters by the cluster rules; heat exchange and surface tension
// between neighbours found through the spatial hash; motion.
#include "lava/lava_step.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/spatial_hash.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"

namespace {

// Edge length of the step hash's cells.
constexpr float stepBucketSize = 2.0f;

}  // namespace

LavaStepper::LavaStepper() : stepHash(stepBucketSize) {}

size_t LavaStepper::bytes() const {
    return sizeof(*this) + stepHash.bytes() + colliders.capacity() * sizeof(Collider) +
           work.capacity() * sizeof(Blob*) + nearby.capacity() * sizeof(Near) +
           registrations.capacity() * sizeof(SpatialHash::Registration) +
           (centreX.capacity() + centreY.capacity() + centreZ.capacity() + distances.capacity()) * sizeof(float) +
           candidates.capacity() * sizeof(int32_t);
}

void LavaStepper::contain(Blob& b) const {
    // Floor and ceiling first, so the wall is taken at the height the blob ends at.
    for (const Collider& c : colliders)
        if (c.disk) containByDisk(b, *c.disk);
    for (const Collider& c : colliders)
        if (c.tube) containInTube(b, *c.tube);
}

int LavaStepper::step(Group& group, float dt, const LavaParameters& values) {
    lava = &values;
    work.clear();
    // The glass shapes by kind, found once per step; a shape that is neither a tube nor a
    // disk does not collide.
    colliders.clear();
    for (Shape* s : group.colliders) {
        if (const Tube* tube = dynamic_cast<const Tube*>(s))
            colliders.push_back({tube, nullptr});
        else if (const Disk* disk = dynamic_cast<const Disk*>(s))
            colliders.push_back({nullptr, disk});
    }
    // A blob meets the blobs registered in the step hash's bucket of its centre, each blob
    // registered with 4 radii. Where every registration is certain to fit in the hash's
    // pool, the buckets are never filled: the later blobs near enough are found by a scan
    // and kept when the hash would have registered them in that bucket.
    registrations.clear();
    long long boxCells = 0;
    for (Blob* b : group.blobs) {
        b->cluster = -1;
        b->neighbourCount = 0;
        b->processed = false;
        registrations.push_back(stepHash.registrationOf(b->position, 4.0f * b->radius));
        boxCells += registrations.back().boxCells();
        b->force = Point3D();
        heatBlob(*b, *lava);
        addBuoyancy(*b, *lava);
        addDrag(*b, *lava);
        for (const Collider& c : colliders) {
            if (c.tube)
                collideTube(*b, *c.tube);
            else
                collideDisk(*b, *c.disk);
        }
        work.push_back(b);
    }

    int clusters = 0;
    while (!work.empty()) {
        Blob* seed = work.back();
        work.pop_back();
        seed->cluster = clusters;
        assignCluster(work, *seed);
        ++clusters;
    }

    nearby.resize(group.blobs.size());
    if (group.blobs.size() <= maxScannedBlobs && boxCells <= SpatialHash::poolSize)
        meetByScan(group, dt);
    else
        meetByBuckets(group, dt);
    return clusters;
}

// The blob o, not handled yet, is in b's bucket at offset d: kept for the pair force when
// near enough, and heat flows between them when nearer still.
inline void LavaStepper::meet(Blob& b, Blob& o, const Point3D& d, float squared, int& nearCount) {
    if (certainlyBeyond(squared, 4.0f * b.radius)) return;
    nearby[static_cast<size_t>(nearCount++)] = {&o, d, squared};
    const float heatReach = 2.3f * b.radius;
    if (!certainlyBeyond(squared, heatReach) && std::sqrt(squared) < heatReach) {
        ++b.neighbourCount;
        ++o.neighbourCount;
        const float q = lava->heatDiffusion * 0.00003f * (o.temperature - b.temperature);
        b.temperature += q;
        o.temperature -= q;
    }
}

// The pair forces of the blobs b met, then b's move.
void LavaStepper::settle(Blob& b, int nearCount, float dt) const {
    const float tension = tensionOf(b, *lava);
    for (int i = 0; i < nearCount; ++i) {
        const Near& n = nearby[static_cast<size_t>(i)];
        applyPairForce(b, *n.o, n.d, n.squared, tension);
    }
    b.previousCluster = b.cluster;
    b.step(dt);
    if (!b.fixed) contain(b);
}

// Blobs are handled in list order, which is their slot order in the hash, so "o is not
// handled yet" is "o's slot comes later", and such an o has not moved since it was
// registered. A bucket lists its blobs newest first, that is by falling slot, and that is
// the order in which b meets them: heat and forces add up in that order.
void LavaStepper::meetByBuckets(Group& group, float dt) {
    SpatialHash& hash = stepHash;
    hash.clear();
    for (Blob* b : group.blobs) hash.insert(b, 4.0f * b->radius);
    int32_t current = 0;
    for (Blob* b : group.blobs) {
        b->processed = true;
        int nearCount = 0;
        for (int32_t n = hash.bucketAt(b->position); n != SpatialHash::none; n = hash.nextNode(n)) {
            const int32_t slot = hash.slotOf(n);
            // Once one is handled already, so are all after it.
            if (slot <= current) break;
            const Point3D d = hash.centreOf(slot) - b->position;
            meet(*b, *hash.blobOf(n), d, d.dot(d), nearCount);
        }
        settle(*b, nearCount, dt);
        ++current;
    }
}

namespace {

// Four floats worked on at once (GCC and Clang vector extensions).
typedef float Float4 __attribute__((vector_size(16)));

}  // namespace

// The same meetings as meetByBuckets, in the same order, found without the buckets: the
// squared distance from b to every later blob, four at a time over the centres as they
// were before anyone moved; then, by falling slot, those not certainly beyond reach whose
// registration would have put them in b's bucket.
void LavaStepper::meetByScan(Group& group, float dt) {
    const std::vector<Blob*>& blobs = group.blobs;
    const int32_t count = static_cast<int32_t>(blobs.size());
    const size_t padded = (blobs.size() + 3) / 4 * 4;
    centreX.assign(padded, 0.0f);
    centreY.assign(padded, 0.0f);
    centreZ.assign(padded, 0.0f);
    for (size_t i = 0; i < blobs.size(); ++i) {
        centreX[i] = blobs[i]->position.x;
        centreY[i] = blobs[i]->position.y;
        centreZ[i] = blobs[i]->position.z;
    }
    distances.resize(padded);
    candidates.resize(blobs.size());
    float* const squared = distances.data();
    for (int32_t current = 0; current < count; ++current) {
        Blob& b = *blobs[static_cast<size_t>(current)];
        b.processed = true;
        const Float4 zero = {};
        const Float4 bx = zero + b.position.x, by = zero + b.position.y, bz = zero + b.position.z;
        // d = o - b and d·d, added in the order Point3D::dot adds them.
        for (size_t at = static_cast<size_t>(current + 1) / 4 * 4; at < padded; at += 4) {
            Float4 x, y, z;
            std::memcpy(&x, centreX.data() + at, sizeof x);
            std::memcpy(&y, centreY.data() + at, sizeof y);
            std::memcpy(&z, centreZ.data() + at, sizeof z);
            const Float4 dx = x - bx, dy = y - by, dz = z - bz;
            const Float4 d2 = dx * dx + dy * dy + dz * dz;
            std::memcpy(squared + at, &d2, sizeof d2);
        }
        // The later blobs not certainly beyond reach (NaN included, as in the buckets),
        // newest slot first, gathered without a branch per blob.
        const float limit = beyondSquared(4.0f * b.radius);
        int found = 0;
        for (int32_t o = count - 1; o > current; --o) {
            candidates[static_cast<size_t>(found)] = o;
            found += !(squared[o] > limit);
        }
        const SpatialHash::Cell cell = stepHash.cellOf(b.position);
        int nearCount = 0;
        for (int c = 0; c < found; ++c) {
            const size_t slot = static_cast<size_t>(candidates[static_cast<size_t>(c)]);
            if (!SpatialHash::registers(registrations[slot], cell)) continue;
            Blob& o = *blobs[slot];
            const Point3D d = o.position - b.position;
            meet(b, o, d, d.dot(d), nearCount);
        }
        settle(b, nearCount, dt);
    }
}
