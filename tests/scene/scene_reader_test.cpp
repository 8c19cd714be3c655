// Reading scene files: what each directive builds, the order rules and every message, nested
// files, and a written scene reading back into the same text.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "scene/file_scene.h"
#include "scene/flat_shapes.h"
#include "scene/group.h"
#include "scene/light.h"
#include "scene/quadric_shapes.h"
#include "scene/ray_file_instance.h"
#include "scene/scene_reader.h"

namespace {

const char* const camera = "#camera 0 0 10  0 0 -1  0 1 0  0.5\n";
const char* const material = "#material 0.1 0.1 0.1  1 0 0  0 0 0  0 0 0  0.2 0 1  -1 !red!\n";

// A stream the reader prints into, read back as text.
class Captured {
public:
    Captured() : file(std::tmpfile()) {}
    ~Captured() { std::fclose(file); }
    std::string text() const {
        std::string out(static_cast<size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        if (!out.empty() && std::fread(&out[0], 1, out.size(), file) != out.size()) out = "(unreadable)";
        return out;
    }
    std::FILE* const file;
};

// Files held in memory, so reading never touches the disk.
struct Files {
    std::map<std::string, std::string> texts;
    std::vector<std::string> opened;
    SceneReaderHooks hooks() {
        SceneReaderHooks h;
        h.loadText = [this](const std::string& path, size_t maxBytes, std::string& text, std::string&) {
            opened.push_back(path);
            const auto found = texts.find(path);
            if (found == texts.end()) return FileRead::Missing;
            if (found->second.size() > maxBytes) return FileRead::TooLarge;
            text = found->second;
            return FileRead::Done;
        };
        h.loadTexture = [](const std::string&) { return static_cast<Texture*>(nullptr); };
        return h;
    }
};

struct Read {
    SceneReadResult result;
    std::string errors, output;
};

Read readScene(const std::string& text, FileScene& scene, SceneReaderHooks hooks = Files().hooks()) {
    Captured errors, output;
    Read read;
    read.result = SceneReader(std::move(hooks), errors.file, output.file).readText(text, "s.scene", scene);
    read.errors = errors.text();
    read.output = output.text();
    return read;
}

std::string failureOf(const std::string& text) {
    FileScene scene;
    const Read read = readScene(text, scene);
    EXPECT_FALSE(read.result.ok) << text;
    return read.result.message;
}

std::string written(const Scene& scene) {
    Captured out;
    scene.write(out.file);
    return out.text();
}

}  // namespace

TEST(SceneReader, BuildsTheGlobalSectionAndTheGraph) {
    const std::string text = std::string(camera) +
                             "#background 0.1 0.2 0.3 #ambient 0.4 0.5 0.6\n"
                             "#light_point 1 1 1  0.1 0.8 0.5  0 5 0  1 0.1 0.01\n"
                             "#light_dir 1 1 1  0 1 0  0 -2 0\n"
                             "#light_spot 1 1 1  0 1 0  0 5 0  0 -1 0  1 0 0  0.25 0.5\n" +
                             material +
                             "#vertex 0 0 0 0 0 1 0 0  #vertex 1 0 0 0 0 1 1 0  #vertex 0 1 0 0 0 1 0 1\n"
                             "#shape_sphere 0 1 2 3 4\n"
                             "#group_begin r 0 90 0\n"
                             "  #shape_box 0 0 0 0 1 2 3\n"
                             "  #group_begin 1 0 0 5  0 1 0 6  0 0 1 7  0 0 0 1\n"
                             "    #shape_triangle 0 0 1 2\n"
                             "  #group_end\n"
                             "#group_end\n"
                             "#shape_cone 0 0 0 0 1 2 #shape_cylinder 0 0 0 0 1 2 #shape_line 0 0 0 0 1 1 1\n";
    FileScene scene;
    const Read read = readScene(text, scene);
    ASSERT_TRUE(read.result.ok) << read.result.message;
    EXPECT_EQ(read.errors, "");
    EXPECT_FLOAT_EQ(scene.camera.direction.z, -1);
    EXPECT_FLOAT_EQ(scene.background.y, 0.2f);
    EXPECT_FLOAT_EQ(scene.ambient.z, 0.6f);
    ASSERT_EQ(scene.lights.size(), 3u);
    EXPECT_FLOAT_EQ(scene.lights[0]->diffuse.x, 0.8f);
    EXPECT_FLOAT_EQ(static_cast<DirectionalLight*>(scene.lights[1])->direction.y, -1) << "normalised";
    EXPECT_FLOAT_EQ(static_cast<SpotLight*>(scene.lights[2])->dropOff, 0.5f);
    ASSERT_EQ(scene.materials.size(), 1u);
    EXPECT_EQ(scene.materials[0].name, "red");
    EXPECT_FALSE(scene.materials[0].alphaBlend);
    ASSERT_EQ(scene.vertices.size(), 3u);

    const Group& root = *scene.root;
    ASSERT_EQ(root.children.size(), 5u);
    const auto* sphere = dynamic_cast<const Sphere*>(root.children[0]);
    ASSERT_NE(sphere, nullptr);
    EXPECT_FLOAT_EQ(sphere->radius, 4);
    EXPECT_EQ(sphere->material, &scene.materials[0]);
    const auto* group = dynamic_cast<const Group*>(root.children[1]);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->rotate);
    EXPECT_FALSE(group->useMatrix || group->scale || group->translate);
    ASSERT_EQ(group->children.size(), 2u);
    const auto* inner = dynamic_cast<const Group*>(group->children[1]);
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(inner->useMatrix);
    const auto* triangle = dynamic_cast<const Triangle*>(inner->children[0]);
    ASSERT_NE(triangle, nullptr);
    EXPECT_EQ(triangle->v[2], &scene.vertices[2]);
    const auto* cylinder = dynamic_cast<const Cylinder*>(root.children[3]);
    ASSERT_NE(cylinder, nullptr);
    EXPECT_TRUE(cylinder->visible);
    EXPECT_FALSE(cylinder->twoSided);
    EXPECT_NE(dynamic_cast<const Line*>(root.children[4]), nullptr);
}

