// Material: lighting colours, shininess, transparency with its blending style, and an
// optional texture. Every shape applies its material before sending geometry.
#pragma once

#include <cstdio>
#include <string>

#include "scene/geometry.h"

class Texture;

struct Material {
    Material() = default;
    Material(float ambientR, float ambientG, float ambientB, float diffuseR, float diffuseG,
             float diffuseB, float specularR, float specularG, float specularB, float emissiveR,
             float emissiveG, float emissiveB, float specularFalloff, float transparency,
             float refractionIndex);

    // Lighting colours with alpha 1 - transparency, shininess, texture, then blending:
    // opaque: depth writes on, blending off; transparent: blending on, and either additive
    // glow without depth writes (alphaBlend false) or ordinary alpha blending.
    void apply() const;
    // After drawing with a transparent material: depth writes on, blending off.
    void finish() const;
    // The "#material" record of a scene file.
    void write(std::FILE* file) const;

    int index = -1;
    Point3D ambient, diffuse, specular, emissive;
    float specularFalloff = 0;  // shininess exponent / 128
    float transparency = 0;
    float refractionIndex = 1;
    bool alphaBlend = false;
    Texture* texture = nullptr;
    std::string name;
};

// A shape without a material draws with whatever state it finds.
inline void applyMaterial(const Material* material) {
    if (material) material->apply();
}
// The transparency question of most shapes: a material whose transparency is not 0.
inline bool isSeeThrough(const Material* material) {
    return material && material->transparency != 0;
}
// The material's number in the scene file, -1 without one.
inline int materialIndex(const Material* material) { return material ? material->index : -1; }
