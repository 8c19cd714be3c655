// BM_Frame/N/A: one whole frame (lava step and drawing) of the lamp with N blobs at render
// accuracy A, in a 533 x 600 offscreen context (Mesa's software renderer). The same
// lamp's step alone and its polygonisation alone (strips counted, not drawn) are measured
// beside it, so the frame splits into step, polygonisation and OpenGL drawing.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "lava/blob.h"
#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "lava/polygoniser.h"
#include "bench/counting_emitter.h"
#include "platform/offscreen_context.h"
#include "scene/frame_pipeline.h"
#include "scene/lamp_scene.h"
#include "scene/lamp_startup.h"
#include "scene/quadric.h"
#include "settings/setting_effects.h"
#include "settings/setting_values.h"

namespace {


struct OffscreenLamp {
    std::unique_ptr<OffscreenContext> context = std::make_unique<OffscreenContext>(533, 600);
    OffscreenLamp(int blobs, int accuracy) {
        resetFrameState();
        lavaParameters = LavaParameters();
        settingValues = SettingValues::defaultsFor(Windowed);
        settingValues.numParticles = blobs;
        settingValues.renderAccuracy = accuracy;
        createLampWithSettings(12345);
        initGLState();
        resizeViewport(533, 600);
        warmUpLava();
        for (int n = 0; n < 400; ++n) theLampScene->step(0.02f);
    }
    ~OffscreenLamp() {
        delete theLampScene;
        theLampScene = nullptr;
        deleteSharedQuadric();
    }
    int64_t polygoniseAll(StripEmitter& out) {
        std::vector<Blob*> lump;
        for (int q = 0; q < numClusters; ++q) {
            lump.clear();
            for (Blob* b : theLampScene->lava->blobs)
                if (b->cluster == q) lump.push_back(b);
            if (!lump.empty()) polygonise(lump.data(), static_cast<int>(lump.size()), 1.2f * lump[0]->radius, out);
        }
        return 0;
    }
};

void BM_Frame(benchmark::State& state) {
    OffscreenLamp lamp(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) renderFrame(true, false, true);
    CountingEmitter counter;
    lamp.polygoniseAll(counter);
    state.counters["triangles"] = static_cast<double>(counter.triangles);
    state.counters["clusters"] = numClusters;
}

void BM_FrameStep(benchmark::State& state) {
    OffscreenLamp lamp(static_cast<int>(state.range(0)), 100);
    for (auto _ : state) theLampScene->step(0.02f);
}

void BM_FramePolygonise(benchmark::State& state) {
    OffscreenLamp lamp(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CountingEmitter counter;
    for (auto _ : state) lamp.polygoniseAll(counter);
}

}  // namespace

BENCHMARK(BM_Frame)->Args({175, 100})->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameStep)->Arg(175)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FramePolygonise)->Args({175, 100})->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