TEST(SceneReader, GroupTransformsFromPartsOrFromSixteenNumbers) {
    FileScene scene;
    ASSERT_TRUE(readScene(std::string(camera) +
                              "#group_begin s 1 1 1 t 0 2 0 #group_end\n"
                              "#group_begin 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 #group_end\n",
                          scene)
                    .result.ok);
    const auto* parts = static_cast<const Group*>(scene.root->children[0]);
    EXPECT_TRUE(parts->scale);
    EXPECT_TRUE(parts->translate);
    EXPECT_FALSE(parts->rotate);
    EXPECT_FALSE(parts->useMatrix);
    EXPECT_FLOAT_EQ(parts->translation.y, 2);
    const auto* matrix = static_cast<const Group*>(scene.root->children[1]);
    EXPECT_TRUE(matrix->useMatrix);
    // Row by row: the second number is element (1,0), the fifth (0,1).
    EXPECT_FLOAT_EQ(matrix->matrix(1, 0), 2);
    EXPECT_FLOAT_EQ(matrix->matrix(0, 1), 5);
    EXPECT_FLOAT_EQ(matrix->matrix(3, 3), 16);
}

TEST(SceneReader, IgnoredDirectivesPrintTheirMessageAndReadingGoesOn) {
    FileScene scene;
    const Read read = readScene(std::string(camera) +
                                    "#background 0 0 1 #ambient 0 0 0 #frobnicate #background 1 0 0\n"
                                    "#ambient 1 1 1 #camera 1 1 1 0 0 -1 0 1 0 0.3\n" +
                                    material +
                                    "#group_begin s 1 1 1 #light_cone #group_end #shape_sphere 0 0 0 0 1\n",
                                scene);
    ASSERT_TRUE(read.result.ok) << read.result.message;
    EXPECT_EQ(read.errors,
              "Ignoring Command 4: No valid #directive...frobnicate \n"
              "Parsing Line 5: Ignoring extra background\n"
              "Parsing Line 6: Ignoring extra ambient\n"
              "Parsing Line 7: Ignoring extra camera\n"
              "Ignoring Command 10: No valid #directive...light_cone \n");
    EXPECT_FLOAT_EQ(scene.background.z, 1) << "the first background holds";
    EXPECT_FLOAT_EQ(scene.camera.position.x, 0) << "the first camera holds";
    EXPECT_EQ(scene.root->children.size(), 2u);
}

