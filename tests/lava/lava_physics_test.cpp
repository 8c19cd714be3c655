// The lava's rules, one at a time, with the numbers the physics is built on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "lava/blob.h"
#include "lava/blob_population.h"
#include "lava/lava_parameters.h"
#include "lava/lava_engine.h"
#include "lava/lava_census.h"
#include "lava/lava_glass.h"
#include "lava/lava_physics.h"
#include "lava/lava_vessel.h"
#include "lava/spatial_hash.h"
#include "scene/group.h"
#include "scene/quadric_shapes.h"

namespace {

class LavaTest : public ::testing::Test {
protected:
    // The values the physics functions are given: every one as before any setting.
    LavaParameters lava;

    Blob* add(Group& group, float x, float y, float z) {
        Blob* b = new Blob(Point3D(x, y, z), 1.1f);
        EXPECT_TRUE(group.addBlob(b));
        return b;
    }
    // Steps and deletes the blobs of the tests' groups.
    LavaEngine engine;
};

}  // namespace

TEST_F(LavaTest, LoneBlobHeatsCoolsAndSinks) {
    Group lava;
    lava.blobBehaviour = &engine;
    Blob* b = add(lava, 0, -13, 0);
    engine.stepBlobs(lava, 0.02f);
    EXPECT_NEAR(b->temperature, -1.9233453f, 2e-7f);
    // Resting on the bottom: y - 2r < -14.5, so it needs 20 more degrees to rise.
    EXPECT_NEAR(b->force.y, -1.9233453f - 20.0f, 2e-6f);
    EXPECT_EQ(b->cluster, 0);
    EXPECT_EQ(engine.numClusters, 1);
    EXPECT_NEAR(b->velocity.y, 0.02f * b->force.y, 1e-6f);
    EXPECT_NEAR(b->position.y, -13.0f + 0.02f * b->velocity.y, 1e-6f);
}

TEST_F(LavaTest, HeatingAloneAndCoolingTarget) {
    Blob b(Point3D(0, -13, 0), 1.1f);
    b.neighbourCount = 5;  // no cooling
    heatBlob(b, lava);
    EXPECT_NEAR(b.temperature, -1.924f, 1e-6f);
    Blob outside(Point3D(3, -13, 0), 1.1f);  // x² + z² = 9: outside the heated zone
    outside.neighbourCount = 7;
    heatBlob(outside, lava);
    EXPECT_FLOAT_EQ(outside.temperature, -2.0f);
    Blob top(Point3D(0, 16, 0), 1.1f);
    top.temperature = 0;
    for (int i = 0; i < 100000; ++i) heatBlob(top, lava);
    EXPECT_NEAR(top.temperature, -7.2f, 1e-3f);  // the target at the top
    lava.lampHeat = 2;
    Blob hot(Point3D(0, -13, 0), 1.1f);
    hot.neighbourCount = 5;
    heatBlob(hot, lava);
    EXPECT_NEAR(hot.temperature, -2.0f + 302.0f * 0.0005f, 1e-6f);
}

TEST_F(LavaTest, BuoyancyAndDrag) {
    Blob b(Point3D(0, 0, 0), 1.1f);
    b.temperature = 3;
    addBuoyancy(b, lava);
    EXPECT_FLOAT_EQ(b.force.y, 3.0f);
    Blob top(Point3D(0, 14, 0), 1.1f);  // y + 2r > 15.5: sticks at the top
    top.temperature = -3;
    addBuoyancy(top, lava);
    EXPECT_FLOAT_EQ(top.force.y, 17.0f);
    lava.buoyancy = 2;
    Blob bottom(Point3D(0, -13, 0), 1.1f);
    bottom.temperature = 25;
    addBuoyancy(bottom, lava);
    EXPECT_FLOAT_EQ(bottom.force.y, 10.0f);
    Blob moving(Point3D(), 1.1f);
    moving.velocity = Point3D(3, 0, 4);  // speed 5
    addDrag(moving, lava);
    EXPECT_FLOAT_EQ(moving.force.x, -7.5f);
    EXPECT_FLOAT_EQ(moving.force.z, -10.0f);
}

