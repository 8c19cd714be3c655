// Triangle strips to OpenGL in immediate mode.
#include "lava/strip_emitter.h"
#include "platform/gl.h"

namespace {

class GlStripEmitter : public StripEmitter {
public:
    void beginSurface(const Point3D& colour) override {
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(colour.x, colour.y, colour.z);
    }
    void endSurface() override {
        glDisable(GL_COLOR_MATERIAL);
        glFrontFace(GL_CCW);
    }
    void beginStrip(bool turned) override {
        glFrontFace(turned ? GL_CW : GL_CCW);
        glBegin(GL_TRIANGLE_STRIP);
    }
    void vertex(const Point3D& position, const Point3D& normal, bool hasColour,
                const Point3D& colour) override {
        glNormal3f(normal.x, normal.y, normal.z);
        if (hasColour) glColor3f(colour.x, colour.y, colour.z);
        glVertex3f(position.x, position.y, position.z);
    }
    void endStrip() override { glEnd(); }
};

}  // namespace

void StripEmitter::surface(const SurfaceMesh& mesh) {
    const Point3D none;
    uint32_t at = 0;
    for (size_t s = 0; s < mesh.stripEnds.size(); ++s) {
        const uint32_t end = mesh.stripEnds[s];
        beginStrip(mesh.stripTurned[s] != 0);
        for (; at < end; ++at) {
            const uint32_t v = mesh.indices[at];
            vertex(mesh.positions[v], mesh.normals[v], mesh.hasColours, mesh.hasColours ? mesh.colours[v] : none);
        }
        endStrip();
    }
}

StripEmitter& glStripEmitter() {
    static GlStripEmitter emitter;
    return emitter;
}