TEST(SceneReader, FailuresCarryTheFormatsMessages) {
    const std::string c = camera, m = material;
    const struct {
        std::string text, message;
    } cases[] = {
        {"#ambient 0 0 0\n", "Parsing error: Couldn't find any camera in file:  s.scene\n"},
        {"#camera 1 2 3\n", "s.scene: Parsing error of command 1: failed to parse camera settings\n"},
        {c + "#background 1 x", "s.scene: Parsing error of command 2: failed to parse background settings\n"},
        {c + "#texture missing.bmp", "s.scene: Parsing error of command 2: failed to generate texture\n"},
        {c + "#material 1 2 3 -1 !x!", "s.scene: Parsing error of command 2: failed to parse material\n"},
        {c + "#light_spot 1 1 1 0 1 0", "s.scene: Parsing error of command 2: failed to parse light\n"},
        {c + "#group_begin s 1 1 1 #group_end #camera 0 0 0 0 0 1 0 1 0 1",
         "s.scene: Parsing error of command 4: not a valid directive within a group\n"},
        {c + "#group_end", "s.scene: Parsing error of command 2: closed more groups then began\n"},
        {c + "#group_begin s 1 1 1 #group_begin t 0 0 0", "s.scene: Parsing error of command 3: no group_end\n"},
        {c + "#group_begin 1 2 3", "Failed to parse group_begin for Group\n"},
        {c + m + "#shape_sphere 0 1 2 3", "Failed to parse shape_sphere for Sphere\n"},
        {c + m + "#shape_triangle 0 1 2", "Failed to parse shape_triangle for Triangle\n"},
        {c + m + "#shape_sphere -1 0 0 0 1",
         "s.scene: Parsing error of command 3: you cannot have a negative material index\n"},
        {c + m + "#group_begin s 1 1 1 #shape_box 1 0 0 0 1 1 1",
         "s.scene: Parsing error of command 4: shape specifies a material out of material_num bounds (make sure "
         "material_num comes before the root group) \n"},
        {c + m + "#vertex 0 0 0 0 0 1 0 0 #vertex 1 0 0 0 0 1 0 0 #shape_triangle 0 0 1 2",
         "Vertex index not within bounds for Triangle\n"},
        {c + m + "#vertex 0 0 0 0 0 1 0 0 #vertex 1 0 0 0 0 1 0 0 #shape_triangle 0 0 1 0",
         "Vertices must be distinct in Triangle\n"},
        {c + "#ray_file_instance -2", "s.scene: Parsing error of command 2: you cannot have negative ray_file index\n"},
        {c + "#ray_file_instance 0",
         "s.scene: Parsing error of command 2: shape specifies a ray_file out of ray_file_num bounds (make sure "
         "ray_file_num comes before the root group) \n"},
        {c + "#ray_file nowhere.scene", "nowhere.scene: cannot open the scene file\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(failureOf(c.text), c.message) << c.text;
}

TEST(SceneReader, AMaterialBeforeItsTexturePrintsTheNumberAndTheCount) {
    FileScene scene;
    const Read read =
        readScene(std::string(camera) + "#material 0 0 0 1 1 1 0 0 0 0 0 0 0 0 1 0 !wood!\n#texture wood.bmp\n",
                  scene);
    EXPECT_EQ(read.output, "0:0\n");
    EXPECT_EQ(read.result.message,
              "s.scene: Parsing error of command 2: material specifies a texture out of texture_num bounds (make "
              "sure texture_num comes before material_num) \n");
}

TEST(SceneReader, NestedFilesAreReadBesideTheFileThatNamesThem) {
    Files files;
    files.texts["scenes/parts/cup.scene"] = std::string(camera) + material + "#ray_file saucer.scene\n"
                                            "#ray_file_instance 0 #shape_sphere 0 0 0 0 1\n";
    files.texts["scenes/parts/saucer.scene"] = std::string(camera) + material + "#shape_cylinder 0 0 0 0 3 0.2\n";
    files.texts["scenes/table.scene"] = std::string(camera) + "#ray_file parts/cup.scene\n"
                                        "#group_begin t -2 0 0 #ray_file_instance 0 #group_end\n"
                                        "#group_begin t 2 0 0 #ray_file_instance 0 #group_end\n";
    FileScene scene;
    Captured errors, output;
    const SceneReadResult read = SceneReader(files.hooks(), errors.file, output.file).readFile("scenes/table.scene", scene);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(files.opened,
              (std::vector<std::string>{"scenes/table.scene", "scenes/parts/cup.scene", "scenes/parts/saucer.scene"}));
    ASSERT_EQ(scene.rayFiles.size(), 1u);
    EXPECT_EQ(scene.rayFiles[0].fileName, "parts/cup.scene");
    const Scene& cup = *scene.rayFiles[0].scene;
    ASSERT_EQ(cup.rayFiles.size(), 1u);
    EXPECT_EQ(cup.root->children.size(), 2u);
    const auto* left = static_cast<const Group*>(scene.root->children[0]);
    const auto* instance = dynamic_cast<const RayFileInstance*>(left->children[0]);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->scene, &cup);

    // A failure inside a nested file is that file's message.
    files.texts["scenes/parts/saucer.scene"] = std::string(camera) + "#group_end";
    FileScene again;
    EXPECT_EQ(SceneReader(files.hooks(), errors.file, output.file).readFile("scenes/table.scene", again).message,
              "scenes/parts/saucer.scene: Parsing error of command 2: closed more groups then began\n");

    // A file that names itself is refused instead of read for ever.
    files.texts["loop.scene"] = std::string(camera) + "#ray_file loop.scene\n";
    FileScene loop;
    const SceneReadResult looped = SceneReader(files.hooks(), errors.file, output.file).readFile("loop.scene", loop);
    EXPECT_EQ(looped.message, "loop.scene: scene files are nested more than 16 deep\n");
}

// A hostile scene ends soon with a message: groups nested too deep (with the line), files
// that fan out (each naming the next three times), files too large, files that are not
// regular files (tests/platform: readRegularFile).
TEST(SceneReader, HostileScenesEndWithAMessage) {
    std::string deep = std::string(camera) + material;
    for (int n = 0; n < 60000; ++n) deep += "#group_begin t 0 0 0\n";
    EXPECT_EQ(failureOf(deep), "s.scene line 103: groups nested more than 100 deep\n");

    Files files;
    for (int n = 0; n < 17; ++n) {
        const std::string next = "#ray_file f" + std::to_string(n + 1) + ".scene\n";
        files.texts["f" + std::to_string(n) + ".scene"] = std::string(camera) + (n < 16 ? next + next + next : "");
    }
    FileScene fanned;
    Captured errors, output;
    const SceneReadResult read = SceneReader(files.hooks(), errors.file, output.file).readFile("f0.scene", fanned);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(files.opened.size(), 256u);
    EXPECT_NE(read.message.find(": the scene takes more than 256 files; reading stopped\n"), std::string::npos)
        << read.message;

    files.texts["big.scene"] = std::string(camera) + std::string(40u << 20, ' ');
    files.texts["two.scene"] = std::string(camera) + "#ray_file big.scene\n#ray_file big.scene\n";
    FileScene big;
    EXPECT_EQ(SceneReader(files.hooks(), errors.file, output.file).readFile("two.scene", big).message,
              "big.scene: the scene's files come to more than 64 MB; reading stopped\n");

}

TEST(SceneReader, LightsReadInBothFormsAlike) {
    FileScene a, b;
    ASSERT_TRUE(readScene(std::string(camera) + "#light_point 1 0.5 0.25  0.2 0.8 0.4  0 5 0  1 0.1 0.01\n", a).result.ok);
    ASSERT_TRUE(readScene(written(a), b).result.ok);
    ASSERT_EQ(b.lights.size(), 1u);
    const auto& pa = *static_cast<PointLight*>(a.lights[0]);
    const auto& pb = *static_cast<PointLight*>(b.lights[0]);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(pb.ambient[k], pa.ambient[k]);
        EXPECT_FLOAT_EQ(pb.diffuse[k], pa.diffuse[k]);
        EXPECT_FLOAT_EQ(pb.specular[k], pa.specular[k]);
        EXPECT_FLOAT_EQ(pb.position[k], pa.position[k]);
    }
    EXPECT_FLOAT_EQ(pb.quadratic, 0.01f);
}

