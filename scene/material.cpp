// Applying a material to the OpenGL state.
#include "scene/material.h"

#include <initializer_list>

#include "platform/gl.h"
#include "scene/scene_text.h"
#include "scene/texture.h"

Material::Material(float ambientR, float ambientG, float ambientB, float diffuseR,
                   float diffuseG, float diffuseB, float specularR, float specularG,
                   float specularB, float emissiveR, float emissiveG, float emissiveB,
                   float specularFalloff, float transparency, float refractionIndex)
    : ambient(ambientR, ambientG, ambientB),
      diffuse(diffuseR, diffuseG, diffuseB),
      specular(specularR, specularG, specularB),
      emissive(emissiveR, emissiveG, emissiveB),
      specularFalloff(specularFalloff),
      transparency(transparency),
      refractionIndex(refractionIndex) {}

void Material::apply() const {
    const float a = 1.0f - transparency;
    auto rgba = [a](const Point3D& c, float out[4]) {
        out[0] = c.x;
        out[1] = c.y;
        out[2] = c.z;
        out[3] = a;
    };
    float colour[4];
    rgba(ambient, colour);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, colour);
    rgba(diffuse, colour);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, colour);
    rgba(specular, colour);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, colour);
    const float noHighlight[4] = {0, 0, 0, a};
    glMaterialfv(GL_BACK, GL_SPECULAR, noHighlight);
    rgba(emissive, colour);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, colour);
    glMaterialf(GL_FRONT, GL_SHININESS, specularFalloff * 128.0f);
    glMaterialf(GL_BACK, GL_SHININESS, specularFalloff * 128.0f);

    if (texture)
        texture->bind();
    else
        glBindTexture(GL_TEXTURE_2D, 0);

    if (transparency <= 0) {
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
        return;
    }
    glEnable(GL_BLEND);
    if (!alphaBlend) {
        glDepthMask(GL_FALSE);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
}

void Material::finish() const {
    if (transparency <= 0) return;
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void Material::write(std::FILE* file) const {
    std::fprintf(file, "#material\n");
    for (const Point3D* colour : {&ambient, &diffuse, &specular, &emissive}) writePoint(1, file, *colour);
    writePoint(1, file, Point3D(specularFalloff, transparency, refractionIndex));
    writeLine(1, file, "  %d\n", texture ? texture->index : -1);
    writeLine(1, file, "  !%s!\n", name.c_str());
}
