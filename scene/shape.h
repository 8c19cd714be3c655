// Shape: everything drawn in the lamp scene. The six operations are the slots every shape,
// group and blob fills: type keyword, scene-file text, bounding box, drawing, time step and
// the transparency question.
#pragma once

#include <cstdio>

#include "scene/geometry.h"

class Shape {
public:
    virtual ~Shape() = default;
    virtual const char* name() const = 0;
    // Appends the shape's scene-file directive, each line indented by depth spaces.
    virtual void write(int depth, std::FILE* file) const = 0;
    // In the shape's own coordinates.
    virtual BoundingBox3D boundingBox() = 0;
    // complexity: the level of detail handed down unchanged from the scene's draw.
    virtual void draw(int complexity) = 0;
    virtual void step(float dt) { (void)dt; }
    virtual bool isTransparent() const = 0;
};
