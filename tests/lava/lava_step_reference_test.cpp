// The optimised lava step against a plain one. The product's pair pass reads centres from
// the hash's slot tables, gathers near blobs once and stops walking a bucket early; the
// reference below walks every bucket node and tests the "processed" marker, exactly as the
// step is defined. Both must leave every blob bit for bit the same.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "lava/blob.h"
#include "lava/lava_glass.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/spatial_hash.h"
#include "scene/quadric_shapes.h"

namespace {

int referenceStep(Group& group, float dt, SpatialHash& hash) {
    hash.clear();
    std::vector<Blob*> work;
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
                const float q = lavaParameters.heatDiffusion * 0.00003f * (o->temperature - b->temperature);
                b->temperature += q;
                o->temperature -= q;
            }
        }
        for (int32_t n = first; n != SpatialHash::none; n = hash.nextNode(n)) {
            Blob* o = hash.blobOf(n);
            if (!o->processed) pairForce(*b, *o);
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

class LavaStepReference : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { lavaParameters.reset(); }
};

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
    lavaParameters.reset();
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
