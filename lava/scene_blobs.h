// Blobs read from scene files join the lava: a group holding blobs gets a lava engine of
// its own (kept by the scene) to step and draw them, and each blob starts with the lava's
// radius and temperature, whatever the file says.
#pragma once

#include "scene/scene_reader.h"

bool addSceneBlob(FileScene& scene, Group& group, const Point3D& position, Material* material);
// Reader hooks with the files of the platform and the lava's blobs.
SceneReaderHooks lavaSceneHooks();
