// The renderer's state: the lattice, its spacing, the pass counter, and the clusters.
#include "lava/lava_renderer.h"

#include "lava/blob.h"
#include "lava/polygoniser_tables.h"
#include "platform/diagnostics.h"

LavaRenderer::LavaRenderer() : hash(fieldBucketSize, true) {}

LavaRenderer::~LavaRenderer() = default;

LavaLattice& LavaRenderer::lattice() {
    if (!grid) grid = std::make_unique<LavaLattice>(spacing);
    return *grid;
}

size_t LavaRenderer::bytes() const {
    const SurfaceMesh& m = mesh;
    return sizeof(*this) + latticeBytes() + hashBytes() +
           stack.capacity() * sizeof(WalkFrame) + clusterBlobs.capacity() * sizeof(Blob*) +
           (m.positions.capacity() + m.normals.capacity() + m.colours.capacity()) * sizeof(Point3D) +
           (m.indices.capacity() + m.stripEnds.capacity()) * sizeof(uint32_t) + m.stripTurned.capacity();
}

void LavaRenderer::initPolygoniser() {
    diag("size of edgeinfo = %d\n", static_cast<int>(sizeof(EdgeInfo)));
    diag("size of cornerinfo = %d\n", static_cast<int>(sizeof(cornerinfo)));
    LavaLattice& l = lattice();
    l.shift = Point3D();
    l.layOut(spacing);
    l.clearMarks();
}

void LavaRenderer::setCellSize(float size) {
    spacing = size;
    if (grid) grid->layOut(spacing);
}

void LavaRenderer::setFieldBlobs(Blob* const* blobs, int n) {
    hash.clear();
    for (int b = 0; b < n; ++b) hash.insert(blobs[b], 3.0f);
    hash.pack();
}

void LavaRenderer::endPass() {
    if (++passStamp != 0) return;
    // 65 536 passes on, the marks repeat: records stamped then would pass for current.
    lattice().clearMarks();
    passStamp = 1;
}

void LavaRenderer::polygoniseClusters(const std::vector<Blob*>& blobs, int clusters, const LavaParameters& lava,
                                      StripEmitter& out) {
    for (int q = 0; q < clusters; ++q) {
        clusterBlobs.clear();
        for (Blob* blob : blobs)
            if (blob->cluster == q) clusterBlobs.push_back(blob);
        // Blobs removed since the last step can leave a cluster number empty.
        if (clusterBlobs.empty()) continue;
        polygonise(clusterBlobs.data(), static_cast<int>(clusterBlobs.size()), 1.2f * clusterBlobs[0]->radius, lava, out);
    }
}

float LavaRenderer::evaluateField(cornerinfo& record, const Point3D& p) {
    ++fieldEvaluations;
    const FieldSums sums = sumField(hash, p, passRadiusSquared);
    record.temperature = sums.heat / sums.weight;
    record.normal[0] = sums.normal[0];
    record.normal[1] = sums.normal[1];
    record.normal[2] = sums.normal[2];
    return sums.weight - 2.0f;
}
