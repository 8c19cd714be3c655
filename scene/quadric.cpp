// The shared GLU quadric.
#include "scene/quadric.h"

#include "scene/material.h"

namespace {
GLUquadric* quadric = nullptr;
}

GLUquadric* sharedQuadric() {
    if (!quadric) quadric = gluNewQuadric();
    return quadric;
}

void deleteSharedQuadric() {
    if (quadric) gluDeleteQuadric(quadric);
    quadric = nullptr;
}

void quadricTextureFor(const Material* material) {
    gluQuadricTexture(sharedQuadric(), material && material->texture ? GL_TRUE : GL_FALSE);
}
