// The round shapes the lamp is built from (Cylinder, Disk, Tube, ATube) share two flags,
// one promise — whatever a transparent material switched on, they switch back off — and
// their way of drawing: the geometry, which never changes once drawn, goes to OpenGL once
// into a display list and is replayed from it every frame; the material and the flags are
// applied around it each time.
#pragma once

#include "scene/shape.h"

struct Material;

class SurfaceShape : public Shape {
public:
    bool visible = true;     // false: draw does nothing at all
    bool twoSided = false;   // light the back faces too while drawing
    Material* material = nullptr;

    // False without a material, else whether it is see-through.
    bool isTransparent() const override;
    // Deletes the display list (with the context that made it current); the next draw makes
    // another.
    void releaseGeometry();
    // The display list's name, 0 before the first draw.
    unsigned int geometryList() const { return list; }
    // To be called after the shape's measures change: the next draw makes the list again.
    void geometryChanged() { stale = true; }

protected:
    // Brackets a draw: two-sided lighting on if asked ...
    void beginSurface() const;
    // ... then depth writes on, blending off, two-sided lighting off again.
    void endSurface() const;
    // gluQuadricTexture for the material's texture.
    void prepareQuadric() const;
    // The geometry: from the display list, made (and drawn) the first time, and again when
    // the material's texture comes or goes (texture coordinates are part of it).
    void drawGeometry();
    // The OpenGL calls of the geometry alone, in the shape's own frame.
    virtual void makeGeometry() const = 0;

private:
    unsigned int list = 0;
    bool listTextured = false;
    bool stale = false;
};
