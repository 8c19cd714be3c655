// The marching-cubes tables, checked for every cube index, and the surface they make on
// random fields checked for being closed.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "lava/polygoniser_tables.h"

namespace {

bool outside(int index, int corner) { return (index >> corner) & 1; }

std::vector<std::vector<int>> stripsOf(int index) {
    std::vector<std::vector<int>> strips;
    const int8_t* row = stripTable()[index];
    int at = 0;
    while (at < stripRowBytes && row[at] != -1) {
        std::vector<int> strip;
        while (at < stripRowBytes && row[at] != -1) strip.push_back(row[at++]);
        ++at;
        strips.push_back(strip);
    }
    return strips;
}

// The lattice edge an edge of cube (i, j, k) lies on: its low corner and axis.
long latticeEdge(int i, int j, int k, int e) {
    const EdgeInfo& info = edgeinfo[e];
    const int a = info.cornerA;
    return ((static_cast<long>(i + (a >> 2 & 1)) * 64 + (j + (a >> 1 & 1))) * 64 + (k + (a & 1))) * 3 +
           info.axis;
}

}  // namespace

TEST(PolygoniserTables, EveryRowUsesExactlyTheCrossingEdges) {
    for (int index = 0; index < 256; ++index) {
        std::multiset<int> used;
        int bytes = 1;  // the row's closing -1
        for (const std::vector<int>& strip : stripsOf(index)) {
            EXPECT_GE(strip.size(), 3u) << index;
            EXPECT_LE(strip.size(), 7u) << index;
            bytes += static_cast<int>(strip.size()) + 1;
            used.insert(strip.begin(), strip.end());
        }
        EXPECT_LE(bytes, stripRowBytes) << index;
        for (int n = bytes; n < stripRowBytes; ++n) EXPECT_EQ(stripTable()[index][n], -1) << index;
        for (int e = 0; e < 12; ++e) {
            const bool crossing = outside(index, edgeinfo[e].cornerA) != outside(index, edgeinfo[e].cornerB);
            EXPECT_EQ(used.count(e), crossing ? 1u : 0u) << "index " << index << " edge " << e;
        }
    }
    EXPECT_EQ(stripsOf(6).size(), 2u);   // corners 1 and 2: two separate triangles
    EXPECT_EQ(stripsOf(249).size(), 1u); // only 1 and 2 inside: joined across the face
}

TEST(PolygoniserTables, BodyDiagonalCornersGetPiecesOfTheirOwn) {
    for (int index : {129, 126}) {
        const auto strips = stripsOf(index);
        ASSERT_EQ(strips.size(), 2u) << index;
        std::set<std::set<int>> pieces;
        for (const auto& strip : strips) pieces.insert(std::set<int>(strip.begin(), strip.end()));
        EXPECT_EQ(pieces, (std::set<std::set<int>>{{0, 1, 4}, {7, 10, 11}})) << index;
    }
}

// Every triangle of a strip faces the way the turn table says the strip does (outwards
// unless its bit is set), for crossing points anywhere along their edges: its normal by
// the right-hand rule, in strip order (every second triangle's first corners swapped),
// points along each of its edges from the inside end to the outside end.
TEST(PolygoniserTables, TurnTableSaysWhichWayEveryTriangleFaces) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> along(0.02f, 0.98f);
    const auto corner = [](int c) { return std::array<float, 3>{float(c >> 2 & 1), float(c >> 1 & 1), float(c & 1)}; };
    int turned = 0, strips = 0;
    for (int index = 1; index < 255; ++index) {
        const std::vector<std::vector<int>> row = stripsOf(index);
        for (size_t s = 0; s < row.size(); ++s) {
            const bool inwards = (turnTable()[index] >> s) & 1;
            turned += inwards;
            ++strips;
            for (int trial = 0; trial < 50; ++trial) {
                std::map<int, std::array<float, 3>> point;  // by edge
                for (int e : row[s]) {
                    const EdgeInfo& info = edgeinfo[e];
                    const std::array<float, 3> a = corner(info.cornerA), b = corner(info.cornerB);
                    const float t = along(random);
                    for (int c = 0; c < 3; ++c) point[e][c] = a[c] + (b[c] - a[c]) * t;
                }
                for (size_t k = 0; k + 2 < row[s].size(); ++k) {
                    int v[3] = {row[s][k], row[s][k + 1], row[s][k + 2]};
                    if (k % 2 == 1) std::swap(v[0], v[1]);
                    float u[3], w[3];
                    for (int c = 0; c < 3; ++c) {
                        u[c] = point[v[1]][c] - point[v[0]][c];
                        w[c] = point[v[2]][c] - point[v[0]][c];
                    }
                    const float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
                    float dot = 0;
                    for (int e : v) {
                        const EdgeInfo& info = edgeinfo[e];
                        const bool aOutside = outside(index, info.cornerA);
                        const std::array<float, 3> in = corner(aOutside ? info.cornerB : info.cornerA);
                        const std::array<float, 3> out = corner(aOutside ? info.cornerA : info.cornerB);
                        for (int c = 0; c < 3; ++c) dot += n[c] * (out[c] - in[c]);
                    }
                    ASSERT_EQ(dot < 0, inwards) << "index " << index << " strip " << s << " triangle " << k << " " << dot;
                }
            }
        }
    }
    // The table's own order faces both ways: without it, culling would cut holes.
    EXPECT_GT(turned, strips / 10);
    EXPECT_LT(turned, strips - strips / 10);
}

TEST(PolygoniserTables, RandomFieldsGiveClosedSurfaces) {
    std::mt19937 random(77);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    constexpr int n = 9;  // lattice points per axis
    for (int trial = 0; trial < 300; ++trial) {
        float field[n][n][n];
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                for (int k = 0; k < n; ++k) {
                    const bool border = i == 0 || j == 0 || k == 0 || i == n - 1 || j == n - 1 || k == n - 1;
                    field[i][j][k] = border ? -1.0f : value(random);  // the border is outside
                }
        std::map<std::pair<long, long>, int> edgeUses;
        int triangles = 0;
        for (int i = 0; i + 1 < n; ++i)
            for (int j = 0; j + 1 < n; ++j)
                for (int k = 0; k + 1 < n; ++k) {
                    int index = 0;
                    for (int c = 0; c < 8; ++c)
                        if (field[i + (c >> 2 & 1)][j + (c >> 1 & 1)][k + (c & 1)] < 0) index |= 1 << c;
                    for (const auto& strip : stripsOf(index)) {
                        for (size_t t = 2; t < strip.size(); ++t) {
                            const long v[3] = {latticeEdge(i, j, k, strip[t - 2]), latticeEdge(i, j, k, strip[t - 1]),
                                               latticeEdge(i, j, k, strip[t])};
                            ASSERT_TRUE(v[0] != v[1] && v[1] != v[2] && v[0] != v[2]);
                            ++triangles;
                            for (int e = 0; e < 3; ++e) {
                                long a = v[e], b = v[(e + 1) % 3];
                                if (a > b) std::swap(a, b);
                                ++edgeUses[{a, b}];
                            }
                        }
                    }
                }
        ASSERT_GT(triangles, 0);
        for (const auto& [edge, uses] : edgeUses)
            ASSERT_EQ(uses, 2) << "trial " << trial << ": a mesh edge shared by " << uses << " triangles";
    }
}
