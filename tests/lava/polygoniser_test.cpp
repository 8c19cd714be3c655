// The lava field and the surface walk, through a recording emitter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "lava/blob.h"
#include "lava/glass_wall.h"
#include "lava/lava_colours.h"
#include "lava/lava_field.h"
#include "lava/lava_glass.h"
#include "lava/lava_parameters.h"
#include "lava/lava_renderer.h"
#include "lava/spatial_hash.h"
#include "tests/fakes/fake_strip_emitter.h"

namespace {

class PolygoniserTest : public ::testing::Test {
protected:
    void SetUp() override { renderer.initPolygoniser(); }
    FakeStripEmitter surfaceOf(std::vector<Blob*> blobs) {
        FakeStripEmitter out;
        renderer.polygonise(blobs.data(), static_cast<int>(blobs.size()), 1.32f, lava, out);
        return out;
    }
    LavaRenderer renderer;
    LavaParameters lava;  // the colours the surfaces are given
};

using Key = std::tuple<float, float, float>;
Key keyOf(const Point3D& p) { return {p.x, p.y, p.z}; }

// A closed surface, every face turned out: each mesh edge belongs to exactly two
// triangles, which run along it in opposite directions (so all are wound alike), and each
// triangle's front — the side it is counter-clockwise from — faces the way the field's
// normals at its corners point, away from the lava.
bool isClosed(const FakeStripEmitter& out, std::string* why) {
    std::map<std::pair<Key, Key>, int> runs;  // each directed edge, counted
    for (const auto& t : out.triangles) {
        for (int e = 0; e < 3; ++e)
            ++runs[{keyOf(t[static_cast<size_t>(e)].position), keyOf(t[static_cast<size_t>((e + 1) % 3)].position)}];
        const Point3D front = (t[1].position - t[0].position).cross(t[2].position - t[0].position);
        const Point3D outwards = t[0].normal + t[1].normal + t[2].normal;
        if (front.length() > 1e-6f && !(front.dot(outwards) > 0)) {
            *why = "a triangle faces into the lava";
            return false;
        }
    }
    for (const auto& [edge, count] : runs) {
        const auto back = runs.find({edge.second, edge.first});
        if (count != 1 || back == runs.end() || back->second != 1) {
            *why = "a mesh edge is run along " + std::to_string(count) + " times one way and " +
                   std::to_string(back == runs.end() ? 0 : back->second) + " the other";
            return false;
        }
    }
    return !out.triangles.empty();
}

// A lump of a dozen packed blobs low in the lamp; `blobs` owns them.
std::vector<Blob*> packedLump(std::vector<std::unique_ptr<Blob>>& blobs) {
    std::vector<Blob*> lump;
    for (int n = 0; n < 12; ++n) {
        blobs.push_back(std::make_unique<Blob>(Point3D(0.9f * static_cast<float>(n % 4), -10.0f + 0.8f * static_cast<float>(n / 4), 0.3f * n), 1.1f));
        lump.push_back(blobs.back().get());
    }
    return lump;
}

}  // namespace

TEST_F(PolygoniserTest, LatticeCoordinates) {
    EXPECT_NEAR(renderer.lattice().X[50], 0.05f, 1e-5f);
    EXPECT_FLOAT_EQ(renderer.lattice().X[0], -39.95f);
    renderer.setCellSize(cellSizeForAccuracy(200));
    EXPECT_FLOAT_EQ(renderer.cellSize(), 0.4f);
    EXPECT_FLOAT_EQ(renderer.lattice().X[0], -19.95f);
    EXPECT_FLOAT_EQ(renderer.lattice().Z[99], 19.65f);
    EXPECT_FLOAT_EQ(cellSizeForAccuracy(10), 8.0f);
    EXPECT_FLOAT_EQ(cellSizeForAccuracy(5000), 0.4f);  // a hand-edited percentage
    EXPECT_FLOAT_EQ(cellSizeForAccuracy(-3), 8.0f);
}

