// SceneReader: reads a scene file into a FileScene. The format is the scene objects' text
// form: directives of a global section (camera, background, ambient, lights, textures,
// materials, vertices, other scene files), then the scene graph (groups, shapes, instances
// of other files). Where reading fails, the reader stops and returns the message the
// format defines for that failure; the ignored extra camera, background or ambient and
// unknown directives only print their message and reading goes on.
//
// Beyond the shapes a file may name in the graph (sphere, box, cone, cylinder, line,
// triangle, blob, ray-file instance), the reader also takes the records the lamp's own
// shapes write — #shape_disk, #shape_tube and #shape_atube — and the lights and blobs in
// the form they are written in, so a written scene reads back into the same picture.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "platform/files.h"
#include "scene/geometry.h"

class FileScene;
class Group;
class Texture;
struct Material;

// What reading needs from outside: files, BMP textures, and someone who knows blobs.
struct SceneReaderHooks {
    // Reads a whole regular file of at most maxBytes (a folder, a fifo or a device is
    // refused; `error` says why a read failed).
    std::function<FileRead(const std::string& path, size_t maxBytes, std::string& text, std::string& error)> loadText =
        readRegularFile;
    // A loaded texture from a BMP file, or null.
    std::function<Texture*(const std::string& path)> loadTexture = loadTextureFile;
    // Puts a blob read from the file into the group (the lava's blob, with the lava's
    // defaults); returns null, or the message of why it cannot. Without this, blobs are
    // read and left out of the scene.
    std::function<const char*(FileScene& scene, Group& group, const Point3D& position, Material* material)> addBlob;

    static Texture* loadTextureFile(const std::string& path);
};

struct SceneReadResult {
    bool ok = true;
    // The whole message of a failure, as it would be printed (ending in a line break).
    std::string message;
};

class SceneReader {
public:
    // Messages of ignored directives go to `errors`; the numbers printed before the
    // texture-bounds failure go to `output`.
    explicit SceneReader(SceneReaderHooks hooks = {}, std::FILE* errors = stderr, std::FILE* output = stdout);

    // Relative names inside the file (textures, other scene files) are taken relative to
    // the file's own folder.
    SceneReadResult readFile(const std::string& fileName, FileScene& scene);
    // The same for text already in memory, read as if it were the file fileName.
    SceneReadResult readText(const std::string& text, const std::string& fileName, FileScene& scene);

    // Limits that keep a hostile file from taking the machine. Scene files including each
    // other more deeply than maxNesting are refused (a file that includes itself would
    // never end); one read takes at most maxFiles files and maxBytes bytes of them in all
    // (17 files that each include the next three times would otherwise read 3^16 files);
    // groups nest at most maxGroupNesting deep (each level is a level of the reader's stack);
    // and one draw of the scene draws at most maxShapesDrawn shapes (six small files, each
    // placing the next 200 times, would otherwise draw 3.2e11).
    static constexpr int maxNesting = 16;
    static constexpr int maxFiles = 256;
    static constexpr size_t maxBytes = 64u << 20;
    static constexpr int maxGroupNesting = 100;
    static constexpr size_t maxShapesDrawn = 100000;

private:
    SceneReadResult readNested(const std::string& fileName, FileScene& scene, int nesting);
    SceneReadResult readTextNested(const std::string& text, const std::string& fileName, FileScene& scene,
                                   int nesting);

    SceneReaderHooks hooks;
    std::FILE* errors;
    std::FILE* output;
    // What is left of the budget of the read under way.
    int filesLeft_ = maxFiles;
    size_t bytesLeft_ = maxBytes;
};
