// Surfaces through buffer objects.
#include "lava/gl_buffer_emitter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "lava/surface_triangles.h"
#include "platform/gl.h"

#ifndef APIENTRY
#define APIENTRY
#endif

namespace {

// OpenGL 1.5's names, which Windows' 1.1 headers do not have.
constexpr GLenum arrayBuffer = 0x8892, elementArrayBuffer = 0x8893, streamDraw = 0x88E0, writeOnly = 0x88B9;
// The least storage of a pair: the usual lamp's lava in one (256 and 128 kB).
constexpr size_t leastFloats = size_t{1} << 16, leastIndices = size_t{1} << 15;

}  // namespace

struct GlBufferEmitter::Procedures {
    void(APIENTRY* genBuffers)(GLsizei, GLuint*) = nullptr;
    void(APIENTRY* deleteBuffers)(GLsizei, const GLuint*) = nullptr;
    void(APIENTRY* bindBuffer)(GLenum, GLuint) = nullptr;
    void(APIENTRY* bufferData)(GLenum, ptrdiff_t, const void*, GLenum) = nullptr;
    void(APIENTRY* bufferSubData)(GLenum, ptrdiff_t, ptrdiff_t, const void*) = nullptr;
    void*(APIENTRY* mapBuffer)(GLenum, GLenum) = nullptr;
    GLboolean(APIENTRY* unmapBuffer)(GLenum) = nullptr;

    bool find(const GlProcedures& procedures) {
        auto load = [&procedures](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(procedures(name));
            return function != nullptr;
        };
        return load(genBuffers, "glGenBuffers") && load(deleteBuffers, "glDeleteBuffers") &&
               load(bindBuffer, "glBindBuffer") && load(bufferData, "glBufferData") &&
               load(bufferSubData, "glBufferSubData") && load(mapBuffer, "glMapBuffer") &&
               load(unmapBuffer, "glUnmapBuffer");
    }
};

bool glVersionHasBuffers(const char* version) {
    if (version == nullptr) return false;
    char* end = nullptr;
    const long major = std::strtol(version, &end, 10);
    if (end == version || *end != '.') return false;
    const char* minorText = end + 1;
    const long minor = std::strtol(minorText, &end, 10);
    if (end == minorText) return false;
    return major > 1 || (major == 1 && minor >= 5);
}

std::unique_ptr<GlBufferEmitter> GlBufferEmitter::make(const GlProcedures& procedures) {
    if (!procedures || !glVersionHasBuffers(reinterpret_cast<const char*>(glGetString(GL_VERSION)))) return nullptr;
    auto found = std::make_unique<Procedures>();
    if (!found->find(procedures)) return nullptr;
    std::unique_ptr<GlBufferEmitter> emitter(new GlBufferEmitter(std::move(found)));
    for (const BufferPair& pair : emitter->ring) {
        if (pair.vertices == 0 || pair.indices == 0) {
            emitter->release();
            return nullptr;
        }
    }
    return emitter;
}

GlBufferEmitter::GlBufferEmitter(std::unique_ptr<Procedures> procedures) : gl(std::move(procedures)) {
    for (BufferPair& pair : ring) {
        GLuint names[2] = {0, 0};
        gl->genBuffers(2, names);
        pair.vertices = names[0];
        pair.indices = names[1];
    }
}

GlBufferEmitter::~GlBufferEmitter() = default;

void GlBufferEmitter::release() {
    if (opened) {
        if (vertexMapping) gl->unmapBuffer(arrayBuffer);
        if (indexMapping) gl->unmapBuffer(elementArrayBuffer);
        gl->bindBuffer(arrayBuffer, 0);
        gl->bindBuffer(elementArrayBuffer, 0);
        opened = nullptr;
        vertexMapping = nullptr;
        indexMapping = nullptr;
    }
    for (BufferPair& pair : ring) {
        const GLuint names[2] = {pair.vertices, pair.indices};
        if (names[0] != 0 || names[1] != 0) gl->deleteBuffers(2, names);
        pair = BufferPair{};
    }
    draws.clear();
}

void GlBufferEmitter::beginSurface(const Point3D& colour) {
    surfaceColour = colour;
    inSurface = true;
}

void GlBufferEmitter::endSurface() { inSurface = false; }

// Single strips, should anyone send them, go the immediate way, after what was written.
void GlBufferEmitter::beginStrip(bool turned) {
    flush();
    if (inSurface) glStripEmitter().beginSurface(surfaceColour);
    glStripEmitter().beginStrip(turned);
}
void GlBufferEmitter::vertex(const Point3D& position, const Point3D& normal, bool hasColour, const Point3D& colour) {
    glStripEmitter().vertex(position, normal, hasColour, colour);
}
void GlBufferEmitter::endStrip() {
    glStripEmitter().endStrip();
    if (inSurface) glStripEmitter().endSurface();
}

