// The glass that holds the lava, as the collision sees it: the ceiling disk at y = 16, the
// long cone down to the bulge, an invisible ring at the bulge, the bowl down to the bulb
// and the bulb disk as the floor at y = -15. The lamp draws the same shapes as its outer
// glass; the lava step and the tools use them as colliders.
#pragma once

#include "scene/quadric_shapes.h"

class Group;

struct LavaVessel {
    Disk ceiling{Point3D(0, 16, 0), 4.21f, standardSlices, 2};
    Tube cone{Point3D(0, -7, 0), 4.21f, 10.8f, 23, standardSlices};
    Tube ring{Point3D(0, -8, 0), 10.8f, 10.8f, 1, standardSlices};
    Tube bowl{Point3D(0, -15, 0), 10.8f, 7.3f, 7, standardSlices};
    Disk floor{Point3D(0, -15, 0), 7.4f, standardSlices, 0};

    // In the lamp's order, each pushed at the front of the group's collider list.
    void addCollidersTo(Group& lava);

    // Radius of the glass at height y (0 outside the vessel's height).
    float wallRadiusAt(float y) const;
};
