// Fuzzes the scene-file reader: any text reads without a fault, and whatever reads is
// written into a file that reads again. Every other file a scene names is the input itself
// when it is called "self", and missing otherwise; textures are always missing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lava/scene_blobs.h"
#include "scene/file_scene.h"

namespace {

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
    SceneReaderHooks hooks = lavaSceneHooks();
    hooks.loadText = [&input](const std::string& path, std::string& text) {
        if (path != "self") return false;
        text = input;
        return true;
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
