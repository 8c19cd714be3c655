// ATube: a surface of revolution about the y axis through its centre, from a profile of
// (radius, height, normal elevation) points — the lamp's glass bulges and the base's flare.
#pragma once

#include <vector>

#include "scene/surface_shape.h"

class ATube : public SurfaceShape {
public:
    struct ProfilePoint {
        float radius;
        float y;      // height above the centre
        float angle;  // elevation of the surface normal: 0 out, pi/2 up, -pi/2 down
    };

    ATube(const Point3D& centre, int n);
    const char* name() const override { return "atube"; }
    void write(int depth, std::FILE* file) const override;
    // Always the degenerate box at the origin.
    BoundingBox3D boundingBox() override;
    // One quad strip of slices + 1 columns between each consecutive pair of points.
    void draw(int complexity) override;

    void addPoint(float radius, float y, float angle);

    std::vector<ProfilePoint> profile;
    Point3D centre;
    int slices;

protected:
    void makeGeometry() const override;
};
