// A shape that draws nothing and records the modelview matrix, the lights switched on and
// their diffuse colours when it is drawn, for tests of the transforms and the lighting
// that groups and the lamp apply.
#pragma once

#include <cmath>
#include <cstdio>

#include "platform/gl.h"
#include "scene/shape.h"

struct MatrixProbe : Shape {
    const char* name() const override { return "probe"; }
    void write(int, std::FILE*) const override {}
    BoundingBox3D boundingBox() override { return {}; }
    void draw(int) override {
        glGetFloatv(GL_MODELVIEW_MATRIX, seen);
        for (int n = 0; n < 8; ++n) {
            lightOn[n] = glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + n)) == GL_TRUE;
            glGetLightfv(static_cast<GLenum>(GL_LIGHT0 + n), GL_DIFFUSE, diffuse[n]);
        }
    }
    bool isTransparent() const override { return false; }
    // The turn about y of the recorded matrix, in degrees (identity view).
    float yTurn() const { return std::atan2(seen[8], seen[0]) * 180.0f / 3.14159265f; }

    GLfloat seen[16] = {};
    bool lightOn[8] = {};
    GLfloat diffuse[8][4] = {};
};
