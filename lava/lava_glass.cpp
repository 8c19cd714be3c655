// The lava in its glass.
#include "lava/lava_glass.h"

LavaGlass::LavaGlass(uint32_t seed, Material* blobMaterial) : blobMaterial(blobMaterial) {
    if (seed != 0) random.reseed(seed);
    group.blobBehaviour = &engine;
    vessel.addCollidersTo(group);
}

Blob* LavaGlass::addRandomBlob() { return ::addRandomBlob(group, blobMaterial, random); }

void LavaGlass::setParticleCount(int n) { ::setParticleCount(group, n, blobMaterial, random); }