TEST_F(PolygoniserTest, FieldOfOneBlobAndTheBlendOfTwo) {
    Blob blob(Point3D(0, 0, 0), 1.1f);
    blob.temperature = 3;
    Blob* one[] = {&blob};
    renderer.setFieldBlobs(one, 1);
    renderer.setPassRadius(1.32f);
    cornerinfo record{};
    EXPECT_NEAR(renderer.evaluateField(record, Point3D(1, 0, 0)), 1.2848f, 1e-4f);
    EXPECT_NEAR(renderer.evaluateField(record, Point3D(0, 2, 0)), -1.3288f, 1e-4f);
    EXPECT_NEAR(renderer.evaluateField(record, Point3D(0, 0, 1.2586f)), 0.0f, 1e-3f);
    EXPECT_FLOAT_EQ(record.temperature, 3.0f);
    EXPECT_GT(record.normal[2], 0.0f);  // away from the blob
    // Exactly at the centre: finite and inside.
    const float centre = renderer.evaluateField(record, Point3D(0, 0, 0));
    EXPECT_TRUE(std::isfinite(centre));
    EXPECT_GT(centre, 0.0f);

    Blob cold(Point3D(-1, 0, 0), 1.1f), hot(Point3D(1, 0, 0), 1.1f);
    cold.temperature = 0;
    hot.temperature = 10;
    Blob* two[] = {&cold, &hot};
    renderer.setFieldBlobs(two, 2);
    renderer.evaluateField(record, Point3D(0, 0.5f, 0));
    EXPECT_FLOAT_EQ(record.temperature, 5.0f);
}

// The field as it is defined — the blobs of the point's bucket, one after another, in the
// bucket's order — against the renderer's vectorised sum, all over a crowded lava.
TEST_F(PolygoniserTest, FieldEqualsThePlainSumOverItsBucket) {
    LavaGlass glass(31);
    glass.setParticleCount(400);
    for (int n = 0; n < 300; ++n) glass.step(0.02f);
    std::vector<Blob*>& blobs = glass.group.blobs;
    renderer.setFieldBlobs(blobs.data(), static_cast<int>(blobs.size()));
    SpatialHash plain(fieldBucketSize);
    for (Blob* b : blobs) plain.insert(b, 3.0f);
    const float R = 1.32f;
    renderer.setPassRadius(R);
    std::mt19937 random(5);
    std::uniform_real_distribution<float> offset(-2.5f, 2.5f);
    int compared = 0;
    for (int n = 0; n < 4000; ++n) {
        const Blob& near = *blobs[static_cast<size_t>(n) % blobs.size()];
        const Point3D p = near.position + Point3D(offset(random), offset(random), offset(random));
        double sum = 0, heat = 0;
        for (int32_t node = plain.bucketAt(p); node != SpatialHash::none; node = plain.nextNode(node)) {
            const Blob* b = plain.blobOf(node);
            const Point3D d = p - b->position;
            const double s = static_cast<double>(R * R) / std::max(static_cast<double>(d.dot(d)), 1e-12) - 0.1;
            if (s > 0) {
                sum += 2 * s;
                heat += 2 * s * static_cast<double>(b->temperature);
            }
        }
        cornerinfo record{};
        const float value = renderer.evaluateField(record, p);
        if (sum == 0) continue;
        ++compared;
        ASSERT_NEAR(static_cast<double>(value) + 2.0, sum, 1e-6 * sum + 1e-6) << "at point " << n;
        ASSERT_NEAR(static_cast<double>(record.temperature), heat / sum, 1e-4);
    }
    EXPECT_GT(compared, 3000);
}

// The surface of a lone blob is the sphere of radius 1.2586; its vertices are where the
// field, interpolated linearly along lattice edges, crosses zero. The field falls as 1/d²,
// so on the default lattice (0.8 apart) the vertices lie between 1.19 and 1.45 from the
// centre (measured over 200 random places), and on the finest (0.4) between 1.24 and 1.31.
TEST_F(PolygoniserTest, LoneBlobIsAClosedSphereWhereverItSits) {
    const Point3D places[] = {{0, 0, 0}, {0.05f, 0.05f, 0.05f}, {0.3f, -0.2f, 0.45f},
                              {0.44f, 0.44f, 0.44f}, {-3.1f, 5.7f, 2.2f}, {0.85f, 0.0f, -0.41f}};
    struct Lattice {
        float spacing, nearest, farthest;
    };
    for (const Lattice& lattice : {Lattice{0.8f, 1.18f, 1.46f}, Lattice{0.4f, 1.235f, 1.315f}}) {
        renderer.setCellSize(lattice.spacing);
        for (const Point3D& centre : places) {
            Blob blob(centre, 1.1f);
            const FakeStripEmitter out = surfaceOf({&blob});
            std::string why;
            EXPECT_TRUE(isClosed(out, &why)) << why;
            double sum = 0;
            for (const RecordedVertex& v : out.vertices) {
                const float d = (v.position - centre).length();
                EXPECT_GE(d, lattice.nearest) << lattice.spacing;
                EXPECT_LE(d, lattice.farthest) << lattice.spacing;
                sum += d;
                // Normals point outwards.
                EXPECT_GT(v.normal.dot(v.position - centre), 0.0f);
            }
            EXPECT_GT(out.triangles.size(), 20u);
            EXPECT_NEAR(sum / static_cast<double>(out.vertices.size()), 1.259 + lattice.spacing * 0.1, 0.06);
        }
    }
}

