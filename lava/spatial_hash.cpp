// The spatial hash of the lava.
#include "lava/spatial_hash.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"

SpatialHash::SpatialHash(float bucketSize)
    : bucketSize(bucketSize),
      buckets(static_cast<size_t>(cellsPerAxis) * cellsPerAxis * cellsPerAxis, nullptr),
      pool(poolSize) {
    touched.reserve(poolSize);
}

void SpatialHash::clear() {
    for (int32_t bucket : touched) buckets[static_cast<size_t>(bucket)] = nullptr;
    touched.clear();
    used = 0;
    skipped = 0;
}

int SpatialHash::clampCell(float fractionalIndex) {
    const float g = std::floor(fractionalIndex);
    // NaN and far-away points go to a border cell.
    if (!(g >= 0.0f)) return 0;
    if (g > cellsPerAxis - 1) return cellsPerAxis - 1;
    return static_cast<int>(g);
}

int SpatialHash::cellIndex(float coordinate) const {
    return clampCell(coordinate / bucketSize + centre);
}

void SpatialHash::insert(Blob* blob, float radius) {
    const float rr = radius / bucketSize;
    const float reach = (rr + 0.8660254f) * (rr + 0.8660254f);
    float g[3];
    int lo[3], hi[3];
    for (int a = 0; a < 3; ++a) {
        g[a] = blob->position[a] / bucketSize + centre;
        lo[a] = clampCell(g[a] - rr);
        hi[a] = clampCell(g[a] + rr);
    }
    for (int i = lo[0]; i <= hi[0]; ++i) {
        const float dx = g[0] - (static_cast<float>(i) + 0.5f);
        for (int j = lo[1]; j <= hi[1]; ++j) {
            const float dy = g[1] - (static_cast<float>(j) + 0.5f);
            for (int k = lo[2]; k <= hi[2]; ++k) {
                const float dz = g[2] - (static_cast<float>(k) + 0.5f);
                if (dx * dx + dy * dy + dz * dz > reach) continue;
                if (used == poolSize) {
                    ++skipped;
                    continue;
                }
                const int32_t bucket = (i * cellsPerAxis + j) * cellsPerAxis + k;
                Node*& head = buckets[static_cast<size_t>(bucket)];
                if (!head) touched.push_back(bucket);
                Node& node = pool[static_cast<size_t>(used++)];
                node = {blob, head};
                head = &node;
            }
        }
    }
}

const SpatialHash::Node* SpatialHash::bucketAt(const Point3D& point) const {
    const int i = cellIndex(point.x), j = cellIndex(point.y), k = cellIndex(point.z);
    return buckets[static_cast<size_t>((i * cellsPerAxis + j) * cellsPerAxis + k)];
}
