// The optimised lava step against a plain one. The product's pair pass reads centres from
// the hash's slot tables, gathers near blobs once and stops walking a bucket early; the
// reference below walks every bucket node and tests the "processed" marker, exactly as the
// step is defined. Both must leave every blob bit for bit the same.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "lava/blob.h"
#include "lava/lava_glass.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/lava_step.h"
#include "lava/spatial_hash.h"
#include "scene/quadric_shapes.h"

namespace {

// The values of a lava before any setting, as the tests' glasses have them.
const LavaParameters lava;

int referenceStep(Group& group, float dt, SpatialHash& hash) {
    hash.clear();
    std::vector<Blob*> work;
    for (Blob* b : group.blobs) {
        b->cluster = -1;
        b->neighbourCount = 0;
        b->processed = false;
        hash.insert(b, 4.0f * b->radius);
        b->force = Point3D();
        heatBlob(*b, lava);
        addBuoyancy(*b, lava);
        addDrag(*b, lava);
        for (Shape* s : group.colliders) {
            if (Tube* tube = dynamic_cast<Tube*>(s))
                collideTube(*b, *tube);
            else
                collideDisk(*b, *dynamic_cast<Disk*>(s));
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
    for (Blob* b : group.blobs) {
        b->processed = true;
        const int32_t first = hash.bucketAt(b->position);
        for (int32_t n = first; n != SpatialHash::none; n = hash.nextNode(n)) {
            Blob* o = hash.blobOf(n);
            if (o->processed) continue;
            const float dist = (o->position - b->position).length();
            if (dist < 2.3f * b->radius) {
                ++b->neighbourCount;
                ++o->neighbourCount;
                const float q = lava.heatDiffusion * 0.00003f * (o->temperature - b->temperature);
                b->temperature += q;
                o->temperature -= q;
            }
        }
        for (int32_t n = first; n != SpatialHash::none; n = hash.nextNode(n)) {
            Blob* o = hash.blobOf(n);
            if (!o->processed) pairForce(*b, *o, lava);
        }
        b->previousCluster = b->cluster;
        b->step(dt);
        if (b->fixed) continue;
        for (Shape* s : group.colliders)
            if (Disk* disk = dynamic_cast<Disk*>(s)) containByDisk(*b, *disk);
        for (Shape* s : group.colliders)
            if (Tube* tube = dynamic_cast<Tube*>(s)) containInTube(*b, *tube);
    }
    return clusters;
}

// Everything a step leaves in a blob, as bits.
bool sameBits(const Blob& a, const Blob& b) {
    const float fa[] = {a.position.x, a.position.y, a.position.z, a.velocity.x, a.velocity.y, a.velocity.z,
                        a.force.x,    a.force.y,    a.force.z,    a.temperature};
    const float fb[] = {b.position.x, b.position.y, b.position.z, b.velocity.x, b.velocity.y, b.velocity.z,
                        b.force.x,    b.force.y,    b.force.z,    b.temperature};
    return std::memcmp(fa, fb, sizeof fa) == 0 && a.cluster == b.cluster &&
           a.neighbourCount == b.neighbourCount && a.previousCluster == b.previousCluster;
}

void expectSameSteps(LavaGlass& product, LavaGlass& reference, int steps) {
    SpatialHash hash(2.0f);
    ASSERT_EQ(product.group.blobs.size(), reference.group.blobs.size());
    for (int step = 1; step <= steps; ++step) {
        product.step(0.02f);
        const int clusters = referenceStep(reference.group, 0.02f, hash);
        ASSERT_EQ(product.numClusters(), clusters) << "step " << step;
        for (size_t i = 0; i < product.group.blobs.size(); ++i)
            ASSERT_TRUE(sameBits(*product.group.blobs[i], *reference.group.blobs[i]))
                << "blob " << i << " differs after step " << step;
    }
}

class LavaStepReference : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(LavaStepReference, OptimisedStepIsBitIdenticalToThePlainOne) {
    LavaGlass product(77), reference(77);
    product.setParticleCount(GetParam());
    reference.setParticleCount(GetParam());
    expectSameSteps(product, reference, 2000);
}

// Every pair that the pair terms reach (within 4 radii) is registered in the bucket of the
// first blob's centre, whatever the lava looks like: the early stop and the registration
// radius lose no pair.
TEST_P(LavaStepReference, EveryPairWithinFourRadiiIsInTheBucket) {
    LavaGlass glass(91);
    glass.setParticleCount(GetParam());
    SpatialHash hash(2.0f);
    int checkedPairs = 0;
    for (int round = 0; round < 10; ++round) {
        for (int i = 0; i < 200; ++i) glass.step(0.02f);
        hash.clear();
        std::vector<int32_t> slotOf;
        for (Blob* b : glass.group.blobs) slotOf.push_back(hash.insert(b, 4.0f * b->radius));
        const std::vector<Blob*>& blobs = glass.group.blobs;
        for (size_t i = 0; i < blobs.size(); ++i)
            for (size_t j = i + 1; j < blobs.size(); ++j) {
                if ((blobs[j]->position - blobs[i]->position).length() > 4.0f * blobs[i]->radius) continue;
                ++checkedPairs;
                bool found = false;
                for (int32_t n = hash.bucketAt(blobs[i]->position); n != SpatialHash::none && !found;
                     n = hash.nextNode(n))
                    found = hash.slotOf(n) == slotOf[j];
                ASSERT_TRUE(found) << "pair " << i << "," << j << " in round " << round;
            }
    }
    EXPECT_GT(checkedPairs, 1000);
}

INSTANTIATE_TEST_SUITE_P(Blobs, LavaStepReference, ::testing::Values(175, 400));

// More blobs than the lamp allows, pushed straight onto the public list and crowded into
// one cluster: the step's scratch space grows with the list instead of running off its end.
TEST(LavaStepCrowd, MoreBlobsThanTheCapStepLikeThePlainStep) {
    LavaGlass product(5), reference(5);
    for (LavaGlass* glass : {&product, &reference}) {
        glass->setParticleCount(400);
        for (int i = 0; i < 60; ++i) {
            Blob* b = new Blob(Point3D(0.01f * static_cast<float>(i % 7), -12.0f + 0.02f * static_cast<float>(i), 0), 1.1f);
            glass->group.blobs.insert(glass->group.blobs.begin(), b);
        }
        for (Blob* b : glass->group.blobs) b->position = b->position * 0.05f + Point3D(0, -12, 0);
    }
    expectSameSteps(product, reference, 20);
}

namespace {

// A lava of blobs of many sizes: a small blob registers with a shorter reach than a large
// one looks, so only the registration decides whether they meet.
void mixSizes(LavaGlass& glass, int count, float smallest, float largest) {
    glass.setParticleCount(count);
    std::vector<Blob*>& blobs = glass.group.blobs;
    for (size_t i = 0; i < blobs.size(); ++i) {
        const float t = static_cast<float>(i % 7) / 6.0f;
        blobs[i]->radius = smallest + (largest - smallest) * t;
    }
}

}  // namespace

TEST(LavaStepSizes, BlobsOfManySizesStepLikeThePlainStep) {
    LavaGlass product(31), reference(31);
    mixSizes(product, 300, 0.4f, 1.8f);
    mixSizes(reference, 300, 0.4f, 1.8f);
    expectSameSteps(product, reference, 400);
}

// Blobs so large that their registrations overflow the hash's pool, and more blobs than
// the scan takes: the step walks the buckets, skipped registrations and all.
TEST(LavaStepSizes, OverflowingThePoolAndTooManyBlobsStepLikeThePlainStep) {
    LavaGlass product(8), reference(8);
    mixSizes(product, 150, 2.0f, 4.0f);
    mixSizes(reference, 150, 2.0f, 4.0f);
    expectSameSteps(product, reference, 20);
    for (LavaGlass* glass : {&product, &reference})
        for (int i = 0; i < static_cast<int>(LavaStepper::maxScannedBlobs) + 10; ++i)
            glass->group.blobs.push_back(
                new Blob(Point3D(0.003f * static_cast<float>(i % 97), -10.0f + 0.02f * static_cast<float>(i), 0), 1.1f));
    expectSameSteps(product, reference, 5);
}

// Whether the hash would register a blob in a cell, asked without filling it, agrees with
// what insert registers: centres inside and beyond the grid, on cell borders, NaN.
TEST(LavaStepSizes, RegistrationAnswersAsInsertRegisters) {
    SpatialHash hash(2.0f);
    std::vector<Blob> blobs;
    const float coordinates[] = {0.0f, 1.0f, -3.999f, 7.25f, 98.9f, -99.5f, 150.0f, -1e9f, std::nanf("")};
    const float radii[] = {0.3f, 1.1f, 2.7f};
    for (float x : coordinates)
        for (float r : radii) blobs.emplace_back(Point3D(x, 0.5f * x + 0.3f, -x * 0.7f), r);
    for (Blob& blob : blobs) {
        hash.clear();
        hash.insert(&blob, 4.0f * blob.radius);
        const SpatialHash::Registration r = hash.registrationOf(blob.position, 4.0f * blob.radius);
        int registered = 0;
        for (int i = r.lo[0] - 1; i <= r.hi[0] + 1; ++i)
            for (int j = r.lo[1] - 1; j <= r.hi[1] + 1; ++j)
                for (int k = r.lo[2] - 1; k <= r.hi[2] + 1; ++k) {
                    if (i < 0 || j < 0 || k < 0 || i >= SpatialHash::cellsPerAxis || j >= SpatialHash::cellsPerAxis ||
                        k >= SpatialHash::cellsPerAxis)
                        continue;
                    const float size = hash.cellSize(), middle = SpatialHash::cellsPerAxis / 2;
                    const Point3D inCell((static_cast<float>(i) + 0.5f - middle) * size,
                                         (static_cast<float>(j) + 0.5f - middle) * size,
                                         (static_cast<float>(k) + 0.5f - middle) * size);
                    ASSERT_EQ(hash.cellOf(inCell).i, i);
                    const bool inBucket = hash.bucketAt(inCell) != SpatialHash::none;
                    ASSERT_EQ(SpatialHash::registers(r, {i, j, k}), inBucket)
                        << "blob at " << blob.position.x << " radius " << blob.radius << ", cell " << i << "," << j << ","
                        << k;
                    registered += inBucket ? 1 : 0;
                }
        EXPECT_EQ(registered, hash.nodesUsed());
        EXPECT_GT(registered, 0);
    }
}

// The hash's buckets cover only a box round what was registered, grown as registrations
// come: blobs inserted from the middle outward, each beyond the box so far, are all still
// found after the box has grown round them, in their lists and in the packed layout, and
// the box of a lamp's lava is a small part of the grid.
TEST(LavaStepSizes, TheHashGrowsRoundWhatItHolds) {
    SpatialHash hash(2.0f, true);
    std::vector<Blob> blobs;
    for (int n = 0; n < 12; ++n) {
        const float reach = 3.0f * static_cast<float>(n);
        blobs.emplace_back(Point3D(n % 2 ? reach : -reach, n % 3 ? -reach : reach, 0.5f * reach), 1.0f);
    }
    for (int round = 0; round < 2; ++round) {
        hash.clear();
        for (Blob& blob : blobs) hash.insert(&blob, 4.0f);
        hash.pack();
        for (size_t b = 0; b < blobs.size(); ++b) {
            int inList = 0, packed = 0;
            for (int32_t n = hash.bucketAt(blobs[b].position); n != SpatialHash::none; n = hash.nextNode(n))
                inList += hash.slotOf(n) == static_cast<int32_t>(b);
            const SpatialHash::PackedRange range = hash.packedAt(blobs[b].position);
            for (int32_t at = range.begin; at < range.end; ++at) packed += hash.packedSlot()[at] == static_cast<int32_t>(b);
            EXPECT_EQ(inList, 1) << "blob " << b << " round " << round;
            EXPECT_EQ(packed, 1) << "blob " << b << " round " << round;
        }
        EXPECT_EQ(hash.bucketAt(Point3D(90, 90, 90)), SpatialHash::none) << "outside the box";
    }
    EXPECT_LT(hash.bucketCount(), 40 * 40 * 40);

    LavaGlass glass(3);
    SpatialHash lampHash(2.0f, true);
    for (int n = 0; n < 500; ++n) glass.step(0.02f);
    for (Blob* b : glass.group.blobs) lampHash.insert(b, 4.0f * b->radius);
    EXPECT_LT(lampHash.bytes(), size_t{2} << 20) << "a lamp's hash, not the grid's million buckets";
}
