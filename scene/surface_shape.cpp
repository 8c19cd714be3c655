// Shared drawing brackets of the round shapes.
#include "scene/surface_shape.h"

#include "platform/gl.h"
#include "scene/material.h"
#include "scene/quadric.h"

bool SurfaceShape::isTransparent() const { return material && material->transparency > 0; }

void SurfaceShape::beginSurface() const {
    if (twoSided) glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
}

void SurfaceShape::endSurface() const {
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    if (twoSided) glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
}

void SurfaceShape::prepareQuadric() const { quadricTextureFor(material); }

void SurfaceShape::drawGeometry() {
    const bool textured = material && material->texture;
    if (list != 0 && textured == listTextured && !stale) {
        glCallList(list);
        return;
    }
    releaseGeometry();
    list = glGenLists(1);
    if (list == 0) {
        // No list to be had: drawn directly, and asked again next time.
        makeGeometry();
        return;
    }
    listTextured = textured;
    stale = false;
    // Made, then called, rather than drawn while it is made: the driver then sees the
    // geometry in one form only, the list's, and makes one vertex program for it instead
    // of one for the drawing as it is made and another for every call after.
    glNewList(list, GL_COMPILE);
    makeGeometry();
    glEndList();
    glCallList(list);
}

void SurfaceShape::releaseGeometry() {
    if (list != 0) glDeleteLists(list, 1);
    list = 0;
}
