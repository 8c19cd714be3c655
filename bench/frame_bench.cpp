// BM_Frame/N/A: one whole frame (lava step and drawing) of the lamp with N blobs at render
// accuracy A, in a 533 x 600 offscreen context (Mesa's software renderer). The same
// lamp's step alone and its polygonisation alone (strips counted, not drawn) are measured
// beside it, so the frame splits into step, polygonisation and OpenGL drawing.
#include <benchmark/benchmark.h>

#include "bench/counting_emitter.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "lamp/lamp_startup.h"
#include "lamp/offscreen_lamp.h"
#include "settings/settings.h"

namespace {

// The lamp of n blobs at render accuracy a, from a fixed seed, warmed up and then 400
// steps on.
struct BenchLamp {
    OffscreenLamp offscreen;
    BenchLamp(int blobs, int accuracy) : offscreen(533, 600, 12345) {
        theSettings->numParticles.setValue(blobs);
        theSettings->renderAccuracy.setValue(accuracy);
        warmUpLava();
        for (int n = 0; n < 400; ++n) lamp().step(0.02f);
    }
    LampScene& lamp() { return offscreen.lamp(); }
    void polygoniseAll(StripEmitter& out) {
        LavaGlass& glass = lamp().glass;
        glass.engine.renderer.polygoniseClusters(glass.group.blobs, glass.numClusters(), out);
    }
};

void BM_Frame(benchmark::State& state) {
    BenchLamp bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) renderFrame(true, false, true);
    CountingEmitter counter;
    bench.polygoniseAll(counter);
    state.counters["triangles"] = static_cast<double>(counter.triangles);
    state.counters["clusters"] = bench.lamp().glass.numClusters();
}

void BM_FrameStep(benchmark::State& state) {
    BenchLamp bench(static_cast<int>(state.range(0)), 100);
    for (auto _ : state) bench.lamp().step(0.02f);
}

void BM_FramePolygonise(benchmark::State& state) {
    BenchLamp bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CountingEmitter counter;
    for (auto _ : state) bench.polygoniseAll(counter);
}

}  // namespace

BENCHMARK(BM_Frame)->Args({175, 100})->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameStep)->Arg(175)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FramePolygonise)->Args({175, 100})->Args({400, 200})->Unit(benchmark::kMillisecond)
    ->Repetitions(3)->ReportAggregatesOnly(true);
