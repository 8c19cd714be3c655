// LavaRenderer: everything the lava's surface is made with, in one owner — the lattice and
// its spacing, the field hash of the current cluster, the pass counter the lattice marks are
// compared with, the walk's stack — and the surface walk itself.
//
// The polygoniser does not sweep the lattice. From every blob it walks down in -z until it
// leaves the lava, and from that cube it follows the surface from cube to neighbouring
// cube, visiting only cubes the surface passes through (the face table says which
// neighbours those are). Lattice values are computed once per pass and shared by the cubes
// that meet at a point. Every vertex gets a normal interpolated from the field's outward
// vectors, optionally a heat colour, and is pulled inside the glass where it would poke
// through.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "lava/strip_emitter.h"
#include "lava/spatial_hash.h"

class Blob;

// Edge length of the field hash's cells.
constexpr float fieldBucketSize = 1.9f;

class LavaRenderer {
public:
    LavaRenderer();
    ~LavaRenderer();
    LavaRenderer(const LavaRenderer&) = delete;
    LavaRenderer& operator=(const LavaRenderer&) = delete;

    // Clears the marks, values and normals and lays the coordinate tables out from the
    // spacing. Prints the sizes of the edge and lattice records.
    void initPolygoniser();
    // New spacing; the records are not touched (their old marks keep them from being reused).
    void setCellSize(float size);
    float cellSize() const { return spacing; }
    // The lattice, made on first use (its bricks as the passes touch them).
    LavaLattice& lattice();
    // The blobs the field is made of from now on (each reaches 3 from its centre).
    void setFieldBlobs(Blob* const* blobs, int n);

    // The square of the pass radius used by evaluateField.
    void setPassRadius(float radius) { passRadiusSquared = radius * radius; }
    // The field at lattice position p from the field's blobs; fills the record's
    // temperature and normal and returns the value (sum - 2). Finite at a blob's very centre.
    float evaluateField(cornerinfo& record, const Point3D& p);

    // The surface of the n blobs with pass radius R (1.2 x the blob radius for the lamp),
    // in the lava's colours.
    void polygonise(Blob* const* blobs, int n, float R, const LavaParameters& lava, StripEmitter& out);
    // One surface per cluster: for each cluster number below `clusters`, the blobs of that
    // cluster in list order, with pass radius 1.2 x the radius of the first of them.
    void polygoniseClusters(const std::vector<Blob*>& blobs, int clusters, const LavaParameters& lava,
                            StripEmitter& out);

    // Pass counter; 1 at start. When it wraps, every mark is cleared and it starts at 1
    // again, so a record stamped 65 536 passes ago is never taken for a current one.
    uint16_t passStamp = 1;
    // Bytes the renderer holds: the lattice's bricks, the field hash, the walk's stack and
    // the surface mesh (benchmarks report it), and of them the lattice's and the field
    // hash's.
    size_t bytes() const;
    size_t latticeBytes() const { return grid ? sizeof(LavaLattice) + grid->bytes() : 0; }
    size_t hashBytes() const { return hash.bytes(); }
    // Values computed and cubes processed since last set to 0 (tests and benchmarks).
    uint64_t fieldEvaluations = 0;
    uint64_t cubesProcessed = 0;

private:
    class CubeWalker;
    // One cube of the surface walk still to finish (see polygoniser.cpp).
    struct WalkFrame {
        int i, j, k;
        uint8_t mask;
        uint8_t next;
    };
    void endPass();

    float spacing = defaultCellSize;
    float passRadiusSquared = 1.0f;
    std::unique_ptr<LavaLattice> grid;
    SpatialHash hash;
    std::vector<WalkFrame> stack;
    std::vector<Blob*> clusterBlobs;
    SurfaceMesh mesh;
};