TEST_F(LavaTest, GlassPushesBackWithTwoHundredOutside) {
    Disk floor(Point3D(0, -15, 0), 7.4f, 30, 0);
    Blob below(Point3D(0, -15, 0), 1.1f);
    collideDisk(below, floor);
    EXPECT_FLOAT_EQ(below.force.y, 200.0f);
    Blob near(Point3D(0, -14, 0), 1.1f);  // 1 above: 20 / 1
    collideDisk(near, floor);
    EXPECT_FLOAT_EQ(near.force.y, 20.0f);
    Blob far(Point3D(0, -13, 0), 1.1f);  // 2 > 1.5r: free
    collideDisk(far, floor);
    EXPECT_FLOAT_EQ(far.force.y, 0.0f);

    Disk ceiling(Point3D(0, 16, 0), 4.21f, 30, 2);
    Blob above(Point3D(0, 16.5f, 0), 1.1f);
    collideDisk(above, ceiling);
    EXPECT_FLOAT_EQ(above.force.y, -200.0f);
    Blob under(Point3D(0, 15, 0), 1.1f);
    collideDisk(under, ceiling);
    EXPECT_FLOAT_EQ(under.force.y, -20.0f);
    Disk both(Point3D(0, 0, 0), 3, 30, 1);
    Blob onIt(Point3D(0, 0, 0), 1.1f);
    collideDisk(onIt, both);
    EXPECT_FLOAT_EQ(onIt.force.y, 1.0f);

    Tube tube(Point3D(0, -15, 0), 10.8f, 7.3f, 7, 30);
    Blob outside(Point3D(9, -14, 0), 1.1f);  // wall at 7.8 here
    collideTube(outside, tube);
    EXPECT_FLOAT_EQ(outside.force.x, -200.0f);
    EXPECT_FLOAT_EQ(outside.force.z, 0.0f);
    Blob inside(Point3D(0, -14, 7.3f), 1.1f);  // gap 0.5: 20 / 0.5 towards the axis
    collideTube(inside, tube);
    EXPECT_NEAR(inside.force.z, -40.0f, 1e-3f);
    Blob onAxis(Point3D(0, -12, 0), 1.1f);
    collideTube(onAxis, tube);
    EXPECT_FLOAT_EQ(onAxis.force.x, 0.0f);
    Blob beyond(Point3D(20, -20, 0), 1.1f);  // below the tube's base: not its business
    collideTube(beyond, tube);
    EXPECT_FLOAT_EQ(beyond.force.x, 0.0f);
}

