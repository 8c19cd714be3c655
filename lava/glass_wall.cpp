// Where a particle is drawn.
#include "lava/glass_wall.h"

#include "lava/blob.h"

Point3D particlePosition(const Blob& blob) {
    return pulledInside(blob.position, wallRadius(blob.position.y) - 0.005f - blob.radius);
}
