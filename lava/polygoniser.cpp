// The surface-following marching-cubes walk and the vertices it emits.
#include <cmath>
#include <vector>

#include "lava/blob.h"
#include "lava/glass_wall.h"
#include "lava/lava_colours.h"
#include "lava/lava_parameters.h"
#include "lava/lava_renderer.h"
#include "lava/polygoniser_tables.h"
#include "lava/strip_emitter.h"

namespace {

constexpr int lastCube = latticePoints - 2;  // cubes 0..98 per axis
// Vertices stay this far inside the glass, so the lava never pokes through it.
constexpr float glassMargin = 0.05f;

struct Neighbour {
    uint8_t bit;
    int di, dj, dk;
};
constexpr Neighbour neighbours[5] = {
    {16, 0, 0, -1}, {32, 0, 0, 1}, {4, 0, -1, 0}, {8, 0, 1, 0}, {1, -1, 0, 0}};

bool inside(int i, int j, int k) {
    return i >= 0 && j >= 0 && k >= 0 && i <= lastCube && j <= lastCube && k <= lastCube;
}

int seedIndex(float coordinate, float offset, float size) {
    const float g = std::floor((coordinate + offset) / size);
    if (!(g >= 0.0f)) return 0;
    return g > lastCube ? lastCube : static_cast<int>(g);
}

}  // namespace

// One pass's walk, into the renderer's surface mesh. A cube's neighbours are visited in the order z-1, z+1, y-1, y+1, x-1,
// and last x+1 continues in the same frame, as the tail of a recursive walk would. The
// stack is explicit, since a large cluster has thousands of cubes.
class LavaRenderer::CubeWalker {
public:
    CubeWalker(LavaRenderer& renderer, const LavaParameters& lava)
        : renderer(renderer), mesh(renderer.mesh), stamp(renderer.passStamp), lattice(renderer.lattice()),
          size(renderer.cellSize()), lava(lava), heatColours(lava.differentHotColor) {}

    // Evaluates the cube's corners, emits its strips, marks it; returns its face mask.
    uint8_t process(int i, int j, int k) {
        ++renderer.cubesProcessed;
        int index = 0;
        for (int n = 0; n < 8; ++n) {
            const int pi = i + (n >> 2 & 1), pj = j + (n >> 1 & 1), pk = k + (n & 1);
            LatticeBrick& brick = lattice.brickOf(pi, pj, pk);
            const int local = LavaLattice::localIndex(pi, pj, pk);
            cornerinfo& c = brick.records[local];
            if (brick.markEvaluated(local)) {
                c.valueMark = stamp;
                c.value = renderer.evaluateField(c, Point3D(lattice.X[pi], lattice.Y[pj], lattice.Z[pk]));
            }
            corner[n] = &c;
            cornerBrick[n] = &brick;
            cornerLocal[n] = local;
            if (std::signbit(c.value)) index |= 1 << n;
        }
        x[0] = lattice.X[i];
        x[1] = lattice.X[i + 1];
        y[0] = lattice.Y[j];
        y[1] = lattice.Y[j + 1];
        z[0] = lattice.Z[k];
        z[1] = lattice.Z[k + 1];
        emitCube(index);
        corner[0]->cubeMark = stamp;
        cornerBrick[0]->processed |= LatticeBrick::bit(cornerLocal[0]);
        return faceTable()[index];
    }

    void follow(int i, int j, int k) {
        // The cube being worked on is kept in plain variables and the stack holds only the
        // cubes whose neighbours are still to be visited, each written and read field by
        // field: a frame written in small stores and read back at once as a whole would
        // stall the processor, which cannot forward such stores to one wide load.
        std::vector<WalkFrame>& suspended = renderer.stack;
        suspended.clear();
        uint8_t mask = process(i, j, k), next = 0;
        for (;;) {
            bool descended = false;
            while (next < 5) {
                const Neighbour& nb = neighbours[next++];
                const int ni = i + nb.di, nj = j + nb.dj, nk = k + nb.dk;
                if (!(mask & nb.bit) || !inside(ni, nj, nk)) continue;
                if (lattice.cubeProcessed(ni, nj, nk)) continue;
                WalkFrame& parent = suspended.emplace_back();
                parent.i = i;
                parent.j = j;
                parent.k = k;
                parent.mask = mask;
                parent.next = next;
                i = ni;
                j = nj;
                k = nk;
                mask = process(i, j, k);
                next = 0;
                descended = true;
                break;
            }
            if (descended) continue;
            if ((mask & 2) && i + 1 <= lastCube && !lattice.cubeProcessed(i + 1, j, k)) {
                ++i;
                mask = process(i, j, k);
                next = 0;
                continue;
            }
            if (suspended.empty()) return;
            const WalkFrame& parent = suspended.back();
            i = parent.i;
            j = parent.j;
            k = parent.k;
            mask = parent.mask;
            next = parent.next;
            suspended.pop_back();
        }
    }

private:
    void emitCube(int index) {
        const int8_t* row = stripTable()[index];
        unsigned turns = turnTable()[index];
        for (int at = 0; row[at] != -1; ++at, turns >>= 1) {
            for (; row[at] != -1; ++at) mesh.indices.push_back(vertexOn(edgeinfo[row[at]]));
            mesh.stripEnds.push_back(static_cast<uint32_t>(mesh.indices.size()));
            mesh.stripTurned.push_back(static_cast<uint8_t>(turns & 1));
        }
    }

