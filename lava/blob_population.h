// Filling the lava with blobs: new blobs at random places low in the vessel, and setting
// the number of blobs. The lamp scene owns the generator and the lava material.
#pragma once

#include <cstdint>
#include <random>

class Blob;
class Group;
struct Material;

// Uniform integers 0 to 32767. Seeds itself from the clock on its first draw unless a
// seed was given (tests and tools use fixed seeds).
class BlobRandom {
public:
    BlobRandom() = default;
    explicit BlobRandom(uint32_t seed) { reseed(seed); }
    void reseed(uint32_t seed);
    int next();

private:
    std::mt19937 engine;
    bool seeded = false;
};

// A blob of radius 1.1 uniformly in -5 <= x, z <= 5, -14 <= y <= -4, in the lava
// material; null (and nothing added) when the group is full.
Blob* addRandomBlob(Group& lava, Material* lavaMaterial, BlobRandom& random);

// Adds or removes (newest first) blobs until the group holds n, n taken into 0..400.
void setParticleCount(Group& lava, int n, Material* lavaMaterial, BlobRandom& random);
