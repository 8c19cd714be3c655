// Blob: one wax particle of the lava — position, velocity, radius and temperature, plus
// the bookkeeping of the current step (force, neighbours, cluster).
#pragma once

#include <cstdint>

#include "scene/shape.h"

struct Material;

// Every new blob's radius (the lava's own and those read from scene files).
constexpr float blobRadius = 1.1f;
// No blob moves faster (units a second).
constexpr float blobSpeedLimit = 10.0f;

class Blob : public Shape {
public:
    Blob(const Point3D& position, float radius) : position(position), radius(radius) {}

    const char* name() const override { return "blob"; }
    void write(int depth, std::FILE* file) const override;
    BoundingBox3D boundingBox() override;
    // The lava group draws its blobs; a blob alone draws nothing.
    void draw(int) override {}
    // Moves the blob by its velocity after adding dt x force (speed at most 10).
    void step(float dt) override;
    bool isTransparent() const override;

    Point3D position;
    float temperature = -2.0f;
    float radius;
    Point3D force;
    Point3D velocity;
    int32_t neighbourCount = 0;
    Material* material = nullptr;
    int32_t cluster = 0;          // -1 while this step has not assigned it
    int32_t previousCluster = 0;
    int32_t fixed = 0;            // non-zero: never moves
    bool processed = false;       // marker of the pair pass
};
