// Blobs read from scene files: the lava's radius and temperature, a lava engine per group,
// and the limits that keep a scene file from asking for unbounded memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lava/blob.h"
#include "lava/scene_blobs.h"
#include "scene/file_scene.h"

namespace {

const std::string head = "#camera 0 0 10 0 0 -1 0 1 0 0.5\n#material 0 0 0 1 0 0 0 0 0 0 0 0 0.1 0 1 -1 !wax!\n";

SceneReadResult read(const std::string& text, FileScene& scene) {
    std::FILE* quiet = std::tmpfile();
    SceneReadResult result = SceneReader(lavaSceneHooks(), quiet, quiet).readText(text, "lava.scene", scene);
    std::fclose(quiet);
    return result;
}

std::string blobs(int n) {
    std::string text;
    for (int k = 0; k < n; ++k) text += "#shape_blob 0 " + std::to_string(k % 7) + " 1 2 5.5 3\n";
    return text;
}

}  // namespace

TEST(SceneBlobs, JoinALavaEngineOfTheirGroupWithTheLavasDefaults) {
    FileScene scene;
    ASSERT_TRUE(read(head + "#group_begin t 0 1 0\n" + blobs(3) + "#group_end\n" + blobs(2), scene).ok);
    const auto* group = static_cast<const Group*>(scene.root->children[0]);
    ASSERT_EQ(group->blobCount(), 3);
    EXPECT_NE(group->blobBehaviour, nullptr);
    EXPECT_EQ(scene.root->blobCount(), 2) << "blobs at the top join the root group's lava";
    EXPECT_NE(scene.root->blobBehaviour, group->blobBehaviour) << "one engine per group";
    const Blob& blob = *group->blobs.back();
    EXPECT_FLOAT_EQ(blob.radius, blobRadius) << "whatever the file says";
    EXPECT_FLOAT_EQ(blob.temperature, -2.0f);
    EXPECT_FLOAT_EQ(blob.position.y, 1);
    EXPECT_EQ(blob.material, &scene.materials[0]);
    EXPECT_EQ(scene.root->children.size(), 1u) << "blobs are not children";
}

TEST(SceneBlobs, AGroupHoldsAtMost400AndAScene8LavaGroups) {
    FileScene full;
    EXPECT_EQ(read(head + blobs(401), full).message,
              "lava.scene: Parsing error of command 403: a group cannot hold more than 400 blobs\n");
    std::string groups;
    for (int g = 0; g < 9; ++g) groups += "#group_begin s 1 1 1\n" + blobs(1) + "#group_end\n";
    FileScene many;
    EXPECT_EQ(read(head + groups, many).message,
              "lava.scene: Parsing error of command 28: a scene cannot hold lava in more than 8 groups\n");
}
