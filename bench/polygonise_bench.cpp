// BM_Polygonise/N/A: the surfaces of every lump of N blobs (after 500 steps from a fixed
// seed) at render accuracy A, strips counted but not drawn. BM_EvaluateField: one field
// value alone, the floor of the walk's cost.
#include <benchmark/benchmark.h>

#include <vector>

#include "lava/blob.h"
#include "lava/blob_population.h"
#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "lava/lava_step.h"
#include "lava/lava_vessel.h"
#include "lava/polygoniser.h"
#include "lava/spatial_hash.h"
#include "bench/counting_emitter.h"
#include "scene/group.h"

namespace {


struct SteppedLava {
    Group lava;
    LavaVessel vessel;
    explicit SteppedLava(int blobs) {
        lavaParameters = LavaParameters();
        vessel.addCollidersTo(lava);
        BlobRandom random(12345);
        setParticleCount(lava, blobs, nullptr, random);
        for (int i = 0; i < 500; ++i) lavaStep(lava, 0.02f);
    }
    // Every lump, as the lava drawing does it.
    void polygoniseAll(StripEmitter& out) {
        std::vector<Blob*> lump;
        for (int q = 0; q < numClusters; ++q) {
            lump.clear();
            for (Blob* b : lava.blobs)
                if (b->cluster == q) lump.push_back(b);
            if (!lump.empty()) polygonise(lump.data(), static_cast<int>(lump.size()), 1.2f * lump[0]->radius, out);
        }
    }
};

void BM_Polygonise(benchmark::State& state) {
    SteppedLava lava(static_cast<int>(state.range(0)));
    setCellSize(cellSizeForAccuracy(static_cast<int>(state.range(1))));
    initPolygoniser();
    CountingEmitter out;
    int64_t frames = 0;
    fieldEvaluations() = 0;
    cubesProcessed() = 0;
    for (auto _ : state) {
        lava.polygoniseAll(out);
        ++frames;
    }
    const double f = static_cast<double>(frames);
    const double cubes = static_cast<double>(cubesProcessed()) / f;
    const double values = static_cast<double>(fieldEvaluations()) / f;
    state.counters["surface_cubes"] = cubes;
    state.counters["values_evaluated"] = values;
    state.counters["triangles"] = static_cast<double>(out.triangles) / f;
    state.counters["evaluations_per_cube"] = values / cubes;
    state.counters["ns_per_cube"] =
        benchmark::Counter(cubes * f, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["clusters"] = numClusters;
}

// One value of the field at points spread over a lump's surface region, with the field
// hash of that lump.
void BM_EvaluateField(benchmark::State& state) {
    SteppedLava lava(175);
    setCellSize(0.8f);
    initPolygoniser();
    fieldHash().clear();
    for (Blob* b : lava.lava.blobs)
        if (b->cluster == lava.lava.blobs.front()->cluster) fieldHash().insert(b, 3.0f);
    setPassRadius(1.32f);
    std::vector<Point3D> points;
    for (Blob* b : lava.lava.blobs)
        if (b->cluster == lava.lava.blobs.front()->cluster)
            for (int n = 0; n < 8; ++n)
                points.push_back(b->position + Point3D(n & 1 ? 1.3f : -1.3f, n & 2 ? 0.4f : -0.4f, n & 4 ? 0.9f : -0.9f));
    cornerinfo record{};
    size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateField(record, points[at]));
        at = at + 1 == points.size() ? 0 : at + 1;
    }
}

}  // namespace

BENCHMARK(BM_Polygonise)->Args({175, 100})->Args({400, 200})->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EvaluateField)->Unit(benchmark::kNanosecond);
