// Surfaces to OpenGL through buffer objects (OpenGL 1.5). Each surface of a drawing of the
// lava is written straight into a vertex and an index buffer mapped for it, and the
// drawing's surfaces are drawn from there at the end: no copy of client arrays into the
// driver's own upload buffers at every draw, and no new storage for the driver to hold each
// frame. A few pairs of buffers are taken in turn, so that the pair written was last read
// drawings ago and the driver need not wait for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "lava/strip_emitter.h"

// OpenGL's entry points beyond 1.1 for the current context, by name (null where it has no
// such function): Windows' opengl32 exports 1.1 only, and each platform hands out the rest
// its own way (wglGetProcAddress, glXGetProcAddressARB, OSMesaGetProcAddress).
using GlProcedures = std::function<void*(const char* name)>;

class GlBufferEmitter : public StripEmitter {
public:
    // An emitter for the current context, or null where it has no OpenGL 1.5 (the vertex
    // arrays of glArrayEmitter are then the way).
    static std::unique_ptr<GlBufferEmitter> make(const GlProcedures& procedures);
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

    struct BufferPair {
        unsigned vertices = 0, indices = 0;      // buffer names
        size_t vertexFloats = 0, indexCount = 0;  // their storage
    };
    // Takes the next pair for at least this many floats and vertex numbers, with room for a
    // drawing like the last one, binds it and maps it.
    void open(size_t floats, size_t indices);
    // Unmaps the open pair and draws the surfaces written into it.
    void drawOpen();
    // Writes `count` items at `at` of the open pair's buffer bound at `target`: into its
    // mapping, or through glBufferSubData where it could not be mapped.
    template <typename Item>
    void put(unsigned target, Item* mapping, size_t at, const Item* items, size_t count);

    // A surface written into the open pair: its colour, where its arrays and triangles
    // start (in floats and in vertex numbers) and how many vertex numbers it has.
    struct Draw {
        Point3D colour;
        size_t positions = 0, normals = 0, colours = 0;
        bool hasColours = false;
        size_t firstIndex = 0, indexCount = 0;
    };

    std::unique_ptr<Procedures> gl;
    std::array<BufferPair, 3> ring;
    size_t next = 0;
    BufferPair* opened = nullptr;
    float* vertexMapping = nullptr;      // null: written through glBufferSubData
    uint32_t* indexMapping = nullptr;
    size_t floatsUsed = 0, indicesUsed = 0;
    // What this drawing and the last one came to, for the room the next one is given.
    size_t drawingFloats = 0, drawingIndices = 0, lastFloats = 0, lastIndices = 0;
    std::vector<Draw> draws;
    std::vector<uint32_t> unmappedTriangles;
    Point3D surfaceColour;
    bool inSurface = false;
};

// Whether an OpenGL version string ("4.5 (Compatibility Profile) Mesa 22.3.6", "1.4.0")
// names 1.5 or later.
bool glVersionHasBuffers(const char* version);
