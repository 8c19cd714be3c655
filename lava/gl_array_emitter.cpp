// A surface to OpenGL in one call: its shared vertices as vertex, normal and colour arrays,
// its strips turned into indexed triangles.
#include "lava/strip_emitter.h"
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
        // Each strip's triangles as a strip makes them: the odd ones with their first two
        // corners swapped, so that every triangle keeps its winding — and a turned strip's
        // the other way, so that every triangle's front faces out.
        triangles.clear();
        uint32_t begin = 0;
        for (size_t s = 0; s < mesh.stripEnds.size(); ++s) {
            const uint32_t end = mesh.stripEnds[s];
            const uint32_t turned = mesh.stripTurned[s];
            for (uint32_t k = begin; k + 2 < end; ++k) {
                const bool swapped = ((k - begin) & 1) != turned;
                triangles.push_back(mesh.indices[swapped ? k + 1 : k]);
                triangles.push_back(mesh.indices[swapped ? k : k + 1]);
                triangles.push_back(mesh.indices[k + 2]);
            }
            begin = end;
        }
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
    std::vector<GLuint> triangles;
};

}  // namespace

StripEmitter& glArrayEmitter() {
    static GlArrayEmitter emitter;
    return emitter;
}
