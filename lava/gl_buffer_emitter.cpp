// Surfaces through buffer objects.
#include "lava/gl_buffer_emitter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "lava/surface_triangles.h"
#include "platform/gl.h"
#include "platform/gl_procedures.h"

#ifndef APIENTRY
#define APIENTRY
#endif

namespace {

// OpenGL 1.5's names, which Windows' 1.1 headers do not have.
constexpr GLenum arrayBuffer = 0x8892, elementArrayBuffer = 0x8893, streamDraw = 0x88E0, writeOnly = 0x88B9;

}  // namespace

struct GlBufferEmitter::Procedures {
    void(APIENTRY* genBuffers)(GLsizei, GLuint*) = nullptr;
    void(APIENTRY* deleteBuffers)(GLsizei, const GLuint*) = nullptr;
    void(APIENTRY* bindBuffer)(GLenum, GLuint) = nullptr;
    void(APIENTRY* bufferData)(GLenum, ptrdiff_t, const void*, GLenum) = nullptr;
    void(APIENTRY* bufferSubData)(GLenum, ptrdiff_t, ptrdiff_t, const void*) = nullptr;
    void*(APIENTRY* mapBuffer)(GLenum, GLenum) = nullptr;
    GLboolean(APIENTRY* unmapBuffer)(GLenum) = nullptr;

    bool find() {
        return load(genBuffers, "glGenBuffers") && load(deleteBuffers, "glDeleteBuffers") &&
               load(bindBuffer, "glBindBuffer") && load(bufferData, "glBufferData") &&
               load(bufferSubData, "glBufferSubData") && load(mapBuffer, "glMapBuffer") &&
               load(unmapBuffer, "glUnmapBuffer");
    }

private:
    template <typename Function>
    static bool load(Function& function, const char* name) {
        function = reinterpret_cast<Function>(glProcedure(name));
        return function != nullptr;
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

std::unique_ptr<GlBufferEmitter> GlBufferEmitter::make() {
    if (!glVersionHasBuffers(reinterpret_cast<const char*>(glGetString(GL_VERSION)))) return nullptr;
    auto procedures = std::make_unique<Procedures>();
    if (!procedures->find()) return nullptr;
    std::unique_ptr<GlBufferEmitter> emitter(new GlBufferEmitter(std::move(procedures)));
    for (const BufferPair& pair : emitter->ring) {
        if (pair.vertices.name == 0 || pair.indices.name == 0) {
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
        pair.vertices.name = names[0];
        pair.indices.name = names[1];
    }
}

GlBufferEmitter::~GlBufferEmitter() = default;

void GlBufferEmitter::release() {
    for (BufferPair& pair : ring) {
        const GLuint names[2] = {pair.vertices.name, pair.indices.name};
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

// Single strips, should anyone send them, go the immediate way, after what was gathered.
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

void GlBufferEmitter::surface(const SurfaceMesh& mesh) {
    const size_t firstIndex = gatheredIndices.size();
    appendSurfaceTriangles(mesh, gatheredIndices);
    if (gatheredIndices.size() == firstIndex) return;
    auto gather = [this](const std::vector<Point3D>& points) {
        const size_t at = gatheredArrays.size();
        const float* first = &points.front().x;
        gatheredArrays.insert(gatheredArrays.end(), first, first + 3 * points.size());
        return at;
    };
    Draw draw;
    draw.colour = surfaceColour;
    draw.positions = gather(mesh.positions);
    draw.normals = gather(mesh.normals);
    draw.hasColours = mesh.hasColours;
    if (mesh.hasColours) draw.colours = gather(mesh.colours);
    draw.firstIndex = firstIndex;
    draw.indexCount = gatheredIndices.size() - firstIndex;
    draws.push_back(draw);
}

void GlBufferEmitter::write(unsigned target, Buffer& buffer, const void* bytes, size_t size) {
    if (size > buffer.capacity) {
        // Half again as much as asked, so that a growing lava seldom asks again.
        buffer.capacity = size + size / 2;
        gl->bufferData(target, static_cast<ptrdiff_t>(buffer.capacity), nullptr, streamDraw);
    }
    void* storage = gl->mapBuffer(target, writeOnly);
    if (storage != nullptr) {
        std::memcpy(storage, bytes, size);
        if (gl->unmapBuffer(target)) return;
    }
    // Not mapped, or its storage lost while mapped (a display mode change): written again.
    gl->bufferSubData(target, 0, static_cast<ptrdiff_t>(size), bytes);
}

void GlBufferEmitter::flush() {
    if (draws.empty()) return;
    BufferPair& pair = ring[next];
    next = (next + 1) % ring.size();
    gl->bindBuffer(arrayBuffer, pair.vertices.name);
    gl->bindBuffer(elementArrayBuffer, pair.indices.name);
    write(arrayBuffer, pair.vertices, gatheredArrays.data(), gatheredArrays.size() * sizeof(float));
    write(elementArrayBuffer, pair.indices, gatheredIndices.data(), gatheredIndices.size() * sizeof(uint32_t));

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
    // Unbound, so that client arrays drawn elsewhere are read from memory again.
    gl->bindBuffer(arrayBuffer, 0);
    gl->bindBuffer(elementArrayBuffer, 0);
    draws.clear();
    gatheredArrays.clear();
    gatheredIndices.clear();
}
