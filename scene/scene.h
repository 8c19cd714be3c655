// Scene: what a frame draws — camera, lights, background and a root group. The scene owns
// its lights. The lamp is a Scene built in code; scene files build others.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "scene/camera.h"
#include "scene/geometry.h"
#include "scene/material.h"
#include "scene/vertex.h"

class Group;
class Light;
class Texture;

class Scene {
public:
    Scene() = default;
    virtual ~Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    virtual void draw(int complexity);
    virtual void step(float dt);

    // Deletes every light and every texture's image; the lists keep their entries. After
    // this the scene is not drawn again.
    virtual void release();
    // The global ambient light, then every light in order, in the current modelview frame.
    void applyLights();
    // The scene as a scene file: camera, ambient, background, lights, textures, materials,
    // vertices, ray files (the global section), then the root group's contents.
    void write(std::FILE* file) const;
    void writeGlobalSection(std::FILE* file) const;
    // The materials a scene file numbers, in order (the list `materials` unless the scene
    // keeps its materials elsewhere). Their `index` must be their place in this list.
    virtual std::vector<const Material*> materialTable() const;

    // A scene read from another file, drawn by ray-file instances.
    struct RayFile {
        std::string fileName;
        Scene* scene;
        size_t shapesDrawn = 0;  // by one draw of its scene, as the reader counted them
    };

    std::vector<Vertex> vertices;
    std::vector<Material> materials;
    std::vector<Texture*> textures;
    Point3D ambient;
    Point3D background;
    Camera camera;
    std::vector<Light*> lights;
    std::vector<RayFile> rayFiles;
    Group* root = nullptr;
};
