// Blobs of scene files.
#include "lava/scene_blobs.h"

#include <memory>

#include "lava/blob.h"
#include "lava/lava_engine.h"
#include "scene/file_scene.h"
#include "scene/group.h"

bool addSceneBlob(FileScene& scene, Group& group, const Point3D& position, Material* material) {
    if (!group.blobBehaviour) group.blobBehaviour = scene.keepBehaviour(new LavaEngine);
    auto blob = std::make_unique<Blob>(position, blobRadius);
    blob->material = material;
    if (!group.addBlob(blob.get())) return false;
    blob.release();
    return true;
}

SceneReaderHooks lavaSceneHooks() {
    SceneReaderHooks hooks;
    hooks.addBlob = addSceneBlob;
    return hooks;
}
