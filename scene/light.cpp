// Light numbers, light programming and scene-file text of lights.
#include "scene/light.h"

#include <cstdlib>

#include "platform/diagnostics.h"
#include "platform/gl.h"

namespace {

// Reads up to n floats; returns how many were read.
int readFloats(const char* text, float* values, int n) {
    int count = 0;
    char* end = nullptr;
    while (count < n) {
        const float v = std::strtof(text, &end);
        if (end == text) break;
        values[count++] = v;
        text = end;
    }
    return count;
}

void lightVector(uint32_t index, GLenum name, const Point3D& v, float w) {
    const float values[4] = {v.x, v.y, v.z, w};
    glLightfv(index, name, values);
}

void writeTriple(std::FILE* file, const Point3D& p) {
    std::fprintf(file, "  %f %f %f\n", static_cast<double>(p.x), static_cast<double>(p.y),
                 static_cast<double>(p.z));
}

}  // namespace

void Light::acquireIndex() {
    if (glIndex != noLightIndex) return;
    GLint maxLights = 8;
    glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
    for (GLint k = 0; k < maxLights; ++k) {
        const GLenum light = GL_LIGHT0 + static_cast<GLenum>(k);
        if (!glIsEnabled(light)) {
            glIndex = light;
            glEnable(light);
            return;
        }
    }
    diag("Error: Could not get index for light\n");
}

void Light::release() {
    if (glIndex == noLightIndex) return;
    glDisable(glIndex);
    glIndex = noLightIndex;
}

void Light::writeColours(std::FILE* file, const char* keyword) const {
    std::fprintf(file, "%s\n", keyword);
    writeTriple(file, ambient);
    writeTriple(file, diffuse);
    writeTriple(file, specular);
}

void Light::applyAttenuation(float constant, float linear, float quadratic) const {
    glLightf(glIndex, GL_CONSTANT_ATTENUATION, constant);
    glLightf(glIndex, GL_LINEAR_ATTENUATION, linear);
    glLightf(glIndex, GL_QUADRATIC_ATTENUATION, quadratic);
}

void Light::applyColours() const {
    lightVector(glIndex, GL_AMBIENT, ambient, 1);
    lightVector(glIndex, GL_DIFFUSE, diffuse, 1);
    lightVector(glIndex, GL_SPECULAR, specular, 1);
}

void Light::setColours(const float* v) {
    const Point3D c(v[0], v[1], v[2]);
    ambient = c * v[3];
    diffuse = c * v[4];
    specular = c * v[5];
}

// ---- PointLight ----

PointLight::PointLight(const Point3D& position, const Point3D& colour, float ka, float kd,
                       float ks, float constant, float linear, float quadratic)
    : position(position), constant(constant), linear(linear), quadratic(quadratic) {
    this->colour = colour;
    ambient = colour * ka;
    diffuse = colour * kd;
    specular = colour * ks;
}

bool PointLight::read(const char* text) {
    float v[12];
    if (readFloats(text, v, 12) < 12) return false;
    setColours(v);
    position = Point3D(v[6], v[7], v[8]);
    constant = v[9];
    linear = v[10];
    quadratic = v[11];
    return true;
}

void PointLight::write(std::FILE* file) const {
    writeColours(file, "#light_point");
    writeTriple(file, position);
    writeTriple(file, Point3D(constant, linear, quadratic));
}

void PointLight::apply() {
    acquireIndex();
    if (glIndex == noLightIndex) return;
    lightVector(glIndex, GL_POSITION, position, 1);
    applyColours();
    applyAttenuation(constant, linear, quadratic);
}

// ---- DirectionalLight ----

bool DirectionalLight::read(const char* text) {
    float v[9];
    if (readFloats(text, v, 9) < 9) return false;
    setColours(v);
    direction = Point3D(v[6], v[7], v[8]).normalised();
    return true;
}

void DirectionalLight::write(std::FILE* file) const {
    writeColours(file, "#light_dir");
    writeTriple(file, direction);
}

void DirectionalLight::apply() {
    acquireIndex();
    if (glIndex == noLightIndex) return;
    lightVector(glIndex, GL_POSITION, -direction, 0);
    applyColours();
}

// ---- SpotLight ----

bool SpotLight::read(const char* text) {
    float v[17];
    if (readFloats(text, v, 17) < 17) return false;
    setColours(v);
    position = Point3D(v[6], v[7], v[8]);
    direction = Point3D(v[9], v[10], v[11]).normalised();
    constant = v[12];
    linear = v[13];
    quadratic = v[14];
    cutoff = v[15];
    dropOff = v[16];
    return true;
}

void SpotLight::write(std::FILE* file) const {
    writeColours(file, "#light_spot");
    writeTriple(file, position);
    writeTriple(file, direction);
    writeTriple(file, Point3D(constant, linear, quadratic));
    std::fprintf(file, "  %f %f\n", static_cast<double>(cutoff), static_cast<double>(dropOff));
}

void SpotLight::apply() {
    acquireIndex();
    if (glIndex == noLightIndex) return;
    lightVector(glIndex, GL_POSITION, position, 1);
    applyColours();
    applyAttenuation(constant, linear, quadratic);
    const float spotDirection[3] = {direction.x, direction.y, direction.z};
    glLightfv(glIndex, GL_SPOT_DIRECTION, spotDirection);
    glLightf(glIndex, GL_SPOT_EXPONENT, dropOff * 128.0f);
    glLightf(glIndex, GL_SPOT_CUTOFF, cutoff * 180.0f);
}