void GlBufferEmitter::open(size_t floats, size_t indices) {
    BufferPair& pair = ring[next];
    next = (next + 1) % ring.size();
    gl->bindBuffer(arrayBuffer, pair.vertices);
    gl->bindBuffer(elementArrayBuffer, pair.indices);
    // Room for the surface and for a drawing half again as large as the last, so that a
    // growing lava seldom asks for more.
    const size_t wantFloats = std::max({floats, lastFloats + lastFloats / 2, leastFloats});
    const size_t wantIndices = std::max({indices, lastIndices + lastIndices / 2, leastIndices});
    if (wantFloats > pair.vertexFloats) {
        pair.vertexFloats = wantFloats;
        gl->bufferData(arrayBuffer, static_cast<ptrdiff_t>(wantFloats * sizeof(float)), nullptr, streamDraw);
    }
    if (wantIndices > pair.indexCount) {
        pair.indexCount = wantIndices;
        gl->bufferData(elementArrayBuffer, static_cast<ptrdiff_t>(wantIndices * sizeof(uint32_t)), nullptr,
                       streamDraw);
    }
    vertexMapping = static_cast<float*>(gl->mapBuffer(arrayBuffer, writeOnly));
    indexMapping = static_cast<uint32_t*>(gl->mapBuffer(elementArrayBuffer, writeOnly));
    opened = &pair;
    floatsUsed = 0;
    indicesUsed = 0;
}

template <typename Item>
void GlBufferEmitter::put(unsigned target, Item* mapping, size_t at, const Item* items, size_t count) {
    if (mapping != nullptr)
        std::memcpy(mapping + at, items, count * sizeof(Item));
    else
        gl->bufferSubData(target, static_cast<ptrdiff_t>(at * sizeof(Item)),
                          static_cast<ptrdiff_t>(count * sizeof(Item)), items);
}

void GlBufferEmitter::surface(const SurfaceMesh& mesh) {
    const size_t indexCount = surfaceTriangleCount(mesh);
    if (indexCount == 0) return;
    const size_t arrayFloats = 3 * mesh.positions.size();
    const size_t floats = (mesh.hasColours ? 3 : 2) * arrayFloats;
    if (!opened || floatsUsed + floats > opened->vertexFloats || indicesUsed + indexCount > opened->indexCount) {
        if (opened) drawOpen();
        open(floats, indexCount);
    }
    Draw draw;
    draw.colour = surfaceColour;
    draw.positions = floatsUsed;
    draw.normals = floatsUsed + arrayFloats;
    draw.hasColours = mesh.hasColours;
    draw.colours = floatsUsed + 2 * arrayFloats;
    put(arrayBuffer, vertexMapping, draw.positions, &mesh.positions.front().x, arrayFloats);
    put(arrayBuffer, vertexMapping, draw.normals, &mesh.normals.front().x, arrayFloats);
    if (mesh.hasColours) put(arrayBuffer, vertexMapping, draw.colours, &mesh.colours.front().x, arrayFloats);
    draw.firstIndex = indicesUsed;
    draw.indexCount = indexCount;
    if (indexMapping != nullptr) {
        writeSurfaceTriangles(mesh, indexMapping + indicesUsed);
    } else {
        unmappedTriangles.clear();
        appendSurfaceTriangles(mesh, unmappedTriangles);
        put(elementArrayBuffer, indexMapping, indicesUsed, unmappedTriangles.data(), indexCount);
    }
    floatsUsed += floats;
    indicesUsed += indexCount;
    drawingFloats += floats;
    drawingIndices += indexCount;
    draws.push_back(draw);
}

void GlBufferEmitter::drawOpen() {
    // Both unmapped whatever the first answers; either may say its storage was lost while
    // mapped (a display mode change), and then what was written is not drawn.
    const bool verticesKept = vertexMapping == nullptr || gl->unmapBuffer(arrayBuffer);
    const bool indicesKept = indexMapping == nullptr || gl->unmapBuffer(elementArrayBuffer);
    vertexMapping = nullptr;
    indexMapping = nullptr;
    opened = nullptr;
    if (verticesKept && indicesKept) {
        // Offsets into the bound buffers stand where client pointers would.
        auto floats = [](size_t at) { return reinterpret_cast<const void*>(at * sizeof(float)); };
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        for (const Draw& draw : draws) {
            glStripEmitter().beginSurface(draw.colour);
            glVertexPointer(3, GL_FLOAT, 0, floats(draw.positions));
            glNormalPointer(GL_FLOAT, 0, floats(draw.normals));
            if (draw.hasColours) {
                glEnableClientState(GL_COLOR_ARRAY);
                glColorPointer(3, GL_FLOAT, 0, floats(draw.colours));
            }
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(draw.indexCount), GL_UNSIGNED_INT,
                           reinterpret_cast<const void*>(draw.firstIndex * sizeof(uint32_t)));
            if (draw.hasColours) glDisableClientState(GL_COLOR_ARRAY);
            glStripEmitter().endSurface();
        }
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    draws.clear();
}

void GlBufferEmitter::flush() {
    if (!opened) return;
    drawOpen();
    // Unbound, so that client arrays drawn elsewhere are read from memory again.
    gl->bindBuffer(arrayBuffer, 0);
    gl->bindBuffer(elementArrayBuffer, 0);
    lastFloats = drawingFloats;
    lastIndices = drawingIndices;
    drawingFloats = 0;
    drawingIndices = 0;
}