TEST(SceneReader, AWrittenSceneReadsBackIntoTheSameText) {
    const std::string text = std::string(camera) + "#background 0.1 0.2 0.3\n"
                             "#light_point 1 1 1 0.1 0.8 0.5 0 5 0 1 0.1 0.01\n"
                             "#light_dir 1 1 1 0 1 0 0 -2 0\n"
                             "#light_spot 1 1 1 0 1 0 0 5 0 0 -1 0 1 0 0 0.25 0.5\n" + material +
                             "#material 0 0 0 0 0 0 0 0 0 0 0 0 0.5 0.3 1.4 -1 !glass!\n"
                             "#vertex 0 0 0 0 0 1 0 0 #vertex 1 0 0 0 0 1 1 0 #vertex 0 1 0 0 0 1 0 1\n"
                             "#shape_sphere 0 1 2 3 4\n"
                             "#group_begin s 2 2 2 r 10 20 30 t 1 2 3\n"
                             " #shape_box 0 0 0 0 1 2 3 #shape_triangle 0 0 1 2\n"
                             " #shape_disk 1 0 1 0 4 1 #shape_tube 1 0 0 0 3 4 5\n"
                             " #shape_atube 1 0 -1 0  3 0 0  3.5 1 0.5  3 2 1\n"
                             "#group_end\n"
                             "#shape_cone 0 0 0 0 1 2 #shape_cylinder 0 0 0 0 1 2 #shape_line 0 0 0 0 1 1 1\n";
    FileScene first, second;
    ASSERT_TRUE(readScene(text, first).result.ok);
    const std::string once = written(first);
    const Read again = readScene(once, second);
    ASSERT_TRUE(again.result.ok) << again.result.message;
    EXPECT_EQ(written(second), once);
    const auto* group = static_cast<const Group*>(second.root->children[1]);
    EXPECT_TRUE(group->useMatrix) << "scale, rotation and translation come back as one matrix";
    EXPECT_FLOAT_EQ(group->matrix(3, 1), 2);
    const auto* disk = dynamic_cast<const Disk*>(group->children[2]);
    ASSERT_NE(disk, nullptr);
    EXPECT_EQ(disk->side, 1);
    EXPECT_TRUE(disk->twoSided) << "a see-through surface is lit on both sides";
    EXPECT_TRUE(dynamic_cast<const Tube*>(group->children[3])->twoSided);
}

