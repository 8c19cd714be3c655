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
    void beginStrip() override { inStrip = 0; }
    void vertex(const Point3D& p, const Point3D&, bool, const Point3D&) override {
        benchmark::DoNotOptimize(p);
        ++inStrip;
    }
    void endStrip() override { triangles += inStrip >= 3 ? inStrip - 2 : 0; }
    int64_t triangles = 0;

private:
    int inStrip = 0;
};
