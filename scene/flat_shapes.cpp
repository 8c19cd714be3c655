// Box, Triangle and Line.
#include "scene/flat_shapes.h"

#include "platform/gl.h"
#include "scene/material.h"
#include "scene/scene_text.h"
#include "scene/vertex.h"


// ---- Box ----

void Box::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_box %d\n", materialIndex(material));
    writePoint(depth, file, centre);
    writePoint(depth, file, size);
}

BoundingBox3D Box::boundingBox() { return BoundingBox3D(centre - size * 0.5f, centre + size * 0.5f); }

void Box::draw(int) {
    const double lx = static_cast<double>(centre.x) - size.x / 2.0, hx = static_cast<double>(centre.x) + size.x / 2.0;
    const double ly = static_cast<double>(centre.y) - size.y / 2.0, hy = static_cast<double>(centre.y) + size.y / 2.0;
    const double lz = static_cast<double>(centre.z) - size.z / 2.0, hz = static_cast<double>(centre.z) + size.z / 2.0;
    struct Face {
        float n[3];
        double c[4][3];
    };
    const Face faces[6] = {
        {{0, 0, 1}, {{lx, hy, hz}, {hx, hy, hz}, {hx, ly, hz}, {lx, ly, hz}}},
        {{0, 0, -1}, {{lx, hy, lz}, {hx, hy, lz}, {hx, ly, lz}, {lx, ly, lz}}},
        {{0, 1, 0}, {{lx, hy, hz}, {hx, hy, hz}, {hx, hy, lz}, {lx, hy, lz}}},
        {{0, -1, 0}, {{lx, ly, hz}, {hx, ly, hz}, {hx, ly, lz}, {lx, ly, lz}}},
        {{-1, 0, 0}, {{lx, hy, hz}, {lx, hy, lz}, {lx, ly, lz}, {lx, ly, hz}}},
        {{1, 0, 0}, {{hx, hy, hz}, {hx, hy, lz}, {hx, ly, lz}, {hx, ly, hz}}},
    };
    static const float texCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    applyMaterial(material);
    glBegin(GL_QUADS);
    for (const Face& face : faces) {
        glNormal3fv(face.n);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(texCoords[k]);
            glVertex3dv(face.c[k]);
        }
    }
    glEnd();
}

bool Box::isTransparent() const { return isSeeThrough(material); }

// ---- Triangle ----

void Triangle::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_triangle %d\n", materialIndex(material));
    writeLine(depth, file, "  %d %d %d\n", v[0]->index, v[1]->index, v[2]->index);
}

BoundingBox3D Triangle::boundingBox() {
    const Point3D points[3] = {v[0]->position, v[1]->position, v[2]->position};
    return BoundingBox3D(points, 3);
}

void Triangle::draw(int) {
    static const float texCoords[3][2] = {{0.5f, 0}, {0, 1}, {1, 1}};
    applyMaterial(material);
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < 3; ++k) {
        glTexCoord2fv(texCoords[k]);
        glNormal3f(v[k]->normal.x, v[k]->normal.y, v[k]->normal.z);
        glVertex3f(v[k]->position.x, v[k]->position.y, v[k]->position.z);
    }
    glEnd();
}

bool Triangle::isTransparent() const { return isSeeThrough(material); }

// ---- Line ----

void Line::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_line %d\n", materialIndex(material));
    writePoint(depth, file, p[0]);
    writePoint(depth, file, p[1]);
}

BoundingBox3D Line::boundingBox() { return BoundingBox3D(p[0], p[1]); }

void Line::draw(int) {
    applyMaterial(material);
    glBegin(GL_LINES);
    glNormal3f(0, 0, 1);
    glVertex3f(p[0].x, p[0].y, p[0].z);
    glVertex3f(p[1].x, p[1].y, p[1].z);
    glEnd();
}

bool Line::isTransparent() const { return isSeeThrough(material); }
