// Scene.
#include "scene/scene.h"

#include "platform/gl.h"
#include "scene/group.h"
#include "scene/light.h"
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
