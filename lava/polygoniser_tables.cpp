// Building the polygoniser's tables, once, from the rules they must follow.
//
// The surface inside a cube is made face by face. On a face with two crossing edges the
// surface meets the face in one segment between them. On a face whose corners alternate
// (two diagonal corners outside, two inside) the inside corners are connected across the
// face, so the surface cuts off each outside corner with a segment of its own. Every
// crossing edge then lies on exactly two segments (one per face it borders), and the
// segments join into closed loops: one loop per piece of surface. Two corners that touch
// only along the body diagonal never share a face, so they always get pieces of their own.
// Neighbouring cubes decide a shared face from the same four corners, so their loops meet
// edge to edge and the whole surface is closed.
//
// Each loop of m edges becomes m - 2 triangles. Where a loop passes a cube face twice, a
// diagonal between its two passages would lie in the face, and the neighbouring cube could
// draw the same one; of all triangulations of the loop one without such a diagonal is
// taken, drawn as the fewest bytes of triangle strips (usually one strip).
#include "lava/polygoniser_tables.h"

#include <array>
#include <utility>
#include <cstddef>
#include <vector>

#include "scene/module_assert.h"

const EdgeInfo edgeinfo[12] = {
    {0, 0, 0, 2, 0, 1}, {0, 0, 0, 1, 0, 2}, {0, 0, 1, 1, 1, 3}, {0, 1, 0, 2, 2, 3},
    {0, 0, 0, 0, 0, 4}, {0, 0, 1, 0, 1, 5}, {0, 1, 0, 0, 2, 6}, {0, 1, 1, 0, 3, 7},
    {1, 0, 0, 2, 4, 5}, {1, 0, 0, 1, 4, 6}, {1, 0, 1, 1, 5, 7}, {1, 1, 0, 2, 6, 7},
};

