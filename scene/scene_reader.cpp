// Reading scene files.
#include "scene/scene_reader.h"

#include <cstdarg>
#include <memory>
#include <utility>

#include "platform/diagnostics.h"
#include "scene/atube.h"
#include "scene/file_scene.h"
#include "scene/flat_shapes.h"
#include "scene/light.h"
#include "scene/quadric_shapes.h"
#include "scene/ray_file_instance.h"
#include "scene/scene_tokens.h"
#include "scene/texture.h"

namespace {

// A failure ends the reading of every file being read; it carries its whole message.
struct Failure {
    std::string message;
};

std::string format(const char* pattern, ...) GJ_PRINTF_LIKE(1, 2);
std::string format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(&text[0], text.size() + 1, pattern, again);
    va_end(again);
    return text;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }

// name as written in the file `from`: relative names are relative to that file's folder.
std::string beside(const std::string& from, const std::string& name) {
    const bool absolute = isSeparator(name[0]) || (name.size() > 1 && name[1] == ':');
    if (absolute) return name;
    size_t cut = from.size();
    while (cut > 0 && !isSeparator(from[cut - 1])) --cut;
    return from.substr(0, cut) + name;
}

bool isGlobalDirective(const std::string& word) {
    for (const char* global : {"camera", "background", "ambient", "light_point", "light_dir", "light_spot",
                               "texture", "material", "vertex", "ray_file"})
        if (word == global) return true;
    return false;
}

// One file being read.
class Reading {
public:
    using ReadNested = std::function<SceneReadResult(const std::string& fileName, FileScene& scene)>;

    Reading(const std::string& text, const std::string& fileName, FileScene& scene, const SceneReaderHooks& hooks,
            std::FILE* errors, std::FILE* output, ReadNested readNested)
        : in(text), fileName(fileName), scene(scene), hooks(hooks), errors(errors), output(output),
          readNested(std::move(readNested)) {}

    void read();

private:
    // A failure reported with the file name and the command number.
    [[noreturn]] void fail(const char* message) const {
        throw Failure{format("%s: Parsing error of command %d: %s", fileName.c_str(), command, message)};
    }
    // A failure reported as it stands.
    [[noreturn]] static void failPlain(const char* message) { throw Failure{message}; }

    void readGlobal(const std::string& word);
    // A group whose #group_begin was just read, `depth` groups deep.
    Group* readGroup(int depth);
    // False when the word is not a shape directive.
    bool readShape(const std::string& word, Group& parent);
    Material* materialNumbered(int index) const;
    template <class T> T* keep(T* shape) { return scene.keep(shape); }
    // Counts shapes one draw of the scene draws, refusing the scene beyond the limit.
    void drawn(size_t shapes) {
        scene.shapesDrawn += shapes;
        if (scene.shapesDrawn > SceneReader::maxShapesDrawn)
            throw Failure{format("%s line %d: the scene would draw more than %d shapes\n", fileName.c_str(), in.line(),
                                 static_cast<int>(SceneReader::maxShapesDrawn))};
    }

    SceneTokens in;
    const std::string& fileName;
    FileScene& scene;
    const SceneReaderHooks& hooks;
    std::FILE* errors;
    std::FILE* output;
    ReadNested readNested;
    int command = 0;
    bool haveCamera = false, haveBackground = false, haveAmbient = false;
    bool graphStarted = false;
};

void Reading::read() {
    std::string word;
    while (in.directive(word)) {
        ++command;
        if (isGlobalDirective(word)) {
            if (graphStarted) fail("not a valid directive within a group\n");
            readGlobal(word);
        } else if (word == "group_begin") {
            graphStarted = true;
            scene.root->addChild(readGroup(1));
        } else if (word == "group_end") {
            fail("closed more groups then began\n");
        } else if (readShape(word, *scene.root)) {
            graphStarted = true;
        } else {
            std::fprintf(errors, "Ignoring Command %d: No valid #directive...%s \n", command, word.c_str());
        }
    }
    if (!haveCamera)
        throw Failure{format("Parsing error: %s %s\n", "Couldn't find any camera in file: ", fileName.c_str())};
}

