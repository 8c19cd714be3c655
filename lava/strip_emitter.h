// The one point where the polygoniser's triangle strips leave it. The lamp sends them to
// OpenGL; tests record them and benchmarks count them, so the surface walk can be checked
// and measured without a display.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/geometry.h"

// One surface as the walk makes it: every vertex once (a vertex on an edge shared by four
// cubes is computed by the first of them), and strips of vertex numbers.
struct SurfaceMesh {
    std::vector<Point3D> positions, normals;
    std::vector<Point3D> colours;  // heat colours, one per vertex, when hasColours
    bool hasColours = false;
    std::vector<uint32_t> indices;    // the strips' vertex numbers, one strip after another
    std::vector<uint32_t> stripEnds;  // where each strip ends in indices
    // Per strip: 1 when, drawn as a strip is drawn, its front (counter-clockwise) side faces
    // the inside of the lava; the others face out.
    std::vector<uint8_t> stripTurned;

    void clear() {
        positions.clear();
        normals.clear();
        colours.clear();
        indices.clear();
        stripEnds.clear();
        stripTurned.clear();
    }
};

class StripEmitter {
public:
    virtual ~StripEmitter() = default;
    // Colour material for the lava: on with `colour`, or off again.
    virtual void beginSurface(const Point3D& colour) = 0;
    virtual void endSurface() = 0;
    // turned: the strip's front (counter-clockwise) side faces the inside; the emitter draws
    // it the other way round, so that every front faces out.
    virtual void beginStrip(bool turned) = 0;
    // hasColour: the vertex carries its own (heat) colour.
    virtual void vertex(const Point3D& position, const Point3D& normal, bool hasColour,
                        const Point3D& colour) = 0;
    virtual void endStrip() = 0;
    // A whole surface, between beginSurface and endSurface. By default strip by strip,
    // vertex by vertex, through the calls above.
    virtual void surface(const SurfaceMesh& mesh);
    // Draws whatever has been handed over and not drawn yet. An emitter may keep a frame's
    // surfaces until then, to hand them to OpenGL at once; the lava calls it after its last.
    virtual void flush() {}
};

// glBegin(GL_TRIANGLE_STRIP), glNormal3fv, glColor3f, glVertex3fv, glEnd: the reference.
StripEmitter& glStripEmitter();
// What the lamp draws with: each surface in one glDrawElements over vertex, normal and
// colour arrays, the strips as indexed triangles of the same winding.
StripEmitter& glArrayEmitter();
