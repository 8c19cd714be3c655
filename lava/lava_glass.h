// LavaGlass: the lava in its glass, without the rest of the lamp — a lava group holding the
// blobs, the vessel's colliders, the engine that steps and draws them, and the generator of
// new blobs. The lamp holds one; the tools, tests and benchmarks use one alone.
#pragma once

#include <cstdint>

#include "lava/blob_population.h"
#include "lava/lava_engine.h"
#include "lava/lava_vessel.h"
#include "scene/group.h"

struct Material;

class LavaGlass {
public:
    // seed: the blob generator's seed (0: from the clock on first use); new blobs point to
    // `blobMaterial`. The glass starts empty.
    explicit LavaGlass(uint32_t seed = 0, Material* blobMaterial = nullptr);
    LavaGlass(const LavaGlass&) = delete;
    LavaGlass& operator=(const LavaGlass&) = delete;

    // A new blob at a random place low in the vessel; null when the glass is full.
    Blob* addRandomBlob();
    // Adds or removes (newest first) blobs until the glass holds n (taken into 0..400).
    void setParticleCount(int n);
    // One lava step without touching OpenGL (the group's own step also pushes its transform).
    void step(float dt) { engine.stepBlobs(group, dt); }
    int numClusters() const { return engine.numClusters; }

    // Declared first: the group deletes its blobs through the engine.
    LavaEngine engine;
    Group group;
    LavaVessel vessel;
    BlobRandom random;
    Material* blobMaterial;
};
