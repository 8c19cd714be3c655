// The inside of the glass as the lava's drawing sees it: the wall's radius at a height, and
// the pull that keeps a drawn point (a surface vertex, a particle) inside it. Drawing only:
// the simulation keeps its blobs inside with the vessel's colliders.
#pragma once

#include <cmath>

#include "scene/geometry.h"

class Blob;

// Inline: the surface walk calls both for every vertex it emits.

// Inner radius of the glass at height y in the lava's coordinates.
inline float wallRadius(float y) {
    // The bowl widens from the bulb, the bulge is straight, the cone narrows to the cap;
    // 0.28636363 is the cone's slope, (10.8 - 4.5) / 22.
    if (y < -8.0f) return (y + 12.0f) * 0.5f + 8.8f;
    if (y <= -7.0f) return 10.8f;
    return (y + 7.0f) * -0.28636363f + 10.8f;
}

// p moved towards the lamp's axis, at the same height and angle, so that it lies at most
// `limit` from the axis.
inline Point3D pulledInside(Point3D p, float limit) {
    const float rho = std::sqrt(p.x * p.x + p.z * p.z);
    if (rho > limit) {
        p.x *= limit / rho;
        p.z *= limit / rho;
    }
    return p;
}
// Where a particle is drawn: its position, pulled 0.005 inside the glass by its radius.
Point3D particlePosition(const Blob& blob);