    // The number of the vertex on the cube's edge e, made by the first cube that needs it:
    // the other cubes round the edge have the same two corners, so they would make the same.
    uint32_t vertexOn(const EdgeInfo& e) {
        // The edge's cache lies with its low end.
        const int start = e.cornerA;
        LatticeBrick& brick = *cornerBrick[start];
        uint32_t& vertex = brick.edgeVertices[cornerLocal[start] * 3 + e.axis];
        if (!brick.markEdgeMade(e.axis, cornerLocal[start])) return vertex;
        vertex = static_cast<uint32_t>(mesh.positions.size());
        makeVertex(e);
        return vertex;
    }

    void makeVertex(const EdgeInfo& e) {
        const cornerinfo& a = *corner[e.cornerA];
        const cornerinfo& b = *corner[e.cornerB];
        const float difference = a.value - b.value;
        // The two values lie on either side of 0, so the difference is not 0, except for
        // +0 against -0, which meet at A.
        const float t = difference != 0 ? a.value / difference : 0.0f;
        const float s = 1.0f - t;
        const Point3D normal(s * a.normal[0] + t * b.normal[0], s * a.normal[1] + t * b.normal[1],
                             s * a.normal[2] + t * b.normal[2]);
        if (heatColours) mesh.colours.push_back(lavaColourFor(lava, s * a.temperature + t * b.temperature));
        Point3D position(x[e.xSel], y[e.ySel], z[e.zSel]);
        position[e.axis] += size * t;
        mesh.positions.push_back(pulledInside(position, wallRadius(position.y) - glassMargin));
        mesh.normals.push_back(normal);
    }

    LavaRenderer& renderer;
    SurfaceMesh& mesh;
    const uint16_t stamp;
    LavaLattice& lattice;
    const float size;
    const LavaParameters& lava;
    const bool heatColours;
    cornerinfo* corner[8] = {};
    LatticeBrick* cornerBrick[8] = {};  // where each corner's record and edge cache lie
    int cornerLocal[8] = {};
    float x[2] = {}, y[2] = {}, z[2] = {};
};

void LavaRenderer::polygonise(Blob* const* blobs, int n, float R, const LavaParameters& lava, StripEmitter& out) {
    setFieldBlobs(blobs, n);
    setPassRadius(R);
    mesh.clear();
    mesh.hasColours = lava.differentHotColor;

    LavaLattice& l = lattice();
    const uint16_t stamp = passStamp;
    l.beginPass(stamp);
    CubeWalker walker(*this, lava);
    for (int b = 0; b < n; ++b) {
        const Point3D& centre = blobs[b]->position;
        const int i = seedIndex(centre.x, l.offset.x, spacing);
        const int j = seedIndex(centre.y, l.offset.y, spacing);
        int k = seedIndex(centre.z, l.offset.z, spacing);
        float zk = l.Z[k];
        while (k >= 0) {
            LatticeBrick& brick = l.brickOf(i, j, k);
            const int local = LavaLattice::localIndex(i, j, k);
            if (!brick.markEvaluated(local)) break;
            cornerinfo& point = brick.records[local];
            point.valueMark = stamp;
            point.value = evaluateField(point, Point3D(l.X[i], l.Y[j], zk));
            if (point.value < 0) {
                walker.follow(i, j, k);
                break;
            }
            --k;
            zk -= spacing;
        }
    }
    endPass();
    out.beginSurface(lava.lavaColour);
    out.surface(mesh);
    out.endSurface();
}