void Reading::readGlobal(const std::string& word) {
    float v[16];
    if (word == "camera") {
        Camera camera;
        const bool read = camera.read(in);
        if (haveCamera) {
            std::fprintf(errors, "Parsing Line %d: Ignoring extra camera\n", command);
            return;
        }
        if (!read) fail("failed to parse camera settings\n");
        scene.camera = camera;
        haveCamera = true;
    } else if (word == "background" || word == "ambient") {
        const bool isBackground = word == "background";
        const bool read = in.numbers(v, 3);
        bool& have = isBackground ? haveBackground : haveAmbient;
        if (have) {
            std::fprintf(errors, "Parsing Line %d: Ignoring extra %s\n", command, word.c_str());
            return;
        }
        if (!read) fail(isBackground ? "failed to parse background settings\n" : "failed to parse ambient settings\n");
        (isBackground ? scene.background : scene.ambient) = Point3D(v[0], v[1], v[2]);
        have = true;
    } else if (word == "texture") {
        std::string name;
        Texture* texture = in.word(name) ? hooks.loadTexture(beside(fileName, name)) : nullptr;
        if (!texture) fail("failed to generate texture\n");
        texture->index = static_cast<int>(scene.textures.size());
        texture->fileName = name;
        scene.keepTexture(texture);
    } else if (word == "material") {
        int textureNumber = 0;
        std::string name;
        if (!in.numbers(v, 15) || !in.integer(textureNumber) || !in.letter('!') || !in.word(name))
            fail("failed to parse material\n");
        const int textureCount = static_cast<int>(scene.textures.size());
        if (textureNumber != -1 && (textureNumber < 0 || textureNumber >= textureCount)) {
            std::fprintf(output, "%d:%d\n", textureNumber, textureCount);
            fail("material specifies a texture out of texture_num bounds (make sure texture_num comes before "
                 "material_num) \n");
        }
        if (name.back() == '!') name.pop_back();
        Material m(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14]);
        m.index = static_cast<int>(scene.materials.size());
        m.texture = textureNumber >= 0 ? scene.textures[static_cast<size_t>(textureNumber)] : nullptr;
        m.name = name;
        scene.materials.push_back(m);
    } else if (word == "vertex") {
        if (!in.numbers(v, 8)) fail("failed to parse vertices\n");
        Vertex vertex;
        vertex.position = Point3D(v[0], v[1], v[2]);
        vertex.normal = Point3D(v[3], v[4], v[5]);
        vertex.texCoord = Point2D(v[6], v[7]);
        vertex.index = static_cast<int>(scene.vertices.size());
        scene.vertices.push_back(vertex);
    } else if (word == "ray_file") {
        std::string name;
        if (!in.word(name)) fail("failed to parse ray_file\n");
        FileScene* nested = scene.keepScene(new FileScene);
        const SceneReadResult result = readNested(beside(fileName, name), *nested);
        if (!result.ok) throw Failure{result.message};
        scene.rayFiles.push_back({name, nested, nested->shapesDrawn});
    } else {
        Light* light = word == "light_point" ? static_cast<Light*>(new PointLight)
                       : word == "light_dir" ? static_cast<Light*>(new DirectionalLight)
                                             : static_cast<Light*>(new SpotLight);
        scene.lights.push_back(light);
        if (!light->read(in)) fail("failed to parse light\n");
    }
}

