// The spatial hash of the lava.
#include "lava/spatial_hash.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"
#include "scene/module_assert.h"

SpatialHash::SpatialHash(float bucketSize, bool packable)
    : packable(packable), bucketSize(bucketSize), cellsPerUnit(1.0f / bucketSize) {}

void SpatialHash::growBox(const int lo[3], const int hi[3]) {
    constexpr int margin = 4;
    int newLo[3], newSize[3];
    for (int a = 0; a < 3; ++a) {
        const bool empty = boxSize[a] == 0;
        const int low = std::max(0, std::min(lo[a], empty ? lo[a] : boxLo[a]) - margin);
        const int high = std::min(cellsPerAxis - 1, std::max(hi[a], empty ? hi[a] : boxLo[a] + boxSize[a] - 1) + margin);
        newLo[a] = low;
        newSize[a] = high - low + 1;
    }
    const size_t cells = static_cast<size_t>(newSize[0]) * static_cast<size_t>(newSize[1]) * static_cast<size_t>(newSize[2]);
    std::vector<int32_t> newHeads(cells, none);
    std::vector<PackedRange> newRanges(packable ? cells : 0, PackedRange{0, 0});
    // The non-empty buckets move to their places in the new box.
    for (int32_t& bucket : touched) {
        const int k = bucket % boxSize[2], j = bucket / boxSize[2] % boxSize[1], i = bucket / boxSize[2] / boxSize[1];
        const int32_t moved = ((i + boxLo[0] - newLo[0]) * newSize[1] + (j + boxLo[1] - newLo[1])) * newSize[2] +
                              (k + boxLo[2] - newLo[2]);
        newHeads[static_cast<size_t>(moved)] = heads[static_cast<size_t>(bucket)];
        if (packable) newRanges[static_cast<size_t>(moved)] = packedRanges[static_cast<size_t>(bucket)];
        bucket = moved;
    }
    heads.swap(newHeads);
    packedRanges.swap(newRanges);
    for (int a = 0; a < 3; ++a) {
        boxLo[a] = newLo[a];
        boxSize[a] = newSize[a];
    }
}

size_t SpatialHash::bytes() const {
    return heads.capacity() * sizeof(int32_t) + packedRanges.capacity() * sizeof(PackedRange) +
           nodes.capacity() * sizeof(Node) + nodeCells.capacity() * sizeof(int32_t) +
           touched.capacity() * sizeof(int32_t) + blobs.capacity() * sizeof(Blob*) +
           centres.capacity() * sizeof(Point3D) + temperatures.capacity() * sizeof(float) +
           fillCursor.capacity() * sizeof(int32_t) +
           (packX.capacity() + packY.capacity() + packZ.capacity() + packT.capacity()) * sizeof(float) +
           packSlot.capacity() * sizeof(int32_t);
}

void SpatialHash::clear() {
    for (int32_t bucket : touched) {
        heads[static_cast<size_t>(bucket)] = none;
        if (packable) packedRanges[static_cast<size_t>(bucket)] = {0, 0};
    }
    touched.clear();
    blobs.clear();
    centres.clear();
    temperatures.clear();
    used = 0;
    skipped = 0;
}

