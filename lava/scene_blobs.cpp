// Blobs of scene files.
#include "lava/scene_blobs.h"

#include <memory>

#include "lava/blob.h"
#include "lava/lava_engine.h"
#include "scene/file_scene.h"
#include "scene/group.h"

static_assert(maxLavaGroups == 8 && maxBlobs == 400, "the messages below name the limits");

const char* addSceneBlob(FileScene& scene, Group& group, const Point3D& position, Material* material) {
    if (!group.blobBehaviour) {
        if (scene.behaviourCount() >= maxLavaGroups) return "a scene cannot hold lava in more than 8 groups\n";
        group.blobBehaviour = scene.keepBehaviour(new LavaEngine);
    }
    if (group.blobCount() >= maxBlobs) return "a group cannot hold more than 400 blobs\n";
    auto blob = std::make_unique<Blob>(position, blobRadius);
    blob->material = material;
    group.addBlob(blob.release());
    return nullptr;
}

SceneReaderHooks lavaSceneHooks() {
    SceneReaderHooks hooks;
    hooks.addBlob = addSceneBlob;
    return hooks;
}
