// A surface's strips as indexed triangles, for the emitters that hand a surface over whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lava/strip_emitter.h"

// How many vertex numbers the mesh's strips come to as triangles (three a triangle).
size_t surfaceTriangleCount(const SurfaceMesh& mesh);
// Writes those vertex numbers at `out`, each triangle wound so that its front
// (counter-clockwise) side faces out of the lava; returns the end of what it wrote.
uint32_t* writeSurfaceTriangles(const SurfaceMesh& mesh, uint32_t* out);
// The same, appended to a list.
void appendSurfaceTriangles(const SurfaceMesh& mesh, std::vector<uint32_t>& triangles);
