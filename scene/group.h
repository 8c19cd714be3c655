// Group: a shape holding a transform and an ordered list of children, drawn recursively.
// A group may also hold lava: its blobs (owned, at most 400), the colliders that keep
// them inside the glass (shared with the drawn shapes, not owned), and the behaviour that
// steps, draws and deletes the blobs (supplied by the lava, not owned).
#pragma once

#include <vector>

#include "scene/blob_behaviour.h"
#include "scene/shape.h"

class Blob;

constexpr int maxBlobs = 400;

class Group : public Shape {
public:
    // All transform parts off, no children, no lava.
    Group();
    // The given matrix (column-major) with useMatrix on and the other parts off.
    explicit Group(const float matrix[16]);
    ~Group() override;
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

    const char* name() const override { return "group"; }
    // The whole transform as its matrix, the children, then the blobs (through the blob
    // behaviour).
    void write(int depth, std::FILE* file) const override;
    // The children, then the blobs, at this depth.
    void writeContents(int depth, std::FILE* file) const;
    // The box of the children's boxes, transformed by the matrix (only the matrix, whatever
    // the flags say), stored in `box`.
    BoundingBox3D boundingBox() override;
    // Transform, then the blobs (if any, through the blob behaviour), then the children.
    void draw(int complexity) override;
    // The blobs (if any), then the children, inside the same transform.
    void step(float dt) override;
    bool isTransparent() const override { return false; }

    void addChild(Shape* shape) { children.push_back(shape); }
    void addCollider(Shape* shape);
    // Pushes the blob at the front and takes ownership; false (nothing kept) when the group
    // already holds maxBlobs or has no blob behaviour to delete it with.
    bool addBlob(Blob* blob);
    // Deletes the front (newest) blob; returns the new count.
    int removeBlob();
    int blobCount() const { return static_cast<int>(blobs.size()); }

    // glTranslate, glRotate x then y then z, glScale, glMultMatrix, as the flags say.
    void applyTransform() const;
    // The same transform as one matrix.
    Matrix4D transform() const;

    Matrix4D matrix = Matrix4D::identity();
    bool rotate = false, translate = false, scale = false, useMatrix = false;
    Point3D rotation;      // degrees about x, y, z
    Point3D translation;
    Point3D scaleFactor{1, 1, 1};
    std::vector<Shape*> children;  // in drawing order
    std::vector<Blob*> blobs;      // front (index 0) is the newest; at most maxBlobs
    BlobBehaviour* blobBehaviour = nullptr;
    std::vector<Shape*> colliders; // front (index 0) is the last added
    BoundingBox3D box;
};