TEST_F(LavaTest, ALongStepThroughTheGlassEndsOnIt) {
    Tube tube(Point3D(0, -15, 0), 10.8f, 7.3f, 7, 30);
    Blob out(Point3D(9, -14, 0), 1.1f);  // wall at 7.8 here
    out.velocity = Point3D(5, 1, 2);
    containInTube(out, tube);
    EXPECT_NEAR(out.position.x, 7.8f, 1e-5f);
    EXPECT_FLOAT_EQ(out.position.y, -14);
    EXPECT_FLOAT_EQ(out.velocity.x, 0) << "the outward part goes";
    EXPECT_FLOAT_EQ(out.velocity.z, 2) << "the rest stays";
    Blob leaving(Point3D(0, -14, 7.0f), 1.1f);  // inside: untouched, whatever its speed
    leaving.velocity = Point3D(0, 0, 10);
    containInTube(leaving, tube);
    EXPECT_FLOAT_EQ(leaving.position.z, 7.0f);
    EXPECT_FLOAT_EQ(leaving.velocity.z, 10);

    Disk floor(Point3D(0, -15, 0), 7.4f, 30, 0), ceiling(Point3D(0, 16, 0), 4.21f, 30, 2);
    Blob sunk(Point3D(1, -16.5f, 0), 1.1f), risen(Point3D(0, 17, 0), 1.1f);
    sunk.velocity = Point3D(0, -3, 0);
    risen.velocity = Point3D(0, -1, 0);
    containByDisk(sunk, floor);
    containByDisk(risen, ceiling);
    EXPECT_FLOAT_EQ(sunk.position.y, -15);
    EXPECT_FLOAT_EQ(sunk.velocity.y, 0);
    EXPECT_FLOAT_EQ(risen.position.y, 16);
    EXPECT_FLOAT_EQ(risen.velocity.y, -1) << "already coming back";

    // Through the whole step, at ten times the usual time step: nothing ends outside.
    LavaGlass glass(7);
    glass.setParticleCount(175);
    float worst = 0;
    for (int n = 0; n < 3000; ++n) {
        glass.step(0.2f);
        worst = std::max(worst, takeCensus(glass.group.blobs, glass.vessel, glass.numClusters()).worstEscape);
    }
    EXPECT_LE(worst, 1e-4f);
}

TEST_F(LavaTest, PairForcesOfOneClusterAndOfTwo) {
    const float r = 1.1f;
    auto pair = [&](float distance, int clusterA, int clusterB, int neighbours) {
        auto a = std::make_unique<Blob>(Point3D(0, 0, 0), r);
        auto b = std::make_unique<Blob>(Point3D(distance, 0, 0), r);
        a->cluster = clusterA;
        b->cluster = clusterB;
        a->neighbourCount = neighbours;
        pairForce(*a, *b, lava);
        EXPECT_FLOAT_EQ(a->force.x, -b->force.x);
        return a->force.x;
    };
    EXPECT_NEAR(pair(2 * r, 0, 0, 1), 0.0f, 1e-5f);         // rest distance
    EXPECT_FLOAT_EQ(pair(4 * r + 1e-4f, 0, 0, 1), 0.0f);    // out of reach
    const float k = 35.0f / 1.1f;
    EXPECT_NEAR(k, 31.818f, 1e-3f);
    const float a = 2.0f / 3.0f;
    EXPECT_NEAR(pair(3 * r, 0, 0, 1), k * (a * a - std::pow(a, 8.0f)), 1e-4f);
    EXPECT_NEAR(pair(3 * r, 0, 0, 1), 12.90f, 0.01f);       // pulls b towards a (+x)
    EXPECT_LT(pair(1.5f * r, 0, 0, 1), 0.0f);                // too close: pushes apart
    EXPECT_NEAR(pair(3 * r, 0, 1, 1), -2.0f * (4.0f / 3) * (4.0f / 3), 1e-4f);
    EXPECT_FLOAT_EQ(pair(3 * r + 1e-4f, 0, 1, 1), 0.0f);
    lava.surfaceTension = 0;
    EXPECT_FLOAT_EQ(pair(3 * r, 0, 0, 1), 0.0f);
}

TEST_F(LavaTest, SpeedIsLimitedToTen) {
    Blob b(Point3D(), 1.1f);
    b.force = Point3D(3000, 0, 4000);
    b.step(0.02f);  // velocity (60, 0, 80) -> 10 along it
    EXPECT_FLOAT_EQ(b.velocity.length(), 10.0f);
    EXPECT_FLOAT_EQ(b.velocity.x, 6.0f);
    EXPECT_FLOAT_EQ(b.position.z, 0.16f);
    Blob fixed(Point3D(1, 2, 3), 1.1f);
    fixed.fixed = 1;
    fixed.force = Point3D(10, 10, 10);
    fixed.step(0.02f);
    EXPECT_FLOAT_EQ(fixed.position.y, 2.0f);
    EXPECT_FLOAT_EQ(fixed.velocity.y, 0.0f);
    // Also for velocities whose square overflows a float: 10 along the same direction.
    b.velocity = Point3D(3e30f, -4e30f, 0);  // its square overflows a float
    b.step(0.0f);
    EXPECT_NEAR(b.velocity.length(), 10.0f, 1e-4f);
    EXPECT_NEAR(b.velocity.x, 6.0f, 1e-5f);
    b.velocity = Point3D(0, 0, 0);
    b.force = Point3D(0, 1e38f, 0);
    b.step(0.02f);
    EXPECT_NEAR(b.velocity.y, 10.0f, 1e-4f);
    EXPECT_TRUE(std::isfinite(b.position.y));
}