int32_t SpatialHash::insert(Blob* blob, float radius) {
    const int32_t slot = static_cast<int32_t>(blobs.size());
    blobs.push_back(blob);
    centres.push_back(blob->position);
    temperatures.push_back(blob->temperature);

    const Registration r = registrationOf(blob->position, radius);
    bool within = true;
    for (int a = 0; a < 3; ++a) within = within && r.lo[a] >= boxLo[a] && r.hi[a] < boxLo[a] + boxSize[a];
    if (!within) growBox(r.lo, r.hi);
    // Room for the most this blob can register, up to the pool's limit.
    const size_t room = std::min(static_cast<size_t>(poolSize), static_cast<size_t>(used) + static_cast<size_t>(r.boxCells()));
    if (nodes.size() < room) {
        nodes.resize(std::min(static_cast<size_t>(poolSize), std::max(room, 2 * nodes.size())));
        if (packable) nodeCells.resize(nodes.size());
    }
    const float* const g = r.g;
    const int* const lo = r.lo;
    const int* const hi = r.hi;
    const float reach = r.reach;
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
    PackedRange* const ranges = packedRanges.data();
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
            const int32_t row = ((i - boxLo[0]) * boxSize[1] + (j - boxLo[1])) * boxSize[2] - boxLo[2];
            for (int k = first; k <= last; ++k) {
                if (next == poolSize) {
                    skipped += last - k + 1;
                    break;
                }
                int32_t& head = bucketHeads[row + k];
                if (head == none) {
                    if (packable) ranges[row + k].begin = static_cast<int32_t>(touched.size());
                    touched.push_back(row + k);
                }
                if (packable) {
                    PackedRange& cell = ranges[row + k];
                    ++cell.end;
                    nodeCells[static_cast<size_t>(next)] = cell.begin;
                }
                pool[next] = {slot, head};
                head = next++;
            }
        }
    }
    used = next;
    return slot;
}

SpatialHash::Registration SpatialHash::registrationOf(const Point3D& point, float radius) const {
    Registration r;
    const float rr = radius / bucketSize;
    r.reach = (rr + 0.8660254f) * (rr + 0.8660254f);
    for (int a = 0; a < 3; ++a) {
        float g = point[a] * cellsPerUnit + centre;
        // A centre beyond the grid is taken to the middle of the border cell it lies
        // beyond, so the blob is registered there and finds itself through bucketAt, which
        // takes points outside to the border too. (NaN goes to the low border.)
        if (!(g >= 0.0f)) g = 0.5f;
        else if (g >= cellsPerAxis) g = cellsPerAxis - 0.5f;
        r.g[a] = g;
        r.lo[a] = clampCell(g - rr);
        r.hi[a] = clampCell(g + rr);
    }
    return r;
}

int32_t SpatialHash::bucketAt(const Point3D& point) const {
    const int32_t bucket = bucketIndex(point);
    return bucket == none ? none : heads[static_cast<size_t>(bucket)];
}

void SpatialHash::pack() {
    GJ_ASSERT(packable, "SpatialHash");
    // A point this far from everything adds nothing: its squared distance, about 1e36,
    // is far beyond any reach and still finite.
    constexpr float far = 1e18f;
    // A counting sort: each bucket's place from the counts, then the registrations dealt
    // out newest first, which is the order of the bucket's list.
    fillCursor.resize(touched.size());
    int32_t total = 0;
    for (size_t t = 0; t < touched.size(); ++t) {
        PackedRange& cell = packedRanges[static_cast<size_t>(touched[t])];
        const int32_t count = cell.end;
        fillCursor[t] = total;
        cell = {total, total + count};
        total += (count + packLanes - 1) / packLanes * packLanes;
    }
    const size_t size = static_cast<size_t>(total);
    packX.resize(size);
    packY.resize(size);
    packZ.resize(size);
    packT.resize(size);
    packSlot.resize(size);
    // Every entry is written: the registrations below, the padding here.
    for (const int32_t bucket : touched) {
        const PackedRange& cell = packedRanges[static_cast<size_t>(bucket)];
        const int32_t paddedEnd = (cell.end + packLanes - 1) / packLanes * packLanes;
        for (size_t at = static_cast<size_t>(cell.end); at < static_cast<size_t>(paddedEnd); ++at) {
            packX[at] = packY[at] = packZ[at] = far;
            packT[at] = 0;
            packSlot[at] = none;
        }
    }
    for (int32_t n = used - 1; n >= 0; --n) {
        const size_t at = static_cast<size_t>(fillCursor[static_cast<size_t>(nodeCells[static_cast<size_t>(n)])]++);
        const int32_t slot = nodes[static_cast<size_t>(n)].slot;
        const Point3D& c = centres[static_cast<size_t>(slot)];
        packX[at] = c.x;
        packY[at] = c.y;
        packZ[at] = c.z;
        packT[at] = temperatures[static_cast<size_t>(slot)];
        packSlot[at] = slot;
    }
}

