// The terms of the lava step.
#include "lava/lava_physics.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "scene/quadric_shapes.h"

void heatBlob(Blob& b, const LavaParameters& lava) {
    const Point3D& p = b.position;
    if (p.y < -12.0f && p.x * p.x + p.z * p.z < 5.0f)
        b.temperature += (bulbTemperature * lava.lampHeat - b.temperature) * 0.0005f;
    const float target = coolingTarget(p.y);
    for (int i = 0; i < 5 - b.neighbourCount; ++i)
        b.temperature += (target - b.temperature) * lava.coolingRate * 0.00025f;
}

void addBuoyancy(Blob& b, const LavaParameters& lava) {
    const float r = b.radius, t = b.temperature, y = b.position.y;
    if (y - 2 * r < -14.5f)
        b.force.y += (t - 20.0f) * lava.buoyancy;
    else if (y + 2 * r > 15.5f)
        b.force.y += (t + 20.0f) * lava.buoyancy;
    else
        b.force.y += t * lava.buoyancy;
}

void addDrag(Blob& b, const LavaParameters& lava) {
    const float s = b.velocity.length();
    b.force = b.force + b.velocity * (s * lava.viscosity * -0.5f);
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


void pairForce(Blob& b, Blob& o, const LavaParameters& lava) {
    const Point3D d = o.position - b.position;
    applyPairForce(b, o, d, d.dot(d), tensionOf(b, lava));
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
