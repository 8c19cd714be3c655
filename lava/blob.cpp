// Blob motion and its scene-file text.
#include "lava/blob.h"

#include "scene/material.h"
#include "scene/scene_text.h"

void Blob::write(int depth, std::FILE* file) const {
    writeLine(depth, file, "#shape_blob %d\n", materialIndex(material));
    writeLine(depth, file, "\t%f %f %f\n", static_cast<double>(position.x),
              static_cast<double>(position.y), static_cast<double>(position.z));
    writeLine(depth, file, "\t%f\n", static_cast<double>(radius));
}

BoundingBox3D Blob::boundingBox() {
    const Point3D r(radius, radius, radius);
    return BoundingBox3D(position - r, position + r);
}

void Blob::step(float dt) {
    if (fixed) return;
    velocity = velocity + force * dt;
    const float speed = velocity.length();
    if (speed > 10.0f) velocity = velocity * (10.0f / speed);
    position = position + velocity * dt;
}

bool Blob::isTransparent() const { return isSeeThrough(material); }
