// A surface to OpenGL in one call: its shared vertices as vertex, normal and colour arrays,
// its strips turned into indexed triangles.
#include "lava/strip_emitter.h"
#include "lava/surface_triangles.h"
#include "platform/gl.h"

namespace {

static_assert(sizeof(Point3D) == 3 * sizeof(float), "points are packed as arrays of three floats");

class GlArrayEmitter : public StripEmitter {
public:
    void beginSurface(const Point3D& colour) override { immediate().beginSurface(colour); }
    void endSurface() override { immediate().endSurface(); }
    // Single vertices, should anyone send them, go the immediate way.
    void beginStrip(bool turned) override { immediate().beginStrip(turned); }
    void vertex(const Point3D& position, const Point3D& normal, bool hasColour, const Point3D& colour) override {
        immediate().vertex(position, normal, hasColour, colour);
    }
    void endStrip() override { immediate().endStrip(); }

    void surface(const SurfaceMesh& mesh) override {
        triangles.clear();
        appendSurfaceTriangles(mesh, triangles);
        if (triangles.empty()) return;
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, 0, mesh.normals.data());
        if (mesh.hasColours) {
            glEnableClientState(GL_COLOR_ARRAY);
            glColorPointer(3, GL_FLOAT, 0, mesh.colours.data());
        }
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangles.size()), GL_UNSIGNED_INT, triangles.data());
        if (mesh.hasColours) glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }

private:
    static StripEmitter& immediate() { return glStripEmitter(); }
    std::vector<uint32_t> triangles;
};

}  // namespace

StripEmitter& glArrayEmitter() {
    static GlArrayEmitter emitter;
    return emitter;
}
