// Lights: each programs one OpenGL light. A light owns no fixed light number: it takes the
// first free one when applied and gives it back when released, so a scene can switch
// lights between the parts it draws.
#pragma once

#include <cstdint>
#include <cstdio>

#include "scene/geometry.h"

class SceneTokens;

constexpr uint32_t noLightIndex = 0xFFFFFFFFu;

class Light {
public:
    virtual ~Light() = default;
    // Reads the light's numbers from a scene file, in either of two forms: a colour and the
    // factors ka, kd, ks, or the three colours as the light writes them (told apart by how
    // many numbers follow). False when some are missing.
    virtual bool read(SceneTokens& in) = 0;
    virtual void write(std::FILE* file) const = 0;
    // Takes a light number if it has none, then programs it (in the coordinates of the
    // modelview matrix current now).
    virtual void apply() = 0;

    // The first GL_LIGHTk not enabled becomes this light's and is enabled.
    void acquireIndex();
    // Disables the light's number and gives it back.
    void release();

    uint32_t glIndex = noLightIndex;
    Point3D colour;
    Point3D ambient, diffuse, specular;  // colour x ka, kd, ks

protected:
    void applyColours() const;
    void applyAttenuation(float constant, float linear, float quadratic) const;
    // The directive line and the three colours every light record starts with.
    void writeColours(std::FILE* file, const char* keyword) const;
    // The colours at the front of a light's numbers; count: how many numbers the
    // colour-and-factors form of this light has.
    bool readColours(SceneTokens& in, int count);
};

class PointLight : public Light {
public:
    PointLight() = default;
    PointLight(const Point3D& position, const Point3D& colour, float ka, float kd, float ks,
               float constant, float linear, float quadratic);
    bool read(SceneTokens& in) override;
    void write(std::FILE* file) const override;
    void apply() override;

    // Each recomputes one term from the stored colour (the lamp dims and brightens them).
    void setAmbientScale(float f) { ambient = colour * f; }
    void setDiffuseScale(float f) { diffuse = colour * f; }
    void setSpecularScale(float f) { specular = colour * f; }

    Point3D position;
    float constant = 1, linear = 0, quadratic = 0;
};

class DirectionalLight : public Light {
public:
    bool read(SceneTokens& in) override;
    void write(std::FILE* file) const override;
    // Sent as the vector towards the light: (-direction, 0).
    void apply() override;

    Point3D direction;  // unit length, from the light into the scene
};

class SpotLight : public Light {
public:
    bool read(SceneTokens& in) override;
    void write(std::FILE* file) const override;
    void apply() override;

    Point3D position;
    Point3D direction;
    float constant = 1, linear = 0, quadratic = 0;
    float cutoff = 0;   // x 180 = degrees
    float dropOff = 0;  // x 128 = spot exponent
};
