// The glass wall's radius and the pull inside it.
#include "lava/glass_wall.h"

#include <cmath>

#include "lava/blob.h"

float wallRadius(float y) {
    // The bowl widens from the bulb, the bulge is straight, the cone narrows to the cap;
    // 0.28636363 is the cone's slope, (10.8 - 4.5) / 22.
    if (y < -8.0f) return (y + 12.0f) * 0.5f + 8.8f;
    if (y <= -7.0f) return 10.8f;
    return (y + 7.0f) * -0.28636363f + 10.8f;
}

Point3D pulledInside(Point3D p, float limit) {
    const float rho = std::sqrt(p.x * p.x + p.z * p.z);
    if (rho > limit) {
        p.x *= limit / rho;
        p.z *= limit / rho;
    }
    return p;
}

Point3D particlePosition(const Blob& blob) {
    return pulledInside(blob.position, wallRadius(blob.position.y) - 0.005f - blob.radius);
}