namespace {

// The four corners of face f (0 x-low, 1 x-high, 2 y-low, 3 y-high, 4 z-low, 5 z-high)
// in order round the face.
std::array<int, 4> faceCorners(int face) {
    const int bit = 2 - face / 2;  // x is bit 2, y bit 1, z bit 0
    const int value = face % 2;
    const int a = (bit + 1) % 3, b = (bit + 2) % 3;  // the other two bits
    std::array<int, 4> corners{};
    const int steps[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int n = 0; n < 4; ++n)
        corners[static_cast<std::size_t>(n)] = value << bit | steps[n][0] << a | steps[n][1] << b;
    return corners;
}

int edgeBetween(int c1, int c2) {
    for (int e = 0; e < 12; ++e)
        if ((edgeinfo[e].cornerA == c1 && edgeinfo[e].cornerB == c2) ||
            (edgeinfo[e].cornerA == c2 && edgeinfo[e].cornerB == c1))
            return e;
    return -1;
}

// Bit f set when edge e lies on face f.
int facesOfEdge(int e) {
    int faces = 0;
    for (int f = 0; f < 6; ++f) {
        const std::array<int, 4> c = faceCorners(f);
        int on = 0;
        for (int corner : c) on += corner == edgeinfo[e].cornerA || corner == edgeinfo[e].cornerB;
        if (on == 2) faces |= 1 << f;
    }
    return faces;
}

bool outside(int index, int corner) { return (index >> corner) & 1; }

// The loops of crossing edges for one cube index.
std::vector<std::vector<int>> loopsOf(int index) {
    std::vector<int> links[12];
    for (int f = 0; f < 6; ++f) {
        const std::array<int, 4> c = faceCorners(f);
        int crossing[4], count = 0;
        for (int n = 0; n < 4; ++n) {
            const int e = edgeBetween(c[static_cast<std::size_t>(n)], c[static_cast<std::size_t>((n + 1) % 4)]);
            if (outside(index, edgeinfo[e].cornerA) != outside(index, edgeinfo[e].cornerB))
                crossing[count++] = n;
        }
        auto faceEdge = [&](int n) {
            return edgeBetween(c[static_cast<std::size_t>(n % 4)], c[static_cast<std::size_t>((n + 1) % 4)]);
        };
        auto link = [&](int e1, int e2) {
            links[e1].push_back(e2);
            links[e2].push_back(e1);
        };
        if (count == 2) {
            link(faceEdge(crossing[0]), faceEdge(crossing[1]));
        } else if (count == 4) {
            // Cut off each outside corner: join the two face edges that meet at it.
            for (int n = 0; n < 4; ++n)
                if (outside(index, c[static_cast<std::size_t>(n)])) link(faceEdge(n + 3), faceEdge(n));
        }
    }
    std::vector<std::vector<int>> loops;
    bool used[12] = {};
    for (int start = 0; start < 12; ++start) {
        if (used[start] || links[start].empty()) continue;
        std::vector<int> loop;
        int previous = -1, current = start;
        while (!used[current]) {
            used[current] = true;
            loop.push_back(current);
            const int next = links[current][0] != previous ? links[current][0] : links[current][1];
            previous = current;
            current = next;
        }
        loops.push_back(loop);
    }
    return loops;
}

using Triangle = std::array<int, 3>;  // edge numbers

// Every triangulation of the loop (as a polygon of its edges, in loop order).
void triangulations(const std::vector<int>& loop, std::size_t first, std::size_t last,
                    std::vector<Triangle>& current, std::vector<std::vector<Triangle>>& all,
                    std::vector<std::pair<std::size_t, std::size_t>>& pending) {
    if (last - first < 2) {
        if (pending.empty()) {
            all.push_back(current);
            return;
        }
        const auto next = pending.back();
        pending.pop_back();
        triangulations(loop, next.first, next.second, current, all, pending);
        pending.push_back(next);
        return;
    }
    for (std::size_t apex = first + 1; apex < last; ++apex) {
        current.push_back({loop[first], loop[apex], loop[last]});
        pending.push_back({apex, last});
        triangulations(loop, first, apex, current, all, pending);
        pending.pop_back();
        current.pop_back();
    }
}

// Whether a triangulation has a diagonal lying in a cube face: on a face the surface
// passes twice, the neighbouring cube could draw the same diagonal.
bool hasDiagonalInFace(const std::vector<Triangle>& triangles, const std::vector<int>& loop) {
    auto adjacentInLoop = [&](int a, int b) {
        for (std::size_t n = 0; n < loop.size(); ++n) {
            const int x = loop[n], y = loop[(n + 1) % loop.size()];
            if ((x == a && y == b) || (x == b && y == a)) return true;
        }
        return false;
    };
    for (const Triangle& t : triangles)
        for (int n = 0; n < 3; ++n) {
            const int a = t[static_cast<std::size_t>(n)], b = t[static_cast<std::size_t>((n + 1) % 3)];
            if (!adjacentInLoop(a, b) && (facesOfEdge(a) & facesOfEdge(b))) return true;
        }
    return false;
}

bool sameTriangle(const Triangle& t, int a, int b, int c) {
    const int v[3] = {a, b, c};
    for (int x : v)
        if (x != t[0] && x != t[1] && x != t[2]) return false;
    return true;
}

// The fewest bytes of strips that draw exactly these triangles; strips go to `best`.
void coverWithStrips(std::vector<Triangle> left, std::vector<std::vector<int>>& strips, int bytes,
                     int& bestBytes, std::vector<std::vector<int>>& best) {
    if (bytes >= bestBytes) return;
    if (left.empty()) {
        bestBytes = bytes;
        best = strips;
        return;
    }
    const Triangle t = left.back();
    left.pop_back();
    const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& o : orders) {
        std::vector<int> strip = {t[static_cast<std::size_t>(o[0])], t[static_cast<std::size_t>(o[1])],
                                  t[static_cast<std::size_t>(o[2])]};
        std::vector<Triangle> rest = left;
        // Extend while some remaining triangle continues the strip.
        for (bool grew = true; grew;) {
            grew = false;
            const int b = strip[strip.size() - 2], c = strip.back();
            for (std::size_t n = 0; n < rest.size() && !grew; ++n)
                for (int d : rest[n])
                    if (d != b && d != c && sameTriangle(rest[n], b, c, d)) {
                        strip.push_back(d);
                        rest.erase(rest.begin() + static_cast<long>(n));
                        grew = true;
                        break;
                    }
        }
        strips.push_back(strip);
        coverWithStrips(rest, strips, bytes + static_cast<int>(strip.size()) + 1, bestBytes, best);
        strips.pop_back();
    }
}