TEST_F(LavaTest, ZeroTimeStepMovesNothingButHeatAndClustersGoOn) {
    Group lava;
    lava.blobBehaviour = &engine;
    LavaVessel vessel;
    vessel.addCollidersTo(lava);
    BlobRandom random(5);
    setParticleCount(lava, 30, nullptr, random);
    for (int i = 0; i < 20; ++i) engine.stepBlobs(lava, 0.02f);
    std::vector<Point3D> before;
    std::vector<float> temperatures;
    for (Blob* b : lava.blobs) {
        before.push_back(b->position);
        temperatures.push_back(b->temperature);
    }
    for (int i = 0; i < 10; ++i) engine.stepBlobs(lava, 0.0f);
    int warmer = 0;
    for (size_t i = 0; i < lava.blobs.size(); ++i) {
        EXPECT_EQ(lava.blobs[i]->position.y, before[i].y);
        EXPECT_EQ(lava.blobs[i]->position.x, before[i].x);
        warmer += lava.blobs[i]->temperature != temperatures[i];
        EXPECT_GE(lava.blobs[i]->cluster, 0);
    }
    EXPECT_EQ(warmer, 30);
    EXPECT_GE(engine.numClusters, 1);
}

TEST_F(LavaTest, FixedBlobsHeatAndPushButNeverMove) {
    Group lava;
    lava.blobBehaviour = &engine;
    Blob* anchor = add(lava, 0, -13, 0);
    anchor->fixed = 1;
    Blob* other = add(lava, 1.5f, -13, 0);  // too close: pushed away
    for (int i = 0; i < 5; ++i) engine.stepBlobs(lava, 0.02f);
    EXPECT_FLOAT_EQ(anchor->position.x, 0.0f);
    EXPECT_FLOAT_EQ(anchor->position.y, -13.0f);
    EXPECT_NE(anchor->temperature, -2.0f);
    EXPECT_GT(other->position.x, 1.5f);
    EXPECT_NE(anchor->force.x, 0.0f);
}

TEST_F(LavaTest, HeatExchangeConservesTheSum) {
    engine.parameters.coolingRate = 0;  // only the exchange changes temperatures
    Group lava;
    lava.blobBehaviour = &engine;
    Blob* a = add(lava, 0, 0, 0);
    Blob* b = add(lava, 2, 0, 0);
    a->temperature = 10;
    b->temperature = -6;
    for (int i = 0; i < 200; ++i) {
        engine.stepBlobs(lava, 0.0f);
        EXPECT_NEAR(a->temperature + b->temperature, 4.0f, 1e-4f);
    }
    EXPECT_LT(a->temperature, 10.0f);
    EXPECT_GT(b->temperature, -6.0f);
    EXPECT_EQ(a->neighbourCount, 1);
}

