// A vertex of a scene file's vertex table: position, normal and texture coordinates.
#pragma once

#include "scene/geometry.h"

struct Vertex {
    Point3D position;
    Point3D normal;
    Point2D texCoord;
    int index = -1;  // number in the scene file
};
