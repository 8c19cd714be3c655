// The one point where the polygoniser's triangle strips leave it. The lamp sends them to
// OpenGL in immediate mode; tests record them and benchmarks count them, so the surface
// walk can be checked and measured without a display.
#pragma once

#include "scene/geometry.h"

class StripEmitter {
public:
    virtual ~StripEmitter() = default;
    // Colour material for the lava: on with `colour`, or off again.
    virtual void beginSurface(const Point3D& colour) = 0;
    virtual void endSurface() = 0;
    virtual void beginStrip() = 0;
    // hasColour: the vertex carries its own (heat) colour.
    virtual void vertex(const Point3D& position, const Point3D& normal, bool hasColour,
                        const Point3D& colour) = 0;
    virtual void endStrip() = 0;
};

// glBegin(GL_TRIANGLE_STRIP), glNormal3fv, glColor3f, glVertex3fv, glEnd.
StripEmitter& glStripEmitter();
