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