TEST_F(LavaTest, ClustersFollowTheClusterRules) {
    Group lava;
    lava.blobBehaviour = &engine;
    // Two pooled on the bottom, 3r apart: one cluster. One far away in the open: its own.
    Blob* p1 = add(lava, 0, -14.5f, 0);
    Blob* p2 = add(lava, 3.2f, -14.5f, 0);
    Blob* loner = add(lava, 0, 5, 0);
    for (Blob* b : {p1, p2, loner}) b->previousCluster = -1;
    engine.stepBlobs(lava, 0.0f);
    EXPECT_EQ(engine.numClusters, 2);
    EXPECT_EQ(p1->cluster, p2->cluster);
    EXPECT_NE(loner->cluster, p1->cluster);
    // In the open, blobs of different clusters do not merge by meeting...
    Blob a(Point3D(0, 0, 0), 1.1f), b(Point3D(2, 0, 0), 1.1f);
    a.previousCluster = 1;
    b.previousCluster = 2;
    EXPECT_FALSE(linkedTo(a, b));
    // ...but stay together while close when they were one cluster.
    b.previousCluster = 1;
    EXPECT_TRUE(linkedTo(a, b));
    b.position = Point3D(3.96f + 0.01f, 0, 0);
    EXPECT_FALSE(linkedTo(a, b));
    // Cluster 0 is a cluster like any other; -1 (a new blob) is none.
    b.position = Point3D(2, 0, 0);
    a.previousCluster = b.previousCluster = 0;
    EXPECT_TRUE(linkedTo(a, b));
    a.previousCluster = b.previousCluster = -1;
    EXPECT_FALSE(linkedTo(a, b));
    // At the top, as at the bottom, blobs 3r apart pool whatever they were.
    a.position = Point3D(0, 16, 0);
    b.position = Point3D(3.2f, 16, 0);
    EXPECT_TRUE(linkedTo(a, b));
}

TEST_F(LavaTest, ClusterWalkGathersChainsWithoutDeepRecursion) {
    // A chain of 5000 blobs, each linked only to the next: a recursive walk would nest
    // 5000 deep.
    std::vector<std::unique_ptr<Blob>> chain;
    std::vector<Blob*> work;
    for (int i = 0; i < 5000; ++i) {
        chain.push_back(std::make_unique<Blob>(Point3D(static_cast<float>(i) * 3.5f, 0, 0), 1.1f));
        chain.back()->previousCluster = 7;
        chain.back()->cluster = -1;
        if (i > 0) work.push_back(chain.back().get());
    }
    chain[0]->cluster = 3;
    assignCluster(work, *chain[0]);
    EXPECT_TRUE(work.empty());
    for (const auto& b : chain) EXPECT_EQ(b->cluster, 3);
}

TEST_F(LavaTest, BlobCountFollowsSetParticleCount) {
    Group lava;
    lava.blobBehaviour = &engine;
    BlobRandom random(9);
    setParticleCount(lava, 175, nullptr, random);
    EXPECT_EQ(lava.blobCount(), 175);
    for (Blob* b : lava.blobs) {
        EXPECT_GE(b->position.x, -5.0f);
        EXPECT_LE(b->position.x, 5.0f);
        EXPECT_GE(b->position.y, -14.0f);
        EXPECT_LE(b->position.y, -4.0f);
        EXPECT_FLOAT_EQ(b->radius, 1.1f);
        EXPECT_FLOAT_EQ(b->temperature, -2.0f);
    }
    setParticleCount(lava, 500, nullptr, random);
    EXPECT_EQ(lava.blobCount(), 400);
    EXPECT_EQ(addRandomBlob(lava, nullptr, random), nullptr);  // the 401st
    EXPECT_EQ(lava.blobCount(), 400);
    setParticleCount(lava, -3, nullptr, random);
    EXPECT_EQ(lava.blobCount(), 0);
    engine.numClusters = 4;
    engine.stepBlobs(lava, 0.02f);  // empty: nothing at all happens
    EXPECT_EQ(engine.numClusters, 4);
}

