// Lattice, coordinate tables and field evaluation.
#include "lava/lava_field.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"
#include "lava/polygoniser_tables.h"
#include "lava/spatial_hash.h"
#include "platform/diagnostics.h"

namespace {

float spacing = 0.8f;
float passRadiusSquared = 1.0f;
uint64_t evaluations = 0;

void layOutTables(LavaLattice& lattice) {
    const float half = spacing * latticePoints * 0.5f;
    lattice.offset = Point3D(half - lattice.shift.x - 0.05f, half - lattice.shift.y - 0.05f,
                             half - lattice.shift.z - 0.05f);
    for (int n = 0; n < latticePoints; ++n) {
        const float at = static_cast<float>(n) * spacing;
        lattice.X[n] = at - lattice.offset.x;
        lattice.Y[n] = at - lattice.offset.y;
        lattice.Z[n] = at - lattice.offset.z;
    }
}

}  // namespace

LavaLattice::LavaLattice() : records(static_cast<size_t>(latticePoints) * latticePoints * latticePoints) {
    layOutTables(*this);
}

LavaLattice& lavaLattice() {
    static LavaLattice lattice;
    return lattice;
}

SpatialHash& fieldHash() {
    static SpatialHash hash(1.9f);
    return hash;
}

float cellSize() { return spacing; }

void initPolygoniser() {
    diag("size of edgeinfo = %d\n", static_cast<int>(sizeof(EdgeInfo)));
    diag("size of cornerinfo = %d\n", static_cast<int>(sizeof(cornerinfo)));
    LavaLattice& lattice = lavaLattice();
    lattice.shift = Point3D();
    layOutTables(lattice);
    for (cornerinfo& r : lattice.records) {
        r.cubeMark = 0;
        r.valueMark = 0;
        r.value = 0;
        r.normal[0] = r.normal[1] = r.normal[2] = 0;
    }
}

void setCellSize(float size) {
    spacing = size;
    layOutTables(lavaLattice());
}

float cellSizeForAccuracy(int percentage) {
    return 0.8f / (static_cast<float>(std::clamp(percentage, 10, 200)) * 0.01f);
}

void setPassRadius(float radius) { passRadiusSquared = radius * radius; }

uint64_t& fieldEvaluations() { return evaluations; }

float evaluateField(cornerinfo& record, const Point3D& p) {
    ++evaluations;
    const SpatialHash& hash = fieldHash();
    float sum = 0, tsum = 0, nx = 0, ny = 0, nz = 0;
    for (int32_t n = hash.bucketAt(p); n != SpatialHash::none; n = hash.nextNode(n)) {
        const int32_t slot = hash.slotOf(n);
        const Point3D& centre = hash.centreOf(slot);
        const float dx = p.x - centre.x, dy = p.y - centre.y, dz = p.z - centre.z;
        // A lattice point exactly at a centre would divide by zero; a tiny floor keeps the
        // value finite and very large, as it is just beside the centre.
        const float d2 = std::max(dx * dx + dy * dy + dz * dz, 1e-12f);
        const float s = passRadiusSquared / d2 - 0.1f;
        const float w = s + std::fabs(s);
        sum += w;
        tsum += w * hash.temperatureOf(slot);
        nx += dx * w;
        ny += dy * w;
        nz += dz * w;
    }
    record.temperature = tsum / sum;
    record.normal[0] = nx;
    record.normal[1] = ny;
    record.normal[2] = nz;
    return sum - 2.0f;
}
