// The lava step: heat, buoyancy, drag and walls per blob; lumps by the cluster rules; heat
// exchange and surface tension between neighbours found through the spatial hash; motion.
#include "lava/lava_step.h"

#include <cmath>
#include <cstring>

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/spatial_hash.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"

namespace {

SpatialHash& stepHash() {
    static SpatialHash hash(2.0f);
    return hash;
}

float distance(const Point3D& a, const Point3D& b) { return (a - b).length(); }

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

void pairForce(Blob& b, Blob& o) {
    const Point3D d = o.position - b.position;
    const float dist = d.length();
    if (dist == 0) return;  // identical centres: no direction to push along
    const float r = b.radius;
    float f;
    if (b.cluster == o.cluster) {
        if (dist > 4 * r) return;
        const float a = 2 * r / dist;
        const float k = lavaParameters.surfaceTension * 35.0f / (static_cast<float>(b.neighbourCount) + 0.1f);
        const float a2 = a * a, a8 = a2 * a2 * a2 * a2;
        f = k * (a2 - a8);
    } else {
        if (dist > 3 * r) return;
        const float q = 4 * r / dist;
        f = -2.0f * q * q;
    }
    const Point3D push = d * (f / dist);
    b.force = b.force + push;
    o.force = o.force - push;
}

bool linkedTo(const Blob& m, const Blob& seed) {
    const float dist = distance(m.position, seed.position), r = seed.radius;
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

void lavaStep(Group& group, float dt) {
    SpatialHash& hash = stepHash();
    hash.clear();
    std::vector<Blob*> work;
    work.reserve(group.blobs.size());
    for (Blob* b : group.blobs) {
        b->cluster = -1;
        b->neighbourCount = 0;
        b->processed = false;
        hash.insert(b, 4.0f * b->radius);
        b->force = Point3D();
        heatBlob(*b);
        addBuoyancy(*b);
        addDrag(*b);
        for (Shape* s : group.colliders) {
            if (std::strcmp(s->name(), "tube") == 0)
                collideTube(*b, *static_cast<Tube*>(s));
            else
                collideDisk(*b, *static_cast<Disk*>(s));
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
    numClusters = clusters;

    const float exchange = lavaParameters.heatDiffusion * 0.00003f;
    for (Blob* b : group.blobs) {
        b->processed = true;
        const SpatialHash::Node* list = hash.bucketAt(b->position);
        for (const SpatialHash::Node* n = list; n; n = n->next) {
            Blob* o = n->blob;
            if (o->processed) continue;
            if (distance(o->position, b->position) < 2.3f * b->radius) {
                ++b->neighbourCount;
                ++o->neighbourCount;
                const float q = exchange * (o->temperature - b->temperature);
                b->temperature += q;
                o->temperature -= q;
            }
        }
        for (const SpatialHash::Node* n = list; n; n = n->next)
            if (!n->blob->processed) pairForce(*b, *n->blob);
        b->previousCluster = b->cluster;
        b->step(dt);
    }
}
