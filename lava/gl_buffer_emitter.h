// Surfaces to OpenGL through buffer objects (OpenGL 1.5). The lava's surfaces of a drawing
// are gathered and written into a vertex and an index buffer at once, then drawn from
// there: no copy of client arrays into the driver's own upload buffers at every draw, and
// no new storage for the driver to hold each frame. A few buffers are taken in turn, so that
// the one written was last read frames ago and the driver need not wait for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "lava/strip_emitter.h"

class GlBufferEmitter : public StripEmitter {
public:
    // An emitter for the current context, or null where it has no OpenGL 1.5 (the vertex
    // arrays of glArrayEmitter are then the way).
    static std::unique_ptr<GlBufferEmitter> make();
    // The buffers are given back by release(), with their context current; without it they
    // go with the context.
    ~GlBufferEmitter() override;
    void release();

    void beginSurface(const Point3D& colour) override;
    void endSurface() override;
    void beginStrip(bool turned) override;
    void vertex(const Point3D& position, const Point3D& normal, bool hasColour, const Point3D& colour) override;
    void endStrip() override;
    void surface(const SurfaceMesh& mesh) override;
    void flush() override;

    struct Procedures;

private:
    explicit GlBufferEmitter(std::unique_ptr<Procedures> procedures);

    struct Buffer {
        unsigned name = 0;
        size_t capacity = 0;
    };
    struct BufferPair {
        Buffer vertices, indices;
    };
    // Writes `bytes` into the buffer bound at `target`, with more storage first if need be.
    void write(unsigned target, Buffer& buffer, const void* bytes, size_t size);

    // A surface waiting for the flush: its colour, where its arrays and triangles start
    // among the gathered ones, and how many there are.
    struct Draw {
        Point3D colour;
        size_t positions = 0, normals = 0, colours = 0;  // float offsets
        bool hasColours = false;
        size_t firstIndex = 0, indexCount = 0;
    };

    std::unique_ptr<Procedures> gl;
    std::array<BufferPair, 3> ring;
    size_t next = 0;
    std::vector<Draw> draws;
    std::vector<float> gatheredArrays;
    std::vector<uint32_t> gatheredIndices;
    Point3D surfaceColour;
    bool inSurface = false;
};

// Whether an OpenGL version string ("4.5 (Compatibility Profile) Mesa 22.3.6", "1.4.0")
// names 1.5 or later.
bool glVersionHasBuffers(const char* version);
