// Scene.
#include "scene/scene.h"

#include "platform/gl.h"
#include "scene/group.h"
#include "scene/light.h"
#include "scene/scene_text.h"
#include "scene/texture.h"

void Scene::draw(int complexity) {
    if (root) root->draw(complexity);
}

void Scene::step(float dt) {
    if (root) root->step(dt);
}

void Scene::release() {
    for (Light*& light : lights) {
        delete light;
        light = nullptr;
    }
    for (Texture* texture : textures)
        if (texture) texture->release();
}

void Scene::applyLights() {
    const float global[4] = {ambient.x, ambient.y, ambient.z, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, global);
    for (Light* light : lights)
        if (light) light->apply();
}

std::vector<const Material*> Scene::materialTable() const {
    std::vector<const Material*> table;
    for (const Material& m : materials) table.push_back(&m);
    return table;
}

void Scene::write(std::FILE* file) const {
    writeGlobalSection(file);
    // The root group is the file's top level (it has no transform of its own to write).
    if (root) root->writeContents(0, file);
}

void Scene::writeGlobalSection(std::FILE* file) const {
    camera.write(file);
    const auto writeColour = [file](const char* directive, const Point3D& c) {
        std::fprintf(file, "%s\n", directive);
        writePoint(1, file, c);
    };
    writeColour("#ambient", ambient);
    writeColour("#background", background);
    for (const Light* light : lights)
        if (light) light->write(file);
    for (const Texture* texture : textures) texture->write(file);
    for (const Material* material : materialTable()) material->write(file);
    for (const Vertex& v : vertices) {
        std::fprintf(file, "#vertex\n");
        writePoint(1, file, v.position);
        writePoint(1, file, v.normal);
        writeLine(1, file, "  %f %f\n", static_cast<double>(v.texCoord.x), static_cast<double>(v.texCoord.y));
    }
    for (const RayFile& rayFile : rayFiles) std::fprintf(file, "#ray_file\n   %s\n", rayFile.fileName.c_str());
}
