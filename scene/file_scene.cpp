// A scene read from a file.
#include "scene/file_scene.h"

#include "scene/light.h"
#include "scene/texture.h"

FileScene::~FileScene() {
    for (Light* light : lights) delete light;
}

void FileScene::draw(int complexity) {
    applyLights();
    Scene::draw(complexity);
}

void FileScene::step(float dt) {
    Scene::step(dt);
    for (const std::unique_ptr<FileScene>& scene : scenes) scene->step(dt);
}

Texture* FileScene::keepTexture(Texture* texture) {
    ownTextures.emplace_back(texture);
    textures.push_back(texture);
    return texture;
}

FileScene* FileScene::keepScene(FileScene* scene) {
    scenes.emplace_back(scene);
    return scene;
}

BlobBehaviour* FileScene::keepBehaviour(BlobBehaviour* behaviour) {
    behaviours.emplace_back(behaviour);
    return behaviour;
}

void FileScene::forEachBehaviour(const std::function<void(BlobBehaviour&)>& visit) {
    for (const std::unique_ptr<BlobBehaviour>& behaviour : behaviours) visit(*behaviour);
    for (const std::unique_ptr<FileScene>& scene : scenes) scene->forEachBehaviour(visit);
}
