// The round shapes the lamp is built from (Cylinder, Disk, Tube, ATube) share two flags
// and one promise: whatever a transparent material switched on, they switch back off.
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

protected:
    // Brackets a draw: two-sided lighting on if asked ...
    void beginSurface() const;
    // ... then depth writes on, blending off, two-sided lighting off again.
    void endSurface() const;
    // gluQuadricTexture for the material's texture.
    void prepareQuadric() const;
};
