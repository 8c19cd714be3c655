// The terms of the lava step, one function each, so that every rule can be tested alone.
// Forces act on unit masses (a force is an acceleration); heat changes are per step.
#pragma once

#include <cmath>
#include <vector>

#include "lava/blob.h"
#include "lava/lava_parameters.h"

class Tube;
class Disk;

// The temperature the bulb heats wax towards at a lamp heat of 1.
constexpr float bulbTemperature = 150.0f;
// The temperature the glass cools wax towards at height y: -1 at the floor (y = -15),
// 0.2 colder for every unit higher.
constexpr float coolingTarget(float y) { return (y + 15.0f) * 0.033333335f * -6.0f - 1.0f; }

// Heated near the bottom centre, then cooled five times (minus its neighbours) towards a
// target that falls with height.
void heatBlob(Blob& b, const LavaParameters& lava);
// Hot wax rises, cold wax sinks; wax resting on the bottom or at the top sticks there
// until it is 20 degrees past neutral.
void addBuoyancy(Blob& b, const LavaParameters& lava);
// Drag against the velocity, growing with speed.
void addDrag(Blob& b, const LavaParameters& lava);
// Keeps the blob inside the tube's truncated cone (a push of 20 / gap, 200 outside).
void collideTube(Blob& b, const Tube& tube);
// A floor (side 0), ceiling (side 2) or two-faced plane at the disk's height.
void collideDisk(Blob& b, const Disk& disk);
// After the move: a blob whose centre went through the tube's wall or past the floor
// (side 0) or ceiling (side 2) disk within one step — only long steps move that far — is
// put back on it, and the part of its velocity that was carrying it out is dropped.
void containInTube(Blob& b, const Tube& tube);
void containByDisk(Blob& b, const Disk& disk);
// Surface tension within a cluster, repulsion between clusters; skips identical centres.
void pairForce(Blob& b, Blob& o, const LavaParameters& lava);
// Whether m belongs to seed's cluster (pooled at the bottom or top, or together last step).
bool linkedTo(const Blob& m, const Blob& seed);
// Moves every blob of `work` linked to `seed`, directly or through others, into seed's
// cluster, removing it from `work`; visits in the order a recursive walk would, without
// the recursion depth.
void assignCluster(std::vector<Blob*>& work, Blob& seed);

// The step's inner loop uses these as they stand (inline), so that pairForce and the step
// compute the very same bits.

// True when |d| is certainly greater than `limit`, decided on the squared length so the
// square root is only taken for pairs near enough to matter. The margin keeps the answer
// the same as comparing the rounded square root itself.
inline float beyondSquared(float limit) { return limit * limit * 1.0001f; }
inline bool certainlyBeyond(float squaredLength, float limit) { return squaredLength > beyondSquared(limit); }

// Surface tension of b's cluster, which weakens as b gathers neighbours.
inline float tensionOf(const Blob& b, const LavaParameters& lava) {
    return lava.surfaceTension * 35.0f / (static_cast<float>(b.neighbourCount) + 0.1f);
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
