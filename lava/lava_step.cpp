// The lava step: heat, buoyancy, drag and walls per blob; clusters by the cluster rules; heat
// exchange and surface tension between neighbours found through the spatial hash; motion.
#include "lava/lava_step.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/spatial_hash.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"

namespace {

// Edge length of the step hash's cells.
constexpr float stepBucketSize = 2.0f;

// True when |d| is certainly greater than `limit`, decided on the squared length so the
// square root is only taken for pairs near enough to matter. The margin keeps the answer
// the same as comparing the rounded square root itself.
bool certainlyBeyond(float squaredLength, float limit) {
    return squaredLength > limit * limit * 1.0001f;
}

}  // namespace

void heatBlob(Blob& b) {
    const Point3D& p = b.position;
    if (p.y < -12.0f && p.x * p.x + p.z * p.z < 5.0f)
        b.temperature += (150.0f * lavaParameters.lampHeat - b.temperature) * 0.0005f;
    const float target = (p.y + 15.0f) * 0.033333335f * -6.0f - 1.0f;
    for (int i = 0; i < 5 - b.neighbourCount; ++i)
        b.temperature += (target - b.temperature) * lavaParameters.coolingRate * 0.00025f;
}

void addBuoyancy(Blob& b) {
    const float r = b.radius, t = b.temperature, y = b.position.y;
    if (y - 2 * r < -14.5f)
        b.force.y += (t - 20.0f) * lavaParameters.buoyancy;
    else if (y + 2 * r > 15.5f)
        b.force.y += (t + 20.0f) * lavaParameters.buoyancy;
    else
        b.force.y += t * lavaParameters.buoyancy;
}

void addDrag(Blob& b) {
    const float s = b.velocity.length();
    b.force = b.force + b.velocity * (s * lavaParameters.viscosity * -0.5f);
}

void collideTube(Blob& b, const Tube& tube) {
    const Point3D d = b.position - tube.centre;
    if (d.y < 0 || d.y > tube.height) return;
    float rho = std::sqrt(d.x * d.x + d.z * d.z);
    const float gap = (tube.rTop - tube.rBase) / tube.height * d.y + tube.rBase - rho;
    float f;
    if (gap <= 0) {
        f = 200.0f;
    } else if (gap > 1.5f * b.radius) {
        return;
    } else {
        f = 20.0f / gap;
    }
    if (rho == 0) rho = 1;
    b.force.x -= f * d.x / rho;
    b.force.z -= f * d.z / rho;
}

void collideDisk(Blob& b, const Disk& disk) {
    const float dy = b.position.y - disk.centre.y, r = b.radius;
    if (disk.side == 0) {
        if (dy <= 0)
            b.force.y += 200.0f;
        else if (dy <= 1.5f * r)
            b.force.y += 20.0f / dy;
    } else if (disk.side == 2) {
        if (dy >= 0)
            b.force.y -= 200.0f;
        else if (dy >= -1.5f * r)
            b.force.y += 20.0f / dy;
    } else {
        if (dy == 0)
            b.force.y += 1.0f;
        else if (dy >= -1.5f * r && dy <= 1.5f * r)
            b.force.y += 20.0f / dy;
    }
}

void containInTube(Blob& b, const Tube& tube) {
    const Point3D d = b.position - tube.centre;
    if (!(d.y >= 0 && d.y <= tube.height)) return;
    const float limit = (tube.rTop - tube.rBase) / tube.height * d.y + tube.rBase;
    const float rho = std::sqrt(d.x * d.x + d.z * d.z);
    if (!(rho > limit)) return;
    const float ux = d.x / rho, uz = d.z / rho;
    b.position.x = tube.centre.x + ux * limit;
    b.position.z = tube.centre.z + uz * limit;
    const float outward = b.velocity.x * ux + b.velocity.z * uz;
    if (outward > 0) {
        b.velocity.x -= outward * ux;
        b.velocity.z -= outward * uz;
    }
}

void containByDisk(Blob& b, const Disk& disk) {
    const float y = disk.centre.y;
    if (disk.side == 0 && b.position.y < y) {
        b.position.y = y;
        b.velocity.y = std::max(b.velocity.y, 0.0f);
    } else if (disk.side == 2 && b.position.y > y) {
        b.position.y = y;
        b.velocity.y = std::min(b.velocity.y, 0.0f);
    }
}

namespace {

// Surface tension of b's cluster, which weakens as b gathers neighbours.
float tensionOf(const Blob& b) {
    return lavaParameters.surfaceTension * 35.0f / (static_cast<float>(b.neighbourCount) + 0.1f);
}

// The pair force of b and o, with d = o - b, its squared length and b's tension known.
inline void applyPairForce(Blob& b, Blob& o, const Point3D& d, float squared, float tension) {
    const float r = b.radius;
    const bool sameCluster = b.cluster == o.cluster;
    if (certainlyBeyond(squared, (sameCluster ? 4 : 3) * r)) return;
    const float dist = std::sqrt(squared);
    if (dist == 0) return;  // identical centres: no direction to push along
    // Nearer than a hundredth of a radius the force is taken as it is at that distance:
    // it is already far beyond what the speed limit lets through, and closer still it
    // would overflow, and inf - inf would leave the blobs NaN for good.
    const float floorDistance = 0.01f * r;
    const float at = dist < floorDistance ? floorDistance : dist;
    float f;
    if (sameCluster) {
        if (dist > 4 * r) return;
        const float a = 2 * r / at;
        const float a2 = a * a, a8 = a2 * a2 * a2 * a2;
        f = tension * (a2 - a8);
    } else {
        if (dist > 3 * r) return;
        const float q = 4 * r / at;
        f = -2.0f * q * q;
    }
    // Along the unit direction; below the floor f / dist itself could overflow.
    const Point3D push = dist < floorDistance ? d * (1.0f / dist) * f : d * (f / dist);
    b.force = b.force + push;
    o.force = o.force - push;
}

}  // namespace