TEST(SceneReader, BlobsGoToWhoeverKnowsThem) {
    struct Taken {
        Group* group;
        Point3D position;
        Material* material;
    };
    std::vector<Taken> taken;
    Files files;
    SceneReaderHooks hooks = files.hooks();
    hooks.addBlob = [&taken](FileScene&, Group& group, const Point3D& position, Material* material) {
        taken.push_back({&group, position, material});
        return taken.size() < 3 ? nullptr : "a group cannot hold more than 400 blobs\n";
    };
    FileScene scene;
    const Read read = readScene(std::string(camera) + material +
                                    "#group_begin s 1 1 1 #shape_blob 0 1 2 3 5.0 7 #shape_blob 0 4 5 6 1.1\n"
                                    "#group_end #shape_blob 0 7 8 9 1\n",
                                scene, hooks);
    EXPECT_EQ(read.result.message, "s.scene: Parsing error of command 7: a group cannot hold more than 400 blobs\n");
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].group, scene.root->children[0]);
    EXPECT_FLOAT_EQ(taken[1].position.z, 6);
    EXPECT_EQ(taken[2].group, scene.root);
    EXPECT_EQ(taken[0].material, &scene.materials[0]);

    FileScene without;
    EXPECT_TRUE(readScene(std::string(camera) + material + "#shape_blob 0 1 2 3 4", without).result.ok)
        << "without a lava the blob is read and left out";
    EXPECT_TRUE(without.root->children.empty());
}