TEST_F(PolygoniserTest, EveryValueAndCubeOnlyOncePerPass) {
    std::vector<std::unique_ptr<Blob>> blobs;
    const std::vector<Blob*> pointers = packedLump(blobs);
    renderer.fieldEvaluations = 0;
    renderer.cubesProcessed = 0;
    const uint16_t stamp = renderer.passStamp;
    const FakeStripEmitter out = surfaceOf(pointers);
    std::string why;
    EXPECT_TRUE(isClosed(out, &why)) << why;
    const LavaLattice& lattice = renderer.lattice();
    // The records' marks and the bricks' bits agree on what the pass did.
    uint64_t valuesMarked = 0, cubesMarked = 0, valueBits = 0, cubeBits = 0;
    for (size_t b = 0; b < lattice.bricksInUse(); ++b) {
        const LatticeBrick& brick = lattice.pooledBrick(b);
        for (int n = 0; n < LatticeBrick::points; ++n) {
            const cornerinfo& r = brick.records[n];
            valuesMarked += r.valueMark == stamp;
            cubesMarked += r.cubeMark == stamp;
            EXPECT_EQ(r.valueMark == stamp, (brick.evaluated & LatticeBrick::bit(n)) != 0) << b << " " << n;
            EXPECT_EQ(r.cubeMark == stamp, (brick.processed & LatticeBrick::bit(n)) != 0) << b << " " << n;
        }
        valueBits += static_cast<uint64_t>(__builtin_popcountll(brick.evaluated));
        cubeBits += static_cast<uint64_t>(__builtin_popcountll(brick.processed));
    }
    EXPECT_EQ(renderer.fieldEvaluations, valuesMarked);
    EXPECT_EQ(renderer.cubesProcessed, cubesMarked);
    EXPECT_EQ(valueBits, valuesMarked);
    EXPECT_EQ(cubeBits, cubesMarked);
    EXPECT_EQ(renderer.passStamp, static_cast<uint16_t>(stamp + 1));
    // Packed blobs: the later seeds stop at their first point.
    EXPECT_LT(renderer.fieldEvaluations, 8 * renderer.cubesProcessed);
}

// The lattice holds only the bricks a pass touches, and the next pass takes them again: a
// lump of a dozen blobs needs tens of bricks, not the grid's 15 625, and a smaller surface
// after it makes no new ones.
TEST_F(PolygoniserTest, TheLatticeHoldsTheBricksTheSurfaceTouches) {
    std::vector<std::unique_ptr<Blob>> blobs;
    const std::vector<Blob*> lump = packedLump(blobs);
    const FakeStripEmitter large = surfaceOf(lump);
    const LavaLattice& lattice = renderer.lattice();
    const size_t touched = lattice.bricksInUse();
    EXPECT_GT(touched, 8u);
    EXPECT_LT(touched, 200u);
    EXPECT_EQ(lattice.pooledBricks(), touched);
    EXPECT_LT(lattice.bytes(), 1u << 20);

    Blob small(Point3D(5, 5, 5), 1.1f);
    const FakeStripEmitter one = surfaceOf({&small});
    std::string why;
    EXPECT_TRUE(isClosed(one, &why)) << why;
    EXPECT_LT(lattice.bricksInUse(), touched);
    EXPECT_EQ(lattice.pooledBricks(), touched);
    // Taken afresh, the lump's bricks give the lump's surface again.
    const FakeStripEmitter again = surfaceOf(lump);
    ASSERT_EQ(again.vertices.size(), large.vertices.size());
    for (size_t n = 0; n < again.vertices.size(); ++n) EXPECT_EQ(again.vertices[n].position.z, large.vertices[n].position.z) << n;
}

TEST_F(PolygoniserTest, OverlappingClustersStaySeparateSurfaces) {
    Blob a(Point3D(0, 0, 0), 1.1f), b(Point3D(1.5f, 0, 0), 1.1f);
    const FakeStripEmitter first = surfaceOf({&a});
    const FakeStripEmitter second = surfaceOf({&b});
    std::string why;
    EXPECT_TRUE(isClosed(first, &why)) << why;
    EXPECT_TRUE(isClosed(second, &why)) << why;
    // They interpenetrate: part of the second lies inside the first.
    int inside = 0;
    for (const RecordedVertex& v : second.vertices) inside += (v.position - a.position).length() < 1.2f;
    EXPECT_GT(inside, 0);
    // Drawn together in one pass they would have merged into one surface with no
    // vertex inside the other's sphere.
    const FakeStripEmitter merged = surfaceOf({&a, &b});
    for (const RecordedVertex& v : merged.vertices) {
        EXPECT_GT((v.position - a.position).length(), 1.2f);
        EXPECT_GT((v.position - b.position).length(), 1.2f);
    }
}

