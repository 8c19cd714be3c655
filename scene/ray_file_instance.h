// RayFileInstance: a shape that draws the root group of a scene read from another file, so
// one file can place another's contents (several times, in different groups).
#pragma once

#include "scene/shape.h"

class Scene;

class RayFileInstance : public Shape {
public:
    // index: the ray file's number in the scene that read it.
    RayFileInstance(Scene* scene, int index) : scene(scene), index(index) {}
    const char* name() const override { return "rayfile"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    // The other scene steps once a frame through the scene that read it, however often it is
    // placed, so an instance does not step it.
    void draw(int complexity) override;
    bool isTransparent() const override { return false; }

    Scene* scene;
    int index;
};
