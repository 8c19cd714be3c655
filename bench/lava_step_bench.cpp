// BM_LavaStep/N: one lava step of N blobs in the lamp's glass, after 500 warm-up steps from
// a fixed seed. Reports the neighbour pairs looked at per step (pairs found in the bucket of
// a blob's centre, each counted once).
#include <benchmark/benchmark.h>

#include "lava/blob.h"
#include "lava/lava_glass.h"
#include "lava/spatial_hash.h"

namespace {

// The pairs the step's heat and force passes visit, counted with a hash of the same shape.
double neighbourPairs(Group& lava) {
    SpatialHash hash(2.0f);
    for (Blob* b : lava.blobs) {
        hash.insert(b, 4.0f * b->radius);
        b->processed = false;
    }
    double pairs = 0;
    for (Blob* b : lava.blobs) {
        b->processed = true;
        for (int32_t n = hash.bucketAt(b->position); n != SpatialHash::none; n = hash.nextNode(n))
            if (!hash.blobOf(n)->processed) ++pairs;
    }
    return pairs;
}

// The lamp's lava of n blobs from a fixed seed, after 500 warm-up steps.
struct WarmLava {
    LavaGlass glass{12345};
    explicit WarmLava(int n) {
        glass.setParticleCount(n);
        for (int i = 0; i < 500; ++i) glass.step(0.02f);
    }
};

void BM_LavaStep(benchmark::State& state) {
    WarmLava warm(static_cast<int>(state.range(0)));
    Group& lava = warm.glass.group;
    double pairs = 0;
    int64_t steps = 0;
    for (auto _ : state) {
        warm.glass.step(0.02f);
        state.PauseTiming();
        pairs += neighbourPairs(lava);
        ++steps;
        state.ResumeTiming();
    }
    state.counters["pairs_per_step"] = pairs / static_cast<double>(steps);
}

}  // namespace

BENCHMARK(BM_LavaStep)->Arg(175)->Arg(400)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

namespace {

// The step hash alone: clearing it and registering every blob with 4 radii, as each step
// does first.
void BM_StepHashBuild(benchmark::State& state) {
    WarmLava warm(static_cast<int>(state.range(0)));
    Group& lava = warm.glass.group;
    SpatialHash hash(2.0f);
    for (auto _ : state) {
        hash.clear();
        for (Blob* b : lava.blobs) hash.insert(b, 4.0f * b->radius);
        benchmark::DoNotOptimize(hash.nodesUsed());
    }
    state.counters["registrations"] = hash.nodesUsed();
}

}  // namespace

BENCHMARK(BM_StepHashBuild)->Arg(175)->Arg(400)->Unit(benchmark::kMicrosecond);
