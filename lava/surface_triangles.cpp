// Strips into triangles.
#include "lava/surface_triangles.h"

size_t surfaceTriangleCount(const SurfaceMesh& mesh) {
    size_t count = 0;
    uint32_t begin = 0;
    for (const uint32_t end : mesh.stripEnds) {
        if (end >= begin + 3) count += 3 * (end - begin - 2);
        begin = end;
    }
    return count;
}

uint32_t* writeSurfaceTriangles(const SurfaceMesh& mesh, uint32_t* out) {
    // Each strip's triangles as a strip makes them: the odd ones with their first two
    // corners swapped, so that every triangle keeps its winding — and a turned strip's the
    // other way, so that every triangle's front faces out.
    uint32_t begin = 0;
    for (size_t s = 0; s < mesh.stripEnds.size(); ++s) {
        const uint32_t end = mesh.stripEnds[s];
        const uint32_t turned = mesh.stripTurned[s];
        for (uint32_t k = begin; k + 2 < end; ++k) {
            const bool swapped = ((k - begin) & 1) != turned;
            *out++ = mesh.indices[swapped ? k + 1 : k];
            *out++ = mesh.indices[swapped ? k : k + 1];
            *out++ = mesh.indices[k + 2];
        }
        begin = end;
    }
    return out;
}

void appendSurfaceTriangles(const SurfaceMesh& mesh, std::vector<uint32_t>& triangles) {
    const size_t first = triangles.size();
    triangles.resize(first + surfaceTriangleCount(mesh));
    writeSurfaceTriangles(mesh, triangles.data() + first);
}