void pairForce(Blob& b, Blob& o) {
    const Point3D d = o.position - b.position;
    applyPairForce(b, o, d, d.dot(d), tensionOf(b));
}

bool linkedTo(const Blob& m, const Blob& seed) {
    const Point3D d = m.position - seed.position;
    const float squared = d.dot(d), r = seed.radius;
    if (certainlyBeyond(squared, 3.6f * r)) return false;
    const float dist = std::sqrt(squared);
    if (m.position.y < -14.0f && seed.position.y < -14.0f && dist <= 3.0f * r) return true;
    if (m.position.y > 15.5f && seed.position.y > 15.5f && dist <= 3.0f * r) return true;
    return m.previousCluster == seed.previousCluster && seed.previousCluster != -1 &&
           dist <= 3.6f * r;
}

void assignCluster(std::vector<Blob*>& work, Blob& seed) {
    // Each frame of the walk is the list of blobs one seed gathered, kept as a segment of
    // one buffer: frames end in the order they start, so a finished frame is always the
    // buffer's tail.
    struct Frame {
        size_t begin, end, next;
    };
    std::vector<Blob*> found;
    std::vector<Frame> frames;
    auto gather = [&](Blob& from) {
        const size_t begin = found.size();
        for (size_t i = 0; i < work.size();) {
            Blob* m = work[i];
            if (linkedTo(*m, from)) {
                m->cluster = from.cluster;
                work[i] = work.back();
                work.pop_back();
                found.push_back(m);
            } else {
                ++i;
            }
        }
        frames.push_back({begin, found.size(), begin});
    };
    gather(seed);
    while (!frames.empty()) {
        Frame& top = frames.back();
        if (top.next == top.end) {
            found.resize(top.begin);
            frames.pop_back();
            continue;
        }
        Blob* next = found[top.next++];
        gather(*next);
    }
}

LavaStepper::LavaStepper() : stepHash(stepBucketSize) {}

void LavaStepper::contain(Blob& b) const {
    // Floor and ceiling first, so the wall is taken at the height the blob ends at.
    for (const Collider& c : colliders)
        if (c.disk) containByDisk(b, *c.disk);
    for (const Collider& c : colliders)
        if (c.tube) containInTube(b, *c.tube);
}

int LavaStepper::step(Group& group, float dt) {
    SpatialHash& hash = stepHash;
    hash.clear();
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
    for (Blob* b : group.blobs) {
        b->cluster = -1;
        b->neighbourCount = 0;
        b->processed = false;
        hash.insert(b, 4.0f * b->radius);
        b->force = Point3D();
        heatBlob(*b);
        addBuoyancy(*b);
        addDrag(*b);
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

    // The blobs of b's bucket near enough for a pair force, gathered during the heat pass
    // so the force pass need not walk the bucket again. Positions do not change between
    // the two passes, so d stays valid. A bucket lists each blob at most once, so there
    // are never more than the group's blobs.
    nearby.resize(group.blobs.size());
    const float exchange = lavaParameters.heatDiffusion * 0.00003f;
    // Blobs are handled in list order, which is their slot order in the hash, so "o is not
    // processed yet" is "o's slot comes later", and such an o has not moved since it was
    // registered: both can be read from the hash without touching o.
    int32_t current = 0;
    for (Blob* b : group.blobs) {
        b->processed = true;
        int nearCount = 0;
        const float heatReach = 2.3f * b->radius, forceReach = 4.0f * b->radius;
        for (int32_t n = hash.bucketAt(b->position); n != SpatialHash::none; n = hash.nextNode(n)) {
            const int32_t slot = hash.slotOf(n);
            // Newest registration first: the slots fall along the list, so once one is
            // handled already, so are all after it.
            if (slot <= current) break;
            const Point3D d = hash.centreOf(slot) - b->position;
            const float squared = d.dot(d);
            if (certainlyBeyond(squared, forceReach)) continue;
            Blob* o = hash.blobOf(n);
            nearby[nearCount++] = {o, d, squared};
            if (!certainlyBeyond(squared, heatReach) && std::sqrt(squared) < heatReach) {
                ++b->neighbourCount;
                ++o->neighbourCount;
                const float q = exchange * (o->temperature - b->temperature);
                b->temperature += q;
                o->temperature -= q;
            }
        }
        const float tension = tensionOf(*b);
        for (int i = 0; i < nearCount; ++i)
            applyPairForce(*b, *nearby[i].o, nearby[i].d, nearby[i].squared, tension);
        ++current;
        b->previousCluster = b->cluster;
        b->step(dt);
        if (!b->fixed) contain(*b);
    }
    return clusters;
}