// The strips of one loop: a triangulation with no diagonal in a cube face (the fewest such
// diagonals if none is free of them), drawn with the fewest bytes of strips.
std::vector<std::vector<int>> stripsOfLoop(const std::vector<int>& loop) {
    std::vector<std::vector<Triangle>> all;
    std::vector<Triangle> current;
    std::vector<std::pair<std::size_t, std::size_t>> pending;
    triangulations(loop, 0, loop.size() - 1, current, all, pending);
    std::vector<std::vector<int>> best;
    int bestBytes = 1000;
    bool bestInFace = true;
    for (const std::vector<Triangle>& triangles : all) {
        const bool inFace = hasDiagonalInFace(triangles, loop);
        if (inFace && !bestInFace) continue;
        std::vector<std::vector<int>> strips, cover;
        int coverBytes = bestInFace && !inFace ? 1000 : bestBytes;
        coverWithStrips(triangles, strips, 0, coverBytes, cover);
        if (!cover.empty()) {
            best = cover;
            bestBytes = coverBytes;
            bestInFace = inFace;
        }
    }
    return best;
}

// A corner's place in the unit cube.
std::array<float, 3> cornerAt(int corner) {
    return {static_cast<float>(corner >> 2 & 1), static_cast<float>(corner >> 1 & 1), static_cast<float>(corner & 1)};
}

// Whether the strip's first triangle, its corners taken in order, turns its front (the side
// it is counter-clockwise from) to the inside of the lava: its normal by the right-hand
// rule, against the directions from the inside end to the outside end of its three edges.
// The vertices are taken at the edges' middles; where they really lie along their edges
// does not turn a triangle over (the tables' tests try them all along).
bool frontFacesInside(int index, const std::vector<int>& strip) {
    std::array<float, 3> m[3];
    for (int v = 0; v < 3; ++v) {
        const EdgeInfo& e = edgeinfo[strip[static_cast<std::size_t>(v)]];
        const std::array<float, 3> a = cornerAt(e.cornerA), b = cornerAt(e.cornerB);
        for (int c = 0; c < 3; ++c) m[v][c] = (a[c] + b[c]) * 0.5f;
    }
    float u[3], w[3];
    for (int c = 0; c < 3; ++c) {
        u[c] = m[1][c] - m[0][c];
        w[c] = m[2][c] - m[0][c];
    }
    const float normal[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    float dot = 0;
    for (int v = 0; v < 3; ++v) {
        const EdgeInfo& e = edgeinfo[strip[static_cast<std::size_t>(v)]];
        const bool aOutside = outside(index, e.cornerA);
        const std::array<float, 3> in = cornerAt(aOutside ? e.cornerB : e.cornerA);
        const std::array<float, 3> out = cornerAt(aOutside ? e.cornerA : e.cornerB);
        for (int c = 0; c < 3; ++c) dot += normal[c] * (out[c] - in[c]);
    }
    return dot < 0;
}

struct Tables {
    int8_t strips[256][stripRowBytes];
    uint8_t faces[256];
    uint8_t turns[256];

    Tables() {
        for (int index = 0; index < 256; ++index) {
            int8_t* row = strips[index];
            for (int n = 0; n < stripRowBytes; ++n) row[n] = -1;
            int at = 0, count = 0;
            turns[index] = 0;
            for (const std::vector<int>& loop : loopsOf(index)) {
                for (const std::vector<int>& strip : stripsOfLoop(loop)) {
                    // Every strip and its end, and the row's end, must fit in the row.
                    GJ_ASSERT(at + static_cast<int>(strip.size()) + 2 <= stripRowBytes, "Polygoniser");
                    if (frontFacesInside(index, strip)) turns[index] |= static_cast<uint8_t>(1 << count);
                    ++count;
                    for (int e : strip) row[at++] = static_cast<int8_t>(e);
                    row[at++] = -1;
                }
            }
            faces[index] = 0;
            for (int f = 0; f < 6; ++f) {
                const std::array<int, 4> c = faceCorners(f);
                int out = 0;
                for (int corner : c) out += outside(index, corner);
                if (out != 0 && out != 4) faces[index] |= static_cast<uint8_t>(1 << f);
            }
        }
    }
};

const Tables& tables() {
    static const Tables built;
    return built;
}

}  // namespace

const int8_t (&stripTable())[256][stripRowBytes] { return tables().strips; }

const uint8_t (&faceTable())[256] { return tables().faces; }

const uint8_t (&turnTable())[256] { return tables().turns; }