Group* Reading::readGroup(int depth) {
    if (depth > SceneReader::maxGroupNesting)
        throw Failure{format("%s line %d: groups nested more than %d deep\n", fileName.c_str(), in.line(),
                             SceneReader::maxGroupNesting)};
    Group* group = keep(new Group);
    float v[16];
    bool parts = false;
    const auto part = [&](char letter, bool& flag, Point3D& value) {
        if (!in.letter(letter)) return;
        if (!in.numbers(v, 3)) failPlain("Failed to parse group_begin for Group\n");
        flag = parts = true;
        value = Point3D(v[0], v[1], v[2]);
    };
    part('s', group->scale, group->scaleFactor);
    part('r', group->rotate, group->rotation);
    part('t', group->translate, group->translation);
    if (!parts) {
        if (!in.numbers(v, 16)) failPlain("Failed to parse group_begin for Group\n");
        // Row by row: (0,0), (1,0), (2,0), (3,0), (0,1), ...
        for (int k = 0; k < 16; ++k) group->matrix(k % 4, k / 4) = v[k];
        group->useMatrix = true;
    }
    std::string word;
    while (in.directive(word)) {
        ++command;
        if (word == "group_begin") group->addChild(readGroup(depth + 1));
        else if (word == "group_end") return group;
        else if (!readShape(word, *group))
            std::fprintf(errors, "Ignoring Command %d: No valid #directive...%s \n", command, word.c_str());
    }
    fail("no group_end\n");
}

Material* Reading::materialNumbered(int index) const {
    if (index < 0) fail("you cannot have a negative material index\n");
    if (index >= static_cast<int>(scene.materials.size()))
        fail("shape specifies a material out of material_num bounds (make sure material_num comes before the root "
             "group) \n");
    return &scene.materials[static_cast<size_t>(index)];
}

bool Reading::readShape(const std::string& word, Group& parent) {
    int m = 0;
    float v[8];
    Material* material = nullptr;
    // The material number and n numbers, or the shape's own parse failure; then the
    // material, before anything is made.
    const auto numbers = [&](int n, const char* failure) {
        if (!in.integer(m) || !in.numbers(v, n)) failPlain(failure);
        material = materialNumbered(m);
    };
    const auto centre = [&v] { return Point3D(v[0], v[1], v[2]); };
    const auto add = [&](auto* shape) {
        shape->material = material;
        parent.addChild(keep(shape));
        drawn(1);
    };
    const auto addSurface = [&](SurfaceShape* shape) {
        // Glass is lit on both sides: a see-through surface shows its inside.
        shape->twoSided = isSeeThrough(material);
        add(shape);
    };

    if (word == "shape_sphere") {
        numbers(4, "Failed to parse shape_sphere for Sphere\n");
        add(new Sphere(centre(), v[3]));
    } else if (word == "shape_box") {
        numbers(6, "Failed to parse shape_box for Box\n");
        add(new Box(centre(), Point3D(v[3], v[4], v[5])));
    } else if (word == "shape_cone") {
        numbers(5, "Failed to parse shape_cone for Cone\n");
        add(new Cone(centre(), v[3], v[4]));
    } else if (word == "shape_cylinder") {
        numbers(5, "Failed to parse shape_cylinder for Cylinder\n");
        add(new Cylinder(centre(), v[3], v[4], standardSlices));  // visible, one-sided
    } else if (word == "shape_line") {
        numbers(6, "Failed to parse shape_line for Line\n");
        add(new Line(centre(), Point3D(v[3], v[4], v[5])));
    } else if (word == "shape_triangle") {
        int corner[3];
        if (!in.integer(m) || !in.integer(corner[0]) || !in.integer(corner[1]) || !in.integer(corner[2]))
            failPlain("Failed to parse shape_triangle for Triangle\n");
        material = materialNumbered(m);
        for (int c : corner)
            if (c < 0 || c >= static_cast<int>(scene.vertices.size()))
                failPlain("Vertex index not within bounds for Triangle\n");
        if (corner[0] == corner[1] || corner[1] == corner[2] || corner[0] == corner[2])
            failPlain("Vertices must be distinct in Triangle\n");
        Vertex* vertices = scene.vertices.data();
        add(new Triangle(&vertices[corner[0]], &vertices[corner[1]], &vertices[corner[2]]));
    } else if (word == "shape_blob") {
        numbers(4, "Failed to parse shape_blob for Blob\n");
        // The trailing number is not used (and blobs are written without it).
        int unused = 0;
        in.integer(unused);
        if (hooks.addBlob)
            if (const char* refusal = hooks.addBlob(scene, parent, centre(), material)) fail(refusal);
        drawn(1);
    } else if (word == "ray_file_instance") {
        int index = 0;
        if (!in.integer(index)) fail("could not read ray_file index number\n");
        if (index < 0) fail("you cannot have negative ray_file index\n");
        if (index >= static_cast<int>(scene.rayFiles.size()))
            fail("shape specifies a ray_file out of ray_file_num bounds (make sure ray_file_num comes before the "
                 "root group) \n");
        drawn(scene.rayFiles[static_cast<size_t>(index)].shapesDrawn);
        parent.addChild(keep(new RayFileInstance(scene.rayFiles[static_cast<size_t>(index)].scene, index)));
    } else if (word == "shape_disk") {
        numbers(5, "Failed to parse shape_disk for Disk\n");
        // The side is written as a number; anything but a small whole one means the top.
        const int side = v[4] >= -8 && v[4] <= 8 ? static_cast<int>(v[4]) : 0;
        addSurface(new Disk(centre(), v[3], standardSlices, side));
    } else if (word == "shape_tube") {
        numbers(6, "Failed to parse shape_tube for Tube\n");
        addSurface(new Tube(centre(), v[3], v[4], v[5], standardSlices));
    } else if (word == "shape_atube") {
        numbers(3, "Failed to parse shape_atube for ATube\n");
        const int count = in.numbersAhead();
        if (count == 0 || count % 3 != 0) failPlain("Failed to parse shape_atube for ATube\n");
        auto atube = std::make_unique<ATube>(centre(), standardSlices);
        for (int k = 0; k < count; k += 3) {
            in.numbers(v, 3);
            atube->addPoint(v[0], v[1], v[2]);
        }
        addSurface(atube.release());
    } else {
        return false;
    }
    return true;
}

}  // namespace

