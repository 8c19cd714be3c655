// Random blobs and the blob count.
#include "lava/blob_population.h"

#include <algorithm>
#include <chrono>

#include "lava/blob.h"
#include "scene/group.h"

void BlobRandom::reseed(uint32_t seed) {
    engine.seed(seed);
    seeded = true;
}

int BlobRandom::next() {
    if (!seeded)
        reseed(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return static_cast<int>(engine() & 0x7FFF);
}

Blob* addRandomBlob(Group& lava, Material* lavaMaterial, BlobRandom& random) {
    const int u1 = random.next(), u2 = random.next(), u3 = random.next();
    const float x = static_cast<float>(u1) * 0.00030518509f - 5.0f;
    const float z = static_cast<float>(u2) * 0.00030518509f - 5.0f;
    const float y = static_cast<float>(u3) * 0.00030518509f - 14.0f;
    Blob* blob = new Blob(Point3D(x, y, z), blobRadius);
    blob->material = lavaMaterial;
    if (!lava.addBlob(blob)) {
        delete blob;
        return nullptr;
    }
    return blob;
}

void setParticleCount(Group& lava, int n, Material* lavaMaterial, BlobRandom& random) {
    n = std::clamp(n, 0, maxBlobs);
    while (lava.blobCount() < n) addRandomBlob(lava, lavaMaterial, random);
    while (lava.blobCount() > n) lava.removeBlob();
}
