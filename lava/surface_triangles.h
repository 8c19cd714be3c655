// A surface's strips as indexed triangles, for the emitters that hand a surface over whole.
#pragma once

#include <cstdint>
#include <vector>

#include "lava/strip_emitter.h"

// Appends to `triangles` three vertex numbers per triangle of the mesh's strips, each wound
// so that its front (counter-clockwise) side faces out of the lava.
void appendSurfaceTriangles(const SurfaceMesh& mesh, std::vector<uint32_t>& triangles);