TEST_F(LavaTest, SpatialHashFindsNeighboursAndClampsToTheBorder) {
    SpatialHash hash(2.0f);
    Blob a(Point3D(0.5f, 0.5f, 0.5f), 1.1f), b(Point3D(3, 0, 0), 1.1f);
    hash.insert(&a, 4.4f);
    hash.insert(&b, 4.4f);
    // Newest first in the bucket of a's centre.
    int32_t n = hash.bucketAt(a.position);
    ASSERT_NE(n, SpatialHash::none);
    EXPECT_EQ(hash.blobOf(n), &b);
    EXPECT_EQ(hash.blobOf(hash.nextNode(n)), &a);
    EXPECT_EQ(hash.nextNode(hash.nextNode(n)), SpatialHash::none);
    EXPECT_LE(hash.nodesUsed(), 2 * 125);
    EXPECT_EQ(hash.bucketAt(Point3D(30, 30, 30)), SpatialHash::none);
    // Far outside the grid: registered in the border cell, which every point beyond it
    // looks up.
    Blob far(Point3D(1e6f, -1e6f, 0), 1.1f);
    hash.insert(&far, 0.1f);
    for (const Point3D& beyond : {Point3D(500, -500, 0), Point3D(1e6f, -1e6f, 0), Point3D(3e9f, -101, 0.5f)}) {
        const int32_t n = hash.bucketAt(beyond);
        ASSERT_NE(n, SpatialHash::none);
        EXPECT_EQ(hash.blobOf(n), &far);
    }
    EXPECT_NE(hash.bucketAt(Point3D(500, 500, 0)), hash.bucketAt(Point3D(500, -500, 0)));
    hash.clear();
    EXPECT_EQ(hash.bucketAt(a.position), SpatialHash::none);
    EXPECT_EQ(hash.nodesUsed(), 0);
    EXPECT_EQ(hash.touchedCount(), 0);
}

TEST_F(LavaTest, SpatialHashSkipsRegistrationsPastItsPool) {
    SpatialHash hash(2.0f);
    std::vector<std::unique_ptr<Blob>> blobs;
    for (int i = 0; i < 1000; ++i) {
        blobs.push_back(std::make_unique<Blob>(Point3D(0, 0, 0), 1.1f));
        hash.insert(blobs.back().get(), 20.0f);  // about 4500 cells each
    }
    EXPECT_EQ(hash.nodesUsed(), SpatialHash::poolSize);
    EXPECT_GT(hash.skippedRegistrations(), 0);
    EXPECT_NE(hash.bucketAt(Point3D()), SpatialHash::none);
}

// Blobs of one cluster almost on top of each other: the pair force grows as (2r/d)^8, so
// without a floor on the distance it overflows (0 x inf gives NaN for good) and the speed
// limit, squaring huge velocities, stopped blobs dead.
TEST_F(LavaTest, NearlyCoincidentBlobsStayFiniteAndMoving) {
    for (float apart : {0.0f, 1e-6f, 1e-5f, 1e-4f, 2e-4f, 5e-4f, 1e-3f, 4e-3f, 9e-3f}) {
        Group lava;
        lava.blobBehaviour = &engine;
        LavaVessel vessel;
        vessel.addCollidersTo(lava);
        Blob* a = add(lava, 1, -5, 1);
        Blob* b = add(lava, 1 + apart, -5, 1);
        Blob* c = add(lava, 1, -5 + apart, 1 + apart);
        for (Blob* blob : {a, b, c}) blob->temperature = 8;  // warm: they rise
        for (int i = 0; i < 30; ++i) engine.stepBlobs(lava, 0.02f);
        for (Blob* blob : {a, b, c}) {
            const float values[] = {blob->position.x, blob->position.y, blob->position.z, blob->velocity.x,
                                    blob->velocity.y, blob->velocity.z, blob->force.y, blob->temperature};
            for (float v : values) ASSERT_TRUE(std::isfinite(v)) << "apart " << apart;
            EXPECT_GT(blob->velocity.length(), 0.0f) << "apart " << apart;
            EXPECT_GT(blob->position.y, -5.0f) << "apart " << apart;
        }
    }
}

