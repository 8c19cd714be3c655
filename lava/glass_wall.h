// The inside of the glass as the lava's drawing sees it: the wall's radius at a height, and
// the pull that keeps a drawn point (a surface vertex, a particle) inside it. Drawing only:
// the simulation keeps its blobs inside with the vessel's colliders.
#pragma once

#include "scene/geometry.h"

class Blob;

// Inner radius of the glass at height y in the lava's coordinates.
float wallRadius(float y);
// p moved towards the lamp's axis, at the same height and angle, so that it lies at most
// `limit` from the axis.
Point3D pulledInside(Point3D p, float limit);
// Where a particle is drawn: its position, pulled 0.005 inside the glass by its radius.
Point3D particlePosition(const Blob& blob);
