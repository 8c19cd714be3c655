// A strip emitter that counts triangles and draws nothing: the polygoniser's work without
// OpenGL's.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "lava/strip_emitter.h"

class CountingEmitter : public StripEmitter {
public:
    void beginSurface(const Point3D&) override {}
    void endSurface() override {}
    void beginStrip(bool) override { inStrip = 0; }
    void vertex(const Point3D& p, const Point3D&, bool, const Point3D&) override {
        benchmark::DoNotOptimize(p);
        ++inStrip;
    }
    void endStrip() override { triangles += inStrip >= 3 ? inStrip - 2 : 0; }
    // The whole surface at once, as the lamp's vertex arrays take it.
    void surface(const SurfaceMesh& mesh) override {
        benchmark::DoNotOptimize(mesh.positions.data());
        uint32_t begin = 0;
        for (const uint32_t end : mesh.stripEnds) {
            triangles += end - begin >= 3 ? end - begin - 2 : 0;
            begin = end;
        }
    }
    int64_t triangles = 0;

private:
    int inStrip = 0;
};
