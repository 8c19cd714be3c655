// The lattice, its coordinate tables, and the field's value at a lattice point.
#include "lava/lava_field.h"

#include <algorithm>
#include <cmath>

#include "lava/lava_renderer.h"

LavaLattice::LavaLattice(float spacing)
    : records(static_cast<size_t>(latticePoints) * latticePoints * latticePoints) {
    layOut(spacing);
}

void LavaLattice::layOut(float spacing) {
    const float half = spacing * latticePoints * 0.5f;
    offset = Point3D(half - shift.x - 0.05f, half - shift.y - 0.05f, half - shift.z - 0.05f);
    for (int n = 0; n < latticePoints; ++n) {
        const float at = static_cast<float>(n) * spacing;
        X[n] = at - offset.x;
        Y[n] = at - offset.y;
        Z[n] = at - offset.z;
    }
}

void LavaLattice::clearMarks() {
    for (cornerinfo& r : records) {
        r.cubeMark = 0;
        r.valueMark = 0;
        r.value = 0;
        r.normal[0] = r.normal[1] = r.normal[2] = 0;
    }
}

float cellSizeForAccuracy(int percentage) {
    return defaultCellSize / (static_cast<float>(std::clamp(percentage, 10, 200)) * 0.01f);
}

float LavaRenderer::evaluateField(cornerinfo& record, const Point3D& p) {
    ++fieldEvaluations;
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
