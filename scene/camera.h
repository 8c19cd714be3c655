// Camera: the viewpoint, turned into the modelview matrix with gluLookAt every frame.
#pragma once

#include <cstdio>

#include "scene/geometry.h"

class SceneTokens;

struct Camera {
    Camera() = default;
    // Stores the vectors as given; right = unit(direction) x unit(up).
    Camera(const Point3D& position, const Point3D& direction, const Point3D& up, float heightAngle);

    // From a scene file: position, direction, up, heightAngle; direction and up normalised.
    bool read(SceneTokens& in);
    void write(std::FILE* file) const;
    // Loads the identity into GL_MODELVIEW, then looks from position along direction.
    void lookAt() const;

    float heightAngle = 0;  // half the vertical field of view, radians
    float aspect = 1;       // width / height, set by the projection
    Point3D position, direction, up, right;
};
