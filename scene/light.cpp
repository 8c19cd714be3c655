// Light numbers, light programming and scene-file text of lights.
#include "scene/light.h"

#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "scene/scene_tokens.h"

namespace {

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

bool Light::readColours(SceneTokens& in, int count) {
    float v[9];
    if (in.numbersAhead() >= count + 3) {
        // The form lights are written in: the three colours as stored.
        if (!in.numbers(v, 9)) return false;
        colour = Point3D(v[3], v[4], v[5]);
        ambient = Point3D(v[0], v[1], v[2]);
        diffuse = colour;
        specular = Point3D(v[6], v[7], v[8]);
        return true;
    }
    if (!in.numbers(v, 6)) return false;
    colour = Point3D(v[0], v[1], v[2]);
    ambient = colour * v[3];
    diffuse = colour * v[4];
    specular = colour * v[5];
    return true;
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

bool PointLight::read(SceneTokens& in) {
    float v[6];
    if (!readColours(in, 12) || !in.numbers(v, 6)) return false;
    position = Point3D(v[0], v[1], v[2]);
    constant = v[3];
    linear = v[4];
    quadratic = v[5];
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

bool DirectionalLight::read(SceneTokens& in) {
    float v[3];
    if (!readColours(in, 9) || !in.numbers(v, 3)) return false;
    direction = Point3D(v[0], v[1], v[2]).normalised();
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

bool SpotLight::read(SceneTokens& in) {
    float v[11];
    if (!readColours(in, 17) || !in.numbers(v, 11)) return false;
    position = Point3D(v[0], v[1], v[2]);
    direction = Point3D(v[3], v[4], v[5]).normalised();
    constant = v[6];
    linear = v[7];
    quadratic = v[8];
    cutoff = v[9];
    dropOff = v[10];
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
