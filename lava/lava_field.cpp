// The lattice, its coordinate tables, and the field's sums at a point.
#include "lava/lava_field.h"

#include <algorithm>
#include <cmath>
#include <cstring>

LavaLattice::LavaLattice(float spacing) : slots(brickCount) {
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
    for (const std::unique_ptr<LatticeBrick>& brick : pool) {
        for (cornerinfo& r : brick->records) r = cornerinfo{};
        brick->clearDone();
    }
    std::fill(slots.begin(), slots.end(), BrickSlot{});
    pass = 0;
    bricksTaken = 0;
}

void LavaLattice::take(int brick) {
    if (bricksTaken == pool.size()) pool.push_back(std::make_unique<LatticeBrick>());
    LatticeBrick* taken = pool[bricksTaken++].get();
    taken->clearDone();
    slots[static_cast<size_t>(brick)] = {taken, pass};
}

size_t LavaLattice::bytes() const {
    return pool.size() * sizeof(LatticeBrick) + slots.size() * sizeof(BrickSlot) + pool.capacity() * sizeof(pool[0]);
}

float cellSizeForAccuracy(int percentage) {
    return defaultCellSize / (static_cast<float>(std::clamp(percentage, 10, 200)) * 0.01f);
}

namespace {

// Eight floats worked on at once (GCC and Clang vector extensions: plain arithmetic on all
// eight, compiled to the processor's vector instructions — two 4-wide halves, or one 8-wide
// operation where the processor has AVX2).
typedef float Float8 __attribute__((vector_size(32)));
typedef float Float4 __attribute__((vector_size(16)));

// The sums over one bucket's packed entries, eight at a time. Inlined into each of the two
// compiled versions below; both do the same operations in the same order, so they give the
// same bits.
__attribute__((always_inline)) inline FieldSums fieldSums(const SpatialHash& hash, SpatialHash::PackedRange range,
                                                          const Point3D& p, float radiusSquared) {
    static_assert(SpatialHash::packLanes == 8, "one vector of eight per step");
    const float* const cx = hash.packedX();
    const float* const cy = hash.packedY();
    const float* const cz = hash.packedZ();
    const float* const ct = hash.packedTemperature();
    // Scalars spread over all eight lanes by adding them to a vector of zeros. (Values are
    // moved in and out with memcpy rather than helper functions: a vector this wide passed
    // between functions would depend on whether the caller was built for AVX.)
    const Float8 zero = {};
    const Float8 px = zero + p.x, py = zero + p.y, pz = zero + p.z, r2 = zero + radiusSquared;
    // A lattice point exactly at a centre would divide by zero; a tiny floor keeps the value
    // finite and very large, as it is just beside the centre.
    const Float8 floor = zero + 1e-12f, tenth = zero + 0.1f;
    Float8 sum = zero, tsum = zero, nx = zero, ny = zero, nz = zero;
    for (int32_t at = range.begin; at < range.end; at += 8) {
        Float8 x, y, z, t;
        std::memcpy(&x, cx + at, sizeof x);
        std::memcpy(&y, cy + at, sizeof y);
        std::memcpy(&z, cz + at, sizeof z);
        std::memcpy(&t, ct + at, sizeof t);
        const Float8 dx = px - x, dy = py - y, dz = pz - z;
        Float8 d2 = dx * dx + dy * dy + dz * dz;
        d2 = d2 > floor ? d2 : floor;
        // s + |s|: twice s where it is positive, else 0 — beyond ten pass radii squared the
        // term is 0.
        const Float8 s = r2 / d2 - tenth;
        const Float8 w = s > zero ? s + s : zero;
        sum += w;
        tsum += w * t;
        nx += dx * w;
        ny += dy * w;
        nz += dz * w;
    }
    // Each sum's two halves added as vectors of four, then the four lanes.
    const auto total = [](const Float8& v) {
        Float4 low, high;
        std::memcpy(&low, &v, sizeof low);
        std::memcpy(&high, reinterpret_cast<const char*>(&v) + sizeof low, sizeof high);
        const Float4 half = low + high;
        return (half[0] + half[2]) + (half[1] + half[3]);
    };
    return {total(sum), total(tsum), {total(nx), total(ny), total(nz)}};
}

FieldSums fieldSumsPlain(const SpatialHash& hash, SpatialHash::PackedRange range, const Point3D& p, float r2) {
    return fieldSums(hash, range, p, r2);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) FieldSums fieldSumsAvx2(const SpatialHash& hash, SpatialHash::PackedRange range,
                                                        const Point3D& p, float r2) {
    return fieldSums(hash, range, p, r2);
}
const bool useAvx2 = __builtin_cpu_supports("avx2");
#else
const bool useAvx2 = false;
FieldSums fieldSumsAvx2(const SpatialHash& hash, SpatialHash::PackedRange range, const Point3D& p, float r2) {
    return fieldSums(hash, range, p, r2);
}
#endif

}  // namespace

FieldSums sumField(const SpatialHash& hash, const Point3D& p, float radiusSquared) {
    const SpatialHash::PackedRange range = hash.packedAt(p);
    return useAvx2 ? fieldSumsAvx2(hash, range, p, radiusSquared) : fieldSumsPlain(hash, range, p, radiusSquared);
}
