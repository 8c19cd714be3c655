// The spatial hash of the lava.
#include "lava/spatial_hash.h"

#include <cmath>

#include "lava/blob.h"

SpatialHash::SpatialHash(float bucketSize)
    : bucketSize(bucketSize),
      heads(static_cast<size_t>(cellsPerAxis) * cellsPerAxis * cellsPerAxis, none),
      nodes(poolSize) {
    touched.reserve(poolSize);
}

void SpatialHash::clear() {
    for (int32_t bucket : touched) heads[static_cast<size_t>(bucket)] = none;
    touched.clear();
    blobs.clear();
    centres.clear();
    temperatures.clear();
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

int32_t SpatialHash::insert(Blob* blob, float radius) {
    const int32_t slot = static_cast<int32_t>(blobs.size());
    blobs.push_back(blob);
    centres.push_back(blob->position);
    temperatures.push_back(blob->temperature);

    const float rr = radius / bucketSize;
    const float reach = (rr + 0.8660254f) * (rr + 0.8660254f);
    float g[3];
    int lo[3], hi[3];
    for (int a = 0; a < 3; ++a) {
        g[a] = blob->position[a] / bucketSize + centre;
        // A centre beyond the grid is taken to the middle of the border cell it lies
        // beyond, so the blob is registered there and finds itself through bucketAt, which
        // takes points outside to the border too. (NaN goes to the low border.)
        if (!(g[a] >= 0.0f)) g[a] = 0.5f;
        else if (g[a] >= cellsPerAxis) g[a] = cellsPerAxis - 0.5f;
        lo[a] = clampCell(g[a] - rr);
        hi[a] = clampCell(g[a] + rr);
    }
    // The squared offsets of the box's rows and columns, worked out once; each is the
    // float the whole expression would compute for that cell.
    std::vector<float>& dzSquared = columnScratch;
    dzSquared.resize(static_cast<size_t>(hi[2] - lo[2] + 1));
    for (int k = lo[2]; k <= hi[2]; ++k) {
        const float dz = g[2] - (static_cast<float>(k) + 0.5f);
        dzSquared[static_cast<size_t>(k - lo[2])] = dz * dz;
    }
    int32_t* const bucketHeads = heads.data();
    Node* const pool = nodes.data();
    int next = used;
    for (int i = lo[0]; i <= hi[0]; ++i) {
        const float dx = g[0] - (static_cast<float>(i) + 0.5f);
        const float dxSquared = dx * dx;
        for (int j = lo[1]; j <= hi[1]; ++j) {
            const float dy = g[1] - (static_cast<float>(j) + 0.5f);
            // (dx² + dy²) + dz², summed in that order as the whole distance would be.
            const float dxy = dxSquared + dy * dy;
            if (dxy > reach) continue;  // adding dz² cannot bring it back
            // dz² falls towards the sphere's centre and rises after it, so the cells taken
            // in a row are one run: find its ends, then register the run.
            const float* const dz2 = dzSquared.data() - lo[2];
            int first = lo[2], last = hi[2];
            while (first <= last && dxy + dz2[first] > reach) ++first;
            while (last >= first && dxy + dz2[last] > reach) --last;
            if (first > last) continue;
            const int32_t row = (i * cellsPerAxis + j) * cellsPerAxis;
            for (int k = first; k <= last; ++k) {
                if (next == poolSize) {
                    skipped += last - k + 1;
                    break;
                }
                int32_t& head = bucketHeads[row + k];
                if (head == none) touched.push_back(row + k);
                pool[next] = {slot, head};
                head = next++;
            }
        }
    }
    used = next;
    return slot;
}

int32_t SpatialHash::bucketAt(const Point3D& point) const {
    const int i = cellIndex(point.x), j = cellIndex(point.y), k = cellIndex(point.z);
    return heads[static_cast<size_t>((i * cellsPerAxis + j) * cellsPerAxis + k)];
}
