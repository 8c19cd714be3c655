// BM_Frame/N/A: one whole frame (lava step and drawing, finished) of the lamp with N blobs
// at render accuracy A, in a 533 x 600 offscreen context. Mesa's renderer runs on the
// calling thread (LP_NUM_THREADS=0), so the wall time is the frame's whole CPU cost. The
// counters split it: the step, the polygonisation (timed on its own over the same lava),
// the hand-over of the surfaces to OpenGL, and the rest of the drawing and rasterising;
// lava_kB is the memory the lava's step and surface hold, lattice_kB and hashes_kB the
// parts of it in the lattice's bricks and in the two spatial hashes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#include "bench/counting_emitter.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "lamp/offscreen_lamp.h"
#include "platform/gl.h"
#include "settings/settings.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Before any context exists: Mesa's software renderer without worker threads.
struct OneThreadRenderer {
    OneThreadRenderer() { setenv("LP_NUM_THREADS", "0", 1); }
};

// The lamp of n blobs at render accuracy a, from a fixed seed, warmed up and then 400
// steps on.
struct BenchLamp {
    OneThreadRenderer oneThread;
    OffscreenLamp offscreen;
    BenchLamp(int blobs, int accuracy) : offscreen(533, 600, 12345) {
        offscreen.settings().numParticles.setValue(blobs);
        offscreen.settings().renderAccuracy.setValue(accuracy);
        lamp().warmUp();
        for (int n = 0; n < 400; ++n) lamp().step(0.02f);
    }
    LampScene& lamp() { return offscreen.scene(); }
    void polygoniseAll(StripEmitter& out) {
        LavaGlass& glass = lamp().glass;
        glass.engine.renderer.polygoniseClusters(glass.group.blobs, glass.numClusters(), glass.engine.parameters, out);
    }
};

// Passes everything on to the lamp's emitter, timing the surfaces' hand-over.
class TimingEmitter : public StripEmitter {
public:
    explicit TimingEmitter(StripEmitter& inner) : inner(inner) {}
    void beginSurface(const Point3D& colour) override { inner.beginSurface(colour); }
    void endSurface() override { inner.endSurface(); }
    void beginStrip(bool turned) override { inner.beginStrip(turned); }
    void vertex(const Point3D& p, const Point3D& n, bool hasColour, const Point3D& c) override {
        inner.vertex(p, n, hasColour, c);
    }
    void endStrip() override { inner.endStrip(); }
    void surface(const SurfaceMesh& mesh) override {
        const Clock::time_point start = Clock::now();
        inner.surface(mesh);
        seconds += secondsSince(start);
    }
    void flush() override {
        const Clock::time_point start = Clock::now();
        inner.flush();
        seconds += secondsSince(start);
    }
    double seconds = 0;

private:
    StripEmitter& inner;
};

void BM_Frame(benchmark::State& state) {
    BenchLamp bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    LavaEngine& engine = bench.lamp().glass.engine;
    // The lamp's own way (buffer objects where the context has OpenGL 1.5), timed.
    StripEmitter* const chosen = engine.emitter;
    TimingEmitter timing(*chosen);
    engine.emitter = &timing;
    CountingEmitter counter;
    double step = 0, draw = 0, polygonise = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        bench.lamp().step(static_cast<float>(bench.offscreen.settings().speed.value()) * 0.01f * 0.02f);
        step += secondsSince(start);
        start = Clock::now();
        bench.offscreen.lamp().renderFrame(false, false);
        glFinish();
        draw += secondsSince(start);
        ++frames;
        state.PauseTiming();
        start = Clock::now();
        bench.polygoniseAll(counter);
        polygonise += secondsSince(start);
        state.ResumeTiming();
    }
    const double f = static_cast<double>(frames), ms = 1000.0 / f;
    state.counters["step_ms"] = step * ms;
    state.counters["polygonise_ms"] = polygonise * ms;
    state.counters["submit_ms"] = timing.seconds * ms;
    state.counters["draw_and_raster_ms"] = (draw - polygonise - timing.seconds) * ms;
    state.counters["triangles"] = static_cast<double>(counter.triangles) / f;
    state.counters["clusters"] = bench.lamp().glass.numClusters();
    // What the lava's working storage comes to (the lattice's bricks, both hashes, the
    // tables and the meshes), as it stands after the frames.
    state.counters["lava_kB"] = static_cast<double>(engine.renderer.bytes() + engine.stepper.bytes()) / 1024;
    // Of it, by owner: the lattice's bricks, and the field's and the step's hashes.
    state.counters["lattice_kB"] = static_cast<double>(engine.renderer.latticeBytes()) / 1024;
    state.counters["hashes_kB"] = static_cast<double>(engine.renderer.hashBytes() + engine.stepper.hashBytes()) / 1024;
    engine.emitter = chosen;
}

}  // namespace

BENCHMARK(BM_Frame)->Args({175, 100})->Args({400, 200})->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ReportAggregatesOnly(true);
