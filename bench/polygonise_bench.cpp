// BM_Polygonise/N/A: the surfaces of every cluster of N blobs (after 500 steps from a fixed
// seed) at render accuracy A, through the lava renderer's own per-cluster loop, strips counted
// but not drawn. BM_PolygoniseCold/N/A: the same, each pass after the processor's caches
// were filled with other data, as the running lamp meets it — the drawing and the 40 ms
// between frames have long pushed the lattice out. BM_EvaluateField: one field value alone,
// the floor of the walk's cost.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/counting_emitter.h"
#include "lava/blob.h"
#include "lava/lava_glass.h"

namespace {

struct SteppedLava {
    LavaGlass glass{12345};
    LavaRenderer& renderer = glass.engine.renderer;
    explicit SteppedLava(int blobs) {
        glass.setParticleCount(blobs);
        for (int i = 0; i < 500; ++i) glass.step(0.02f);
    }
    void polygoniseAll(StripEmitter& out) {
        renderer.polygoniseClusters(glass.group.blobs, glass.numClusters(), glass.engine.parameters, out);
    }
};

// Reads and writes more than a processor's caches hold, so the lava's storage is no
// longer in them.
void evictCaches() {
    static std::vector<uint64_t> other(32u << 20 >> 3);
    for (uint64_t& word : other) word += 1;
    benchmark::DoNotOptimize(other.data());
}

void polygoniseEachPass(benchmark::State& state, bool cold) {
    SteppedLava lava(static_cast<int>(state.range(0)));
    LavaRenderer& renderer = lava.renderer;
    renderer.setCellSize(cellSizeForAccuracy(static_cast<int>(state.range(1))));
    renderer.initPolygoniser();
    CountingEmitter out;
    int64_t frames = 0;
    renderer.fieldEvaluations = 0;
    renderer.cubesProcessed = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            evictCaches();
            state.ResumeTiming();
        }
        lava.polygoniseAll(out);
        ++frames;
    }
    const double f = static_cast<double>(frames);
    const double cubes = static_cast<double>(renderer.cubesProcessed) / f;
    const double values = static_cast<double>(renderer.fieldEvaluations) / f;
    state.counters["surface_cubes"] = cubes;
    state.counters["values_evaluated"] = values;
    state.counters["triangles"] = static_cast<double>(out.triangles) / f;
    state.counters["evaluations_per_cube"] = values / cubes;
    state.counters["ns_per_cube"] =
        benchmark::Counter(cubes * f, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["clusters"] = lava.glass.numClusters();
}

void BM_Polygonise(benchmark::State& state) {
    polygoniseEachPass(state, false);
}

void BM_PolygoniseCold(benchmark::State& state) {
    polygoniseEachPass(state, true);
}

// One value of the field at points spread over a cluster's surface region, with the field
// hash of that cluster.
void BM_EvaluateField(benchmark::State& state) {
    SteppedLava lava(175);
    LavaRenderer& renderer = lava.renderer;
    renderer.setCellSize(defaultCellSize);
    renderer.initPolygoniser();
    const std::vector<Blob*>& blobs = lava.glass.group.blobs;
    const int cluster = blobs.front()->cluster;
    std::vector<Blob*> members;
    for (Blob* b : blobs)
        if (b->cluster == cluster) members.push_back(b);
    renderer.setFieldBlobs(members.data(), static_cast<int>(members.size()));
    renderer.setPassRadius(1.32f);
    std::vector<Point3D> points;
    for (Blob* b : blobs)
        if (b->cluster == cluster)
            for (int n = 0; n < 8; ++n)
                points.push_back(b->position + Point3D(n & 1 ? 1.3f : -1.3f, n & 2 ? 0.4f : -0.4f, n & 4 ? 0.9f : -0.9f));
    cornerinfo record{};
    size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer.evaluateField(record, points[at]));
        at = at + 1 == points.size() ? 0 : at + 1;
    }
}

}  // namespace

BENCHMARK(BM_Polygonise)->Args({175, 100})->Args({400, 200})->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PolygoniseCold)->Args({175, 100})->Args({400, 200})->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EvaluateField)->Unit(benchmark::kNanosecond);
