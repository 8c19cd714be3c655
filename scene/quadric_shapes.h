// The shapes drawn with GLU quadrics: Cone, Cylinder, Disk, Sphere and Tube. All of them
// stand along +y: the quadric's +z axis is turned up by -90 degrees about x.
#pragma once

#include "scene/surface_shape.h"

struct Material;

// Slices around the round shapes of the lamp and of scene files.
constexpr int standardSlices = 30;

class Cone : public Shape {
public:
    Cone(const Point3D& centre, float radius, float height);
    const char* name() const override { return "cone"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;
    bool isTransparent() const override;

    Point3D centre;
    float height, radius;
    Material* material = nullptr;
};

// Centred on its centre point, with both end caps.
class Cylinder : public SurfaceShape {
public:
    Cylinder(const Point3D& centre, float radius, float height, int n);
    const char* name() const override { return "cylinder"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;

    Point3D centre;
    float height, radius;
    int slices, loops, stacks;

protected:
    void makeGeometry() const override;
};

// Faces +y. `side` tells the lava on which face of the disk the wax must stay.
class Disk : public SurfaceShape {
public:
    Disk(const Point3D& centre, float radius, int n, int side);
    const char* name() const override { return "disk"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;

    int side;
    Point3D centre;
    float radius;
    int slices, loops;

protected:
    void makeGeometry() const override;
};

class Sphere : public Shape {
public:
    Sphere(const Point3D& centre, float radius) : centre(centre), radius(radius) {}
    const char* name() const override { return "sphere"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    // slices and stacks = complexity.
    void draw(int complexity) override;
    bool isTransparent() const override;

    Point3D centre;
    float radius;
    Material* material = nullptr;
};

// Starts at its centre point and rises by height, from rBase to rTop (a truncated cone).
class Tube : public SurfaceShape {
public:
    Tube(const Point3D& centre, float rTop, float rBase, float height, int n);
    const char* name() const override { return "tube"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;

    Point3D centre;
    float height, rTop, rBase;
    int slices, stacks;

protected:
    void makeGeometry() const override;
};
