// Blob motion and its scene-file text.
#include "lava/blob.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

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

namespace {

// v scaled down to the speed limit when it is faster. A velocity whose square overflows
// (components beyond about 1e19, or infinite) is first scaled by its largest component, so
// it keeps its direction instead of becoming 0 or NaN.
Point3D limitSpeed(Point3D v) {
    const float speed = v.length();
    if (speed <= blobSpeedLimit) return v;
    if (std::isfinite(speed)) return v * (blobSpeedLimit / speed);
    for (int a = 0; a < 3; ++a) {
        if (std::isnan(v[a])) v[a] = 0;
        else if (std::isinf(v[a])) v[a] = std::copysign(FLT_MAX, v[a]);
    }
    const float largest = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    if (largest == 0) return Point3D();
    const Point3D direction = v * (1.0f / largest);
    return direction * (blobSpeedLimit / direction.length());
}

}  // namespace

void Blob::step(float dt) {
    if (fixed) return;
    velocity = limitSpeed(velocity + force * dt);
    position = position + velocity * dt;
}

bool Blob::isTransparent() const { return isSeeThrough(material); }
