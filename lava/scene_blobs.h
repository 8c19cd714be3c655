// Blobs read from scene files join the lava: a group holding blobs gets a lava engine of
// its own (kept by the scene) to step and draw them, and each blob starts with the lava's
// radius and temperature, whatever the file says. An engine's lattice is large (about
// 40 MB once drawn), so a scene has lava in at most maxLavaGroups groups.
#pragma once

#include "scene/scene_reader.h"

constexpr int maxLavaGroups = 8;

// Null, or why the blob cannot be had: the group is full, or the scene has lava in
// maxLavaGroups groups already.
const char* addSceneBlob(FileScene& scene, Group& group, const Point3D& position, Material* material);
// Reader hooks with the files of the platform and the lava's blobs.
SceneReaderHooks lavaSceneHooks();
