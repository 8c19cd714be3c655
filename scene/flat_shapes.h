// The shapes made of flat pieces: Box (six quads), Triangle and Line.
#pragma once

#include "scene/shape.h"

struct Material;
struct Vertex;

class Box : public Shape {
public:
    Box(const Point3D& centre, const Point3D& size) : centre(centre), size(size) {}
    const char* name() const override { return "box"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;
    bool isTransparent() const override;

    Point3D centre;
    Point3D size;  // full edge lengths
    Material* material = nullptr;
};

// Its corners are vertices of the scene's vertex table.
class Triangle : public Shape {
public:
    Triangle(Vertex* a, Vertex* b, Vertex* c) : v{a, b, c} {}
    const char* name() const override { return "triangle"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;
    bool isTransparent() const override;

    Vertex* v[3];
    Material* material = nullptr;
};

class Line : public Shape {
public:
    Line(const Point3D& a, const Point3D& b) : p{a, b} {}
    const char* name() const override { return "line"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    void draw(int complexity) override;
    bool isTransparent() const override;

    Point3D p[2];
    Material* material = nullptr;
};
