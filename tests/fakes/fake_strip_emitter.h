// A strip emitter that keeps every triangle the polygoniser sends, for tests, each wound
// (counter-clockwise) with its front facing out as OpenGL is given it.
#pragma once

#include <array>
#include <vector>

#include "lava/strip_emitter.h"

struct RecordedVertex {
    Point3D position, normal, colour;
    bool hasColour;
};

class FakeStripEmitter : public StripEmitter {
public:
    void beginSurface(const Point3D& colour) override { surfaceColour = colour; ++surfaces; }
    void endSurface() override {}
    void beginStrip(bool turned) override {
        strip.clear();
        stripTurned = turned;
    }
    void vertex(const Point3D& position, const Point3D& normal, bool hasColour,
                const Point3D& colour) override {
        strip.push_back({position, normal, colour, hasColour});
        vertices.push_back(strip.back());
    }
    void endStrip() override {
        // Each triangle wound as OpenGL draws the strip, the front facing out.
        for (size_t n = 2; n < strip.size(); ++n) {
            if ((n % 2 == 1) != stripTurned) triangles.push_back({strip[n - 1], strip[n - 2], strip[n]});
            else triangles.push_back({strip[n - 2], strip[n - 1], strip[n]});
        }
        ++strips;
    }

    std::vector<std::array<RecordedVertex, 3>> triangles;
    std::vector<RecordedVertex> vertices;
    Point3D surfaceColour;
    int surfaces = 0, strips = 0;

private:
    std::vector<RecordedVertex> strip;
    bool stripTurned = false;
};
