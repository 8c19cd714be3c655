// Fuzzes the scene-file reader: any text reads without a fault, and whatever reads is
// written into a file that reads again. Every other file a scene names is the input itself
// when it is called "self", and missing otherwise; textures are always missing. Blobs go to
// a behaviour that only keeps them, with the lava's limits: a lava engine's memory would
// make each run a hundred times slower and teach the reader nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lava/blob.h"
#include "lava/scene_blobs.h"
#include "scene/group.h"
#include "scene/file_scene.h"

namespace {

class KeepingBehaviour : public BlobBehaviour {
public:
    void stepBlobs(Group&, float) override {}
    void drawBlobs(Group&, int) override {}
    void writeBlobs(const Group& group, int depth, std::FILE* file) const override {
        for (auto blob = group.blobs.rbegin(); blob != group.blobs.rend(); ++blob) (*blob)->write(depth, file);
    }
    void deleteBlob(Blob* blob) override { delete blob; }
};

const char* keepBlob(FileScene& scene, Group& group, const Point3D& position, Material* material) {
    if (!group.blobBehaviour) {
        if (scene.behaviourCount() >= maxLavaGroups) return "too many lava groups\n";
        group.blobBehaviour = scene.keepBehaviour(new KeepingBehaviour);
    }
    if (group.blobCount() >= maxBlobs) return "too many blobs\n";
    auto* blob = new Blob(position, blobRadius);
    blob->material = material;
    group.addBlob(blob);
    return nullptr;
}

std::string writtenText(const Scene& scene) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    scene.write(file);
    std::fclose(file);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    SceneReaderHooks hooks;
    hooks.addBlob = keepBlob;
    hooks.loadText = [&input](const std::string& path, size_t maxBytes, std::string& text, std::string&) {
        if (path != "self") return FileRead::Missing;
        if (input.size() > maxBytes) return FileRead::TooLarge;
        text = input;
        return FileRead::Done;
    };
    hooks.loadTexture = [](const std::string&) { return static_cast<Texture*>(nullptr); };
    static std::FILE* sink = std::fopen("/dev/null", "w");
    SceneReader reader(hooks, sink, sink);

    FileScene scene;
    if (!reader.readText(input, "fuzz.scene", scene).ok) return 0;
    FileScene again;
    const SceneReadResult reread = reader.readText(writtenText(scene), "written.scene", again);
    if (!reread.ok) {
        std::fprintf(stderr, "a written scene does not read: %s", reread.message.c_str());
        std::abort();
    }
    return 0;
}
