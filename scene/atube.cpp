// Surface of revolution.
#include "scene/atube.h"

#include <cmath>

#include "platform/gl.h"
#include "scene/material.h"
#include "scene/scene_text.h"
#include "scene/tessellation.h"

ATube::ATube(const Point3D& centre, int n) : centre(centre), slices(evenSlices(n)) {
    profile.reserve(16);
}

void ATube::addPoint(float radius, float y, float angle) {
    profile.push_back({radius, y, angle});
    geometryChanged();
}

void ATube::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_atube %d\n", materialIndex(material));
    writePoint(depth, file, centre);
    for (const ProfilePoint& p : profile)
        writeLine(depth, file, "  %f %f %f\n", static_cast<double>(p.radius),
                  static_cast<double>(p.y), static_cast<double>(p.angle));
}

BoundingBox3D ATube::boundingBox() { return BoundingBox3D(nullptr, 0); }

void ATube::draw(int) {
    if (!visible) return;
    beginSurface();
    applyMaterial(material);
    drawGeometry();
    endSurface();
}

void ATube::makeGeometry() const {
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    const float delta = 6.2831855f / static_cast<float>(slices);
    for (size_t i = 0; i + 1 < profile.size(); ++i) {
        const ProfilePoint& p0 = profile[i];
        const ProfilePoint& p1 = profile[i + 1];
        const float c0 = std::cos(p0.angle), s0 = std::sin(p0.angle);
        const float c1 = std::cos(p1.angle), s1 = std::sin(p1.angle);
        glBegin(GL_QUAD_STRIP);
        for (int k = 0; k <= slices; ++k) {
            const float theta = static_cast<float>(k) * delta + delta / 2;
            const float ct = std::cos(theta), st = std::sin(theta);
            glNormal3f(ct * c0, s0, st * c0);
            glVertex3f(ct * p0.radius, p0.y, st * p0.radius);
            glNormal3f(ct * c1, s1, st * c1);
            glVertex3f(ct * p1.radius, p1.y, st * p1.radius);
        }
        glEnd();
    }
    glPopMatrix();
}
