// FileScene: a scene read from a scene file, owning everything reading made — lights,
// textures, shapes, groups, the scenes of its ray files, and whatever the lava attached to
// groups that hold blobs.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "scene/blob_behaviour.h"
#include "scene/group.h"
#include "scene/scene.h"
#include "scene/texture.h"

class FileScene : public Scene {
public:
    FileScene() { root = &rootGroup; }
    ~FileScene() override;

    // The lights (in the current modelview frame), then the root group.
    void draw(int complexity) override;
    // The root group, then each ray file's scene once.
    void step(float dt) override;

    // Ownership of what reading makes. Each returns what it was given.
    template <class T> T* keep(T* shape) {
        shapes.emplace_back(shape);
        return shape;
    }
    Texture* keepTexture(Texture* texture);
    FileScene* keepScene(FileScene* scene);
    BlobBehaviour* keepBehaviour(BlobBehaviour* behaviour);
    int behaviourCount() const { return static_cast<int>(behaviours.size()); }
    // Every behaviour of the scene and of the ray files' scenes in it.
    void forEachBehaviour(const std::function<void(BlobBehaviour&)>& visit);

    // How many shapes one draw of the scene draws: its own, and each ray file's as often as
    // it is placed (the reader keeps count, and refuses a scene that would draw too many).
    size_t shapesDrawn = 0;

private:
    // Declared first, so destroyed last: the groups (the root group and those among the
    // shapes) free their blobs through these.
    std::vector<std::unique_ptr<BlobBehaviour>> behaviours;
    std::vector<std::unique_ptr<FileScene>> scenes;
    std::vector<std::unique_ptr<Texture>> ownTextures;
    std::vector<std::unique_ptr<Shape>> shapes;
    Group rootGroup;
};