Texture* SceneReaderHooks::loadTextureFile(const std::string& path) {
    auto texture = std::make_unique<Texture>(path);
    return texture->loaded() ? texture.release() : nullptr;
}

SceneReader::SceneReader(SceneReaderHooks hooks, std::FILE* errors, std::FILE* output)
    : hooks(std::move(hooks)), errors(errors), output(output) {}

SceneReadResult SceneReader::readFile(const std::string& fileName, FileScene& scene) {
    filesLeft_ = maxFiles;
    bytesLeft_ = maxBytes;
    return readNested(fileName, scene, 0);
}

SceneReadResult SceneReader::readText(const std::string& text, const std::string& fileName, FileScene& scene) {
    filesLeft_ = maxFiles;
    bytesLeft_ = text.size() < maxBytes ? maxBytes - text.size() : 0;
    return readTextNested(text, fileName, scene, 0);
}

SceneReadResult SceneReader::readNested(const std::string& fileName, FileScene& scene, int nesting) {
    if (filesLeft_ <= 0)
        return {false, format("%s: the scene takes more than %d files; reading stopped\n", fileName.c_str(), maxFiles)};
    --filesLeft_;
    std::string text, error;
    switch (hooks.loadText(fileName, bytesLeft_, text, error)) {
        case FileRead::Done:
            break;
        case FileRead::Missing:
            return {false, format("%s: cannot open the scene file\n", fileName.c_str())};
        case FileRead::TooLarge:
            return {false, format("%s: the scene's files come to more than %u MB; reading stopped\n", fileName.c_str(),
                                  static_cast<unsigned>(maxBytes >> 20))};
        case FileRead::Failed:
            return {false, format("%s: cannot read the scene file (%s)\n", fileName.c_str(), error.c_str())};
    }
    bytesLeft_ -= text.size() < bytesLeft_ ? text.size() : bytesLeft_;
    return readTextNested(text, fileName, scene, nesting);
}

SceneReadResult SceneReader::readTextNested(const std::string& text, const std::string& fileName, FileScene& scene,
                                            int nesting) {
    if (nesting > maxNesting)
        return {false, format("%s: scene files are nested more than %d deep\n", fileName.c_str(), maxNesting)};
    Reading reading(text, fileName, scene, hooks, errors, output,
                    [this, nesting](const std::string& name, FileScene& nested) {
                        return readNested(name, nested, nesting + 1);
                    });
    try {
        reading.read();
    } catch (const Failure& failure) {
        return {false, failure.message};
    }
    return {};
}