TEST_F(PolygoniserTest, VerticesStayInsideTheGlass) {
    EXPECT_NEAR(wallRadius(0) - 0.05f, 8.7454545f, 1e-5f);
    EXPECT_FLOAT_EQ(wallRadius(-7.5f), 10.8f);
    EXPECT_FLOAT_EQ(wallRadius(-15), 7.3f);
    EXPECT_NEAR(wallRadius(16), 4.2136364f, 1e-5f);
    Blob nearWall(Point3D(8.6f, 0, 0), 1.1f);
    const FakeStripEmitter out = surfaceOf({&nearWall});
    int moved = 0;
    for (const RecordedVertex& v : out.vertices) {
        const float rho = std::sqrt(v.position.x * v.position.x + v.position.z * v.position.z);
        EXPECT_LE(rho, wallRadius(v.position.y) - 0.05f + 1e-4f);
        moved += std::fabs(rho - (wallRadius(v.position.y) - 0.05f)) < 1e-4f;
    }
    EXPECT_GT(moved, 0);
}

TEST_F(PolygoniserTest, HeatColours) {
    lava.lavaColour = Point3D(1, 0, 0);
    lava.hotColour = Point3D(1, 1, 0);
    EXPECT_FLOAT_EQ(lavaColourFor(lava, -4).y, 0.0f);
    EXPECT_FLOAT_EQ(lavaColourFor(lava, -10).y, 0.0f);
    EXPECT_FLOAT_EQ(lavaColourFor(lava, 3).y, 0.5f);
    EXPECT_FLOAT_EQ(lavaColourFor(lava, 10).y, 1.0f);
    EXPECT_FLOAT_EQ(lavaColourFor(lava, 50).y, 1.0f);
    EXPECT_FLOAT_EQ(heatFraction(std::nanf("")), 0.0f);
    Blob warm(Point3D(0, 0, 0), 1.1f);
    warm.temperature = 3;
    FakeStripEmitter out = surfaceOf({&warm});
    ASSERT_FALSE(out.vertices.empty());
    for (const RecordedVertex& v : out.vertices) {
        EXPECT_TRUE(v.hasColour);
        EXPECT_NEAR(v.colour.y, 0.5f, 1e-5f);
    }
    lava.differentHotColor = false;
    out = surfaceOf({&warm});
    for (const RecordedVertex& v : out.vertices) EXPECT_FALSE(v.hasColour);
    EXPECT_FLOAT_EQ(out.surfaceColour.x, 1.0f);
}

TEST_F(PolygoniserTest, ParticlesAreDrawnInsideTheGlass) {
    Blob blob(Point3D(10, 0, 0), 1.1f);
    const Point3D p = particlePosition(blob);
    EXPECT_NEAR(p.x, 7.69045f, 1e-4f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    EXPECT_FLOAT_EQ(p.z, 0.0f);
    Blob central(Point3D(1, 3, -2), 1.1f);
    EXPECT_FLOAT_EQ(particlePosition(central).z, -2.0f);
}

TEST_F(PolygoniserTest, EmptyClusterOnlyAdvancesThePass) {
    const uint16_t stamp = renderer.passStamp;
    FakeStripEmitter out;
    renderer.polygonise(nullptr, 0, 1.32f, lava, out);
    EXPECT_TRUE(out.triangles.empty());
    EXPECT_EQ(renderer.passStamp, static_cast<uint16_t>(stamp + 1));
}

// The marks are 16 bits: 65 536 passes on they repeat. A record stamped that long ago (or
// never stamped, mark 0) must not pass for one of the current pass: the wrap clears the
// marks and starts again at 1, so the surface after the wrap is the one a fresh lattice
// gives.
TEST_F(PolygoniserTest, PassCounterWrapClearsTheMarks) {
    Blob blob(Point3D(0.3f, -0.2f, 0.1f), 1.1f);
    const FakeStripEmitter fresh = surfaceOf({&blob});
    renderer.initPolygoniser();
    renderer.passStamp = 65535;
    Blob elsewhere(Point3D(-20, 10, 5), 1.1f);
    surfaceOf({&elsewhere});  // the last pass before the wrap
    EXPECT_EQ(renderer.passStamp, 1);
    const FakeStripEmitter after = surfaceOf({&blob});
    ASSERT_EQ(after.triangles.size(), fresh.triangles.size());
    for (size_t n = 0; n < after.vertices.size(); ++n) {
        EXPECT_EQ(after.vertices[n].position.x, fresh.vertices[n].position.x) << n;
        EXPECT_EQ(after.vertices[n].position.y, fresh.vertices[n].position.y) << n;
    }
}
