// LavaEngine: what a lava group steps and draws its blobs with — the step, the surface
// renderer, the number of clusters the last step found, and how the lava is shown. The lamp
// owns one and hands it to its lava group as the group's blob behaviour.
#pragma once

#include <cstdint>
#include <memory>

#include "lava/gl_buffer_emitter.h"
#include "lava/lava_renderer.h"
#include "lava/lava_step.h"
#include "lava/strip_emitter.h"
#include "scene/blob_behaviour.h"

class LavaEngine : public BlobBehaviour {
public:
    void stepBlobs(Group& group, float dt) override;
    // One polygonised surface per cluster (to OpenGL through `emitter`), or one small sphere
    // per blob in the particle view; coloured through colour material, by heat when the hot
    // colour is on.
    void drawBlobs(Group& group, int complexity) override;
    // Each blob writes itself.
    void writeBlobs(const Group& group, int depth, std::FILE* file) const override;
    void deleteBlob(Blob* blob) override;

    // Draw one small sphere per blob instead of the surfaces.
    bool showParticles = false;
    // The lava is opaque and every surface and sphere of it closed, so the faces turned
    // away from the eye are always hidden behind nearer ones: culled, they cost nothing.
    // Only where the lava's edges are drawn as lines (the polygon view) are they seen.
    bool cullHiddenFaces = false;
    // The lamp drawn in several viewports (one per monitor) polygonises once: the first
    // drawing keeps the surfaces it made, the later ones send those again.
    bool keepSurfaces = false;
    bool replaySurfaces = false;
    // Where the surfaces go: buffer objects or vertex arrays (prepareGL chooses), or the
    // immediate-mode reference.
    StripEmitter* emitter = &glArrayEmitter();
    // Clusters found by the last step; blobs added since carry cluster 0.
    int32_t numClusters = 0;
    // The lava's simulation values and colours (the settings set them).
    LavaParameters parameters;
    LavaStepper stepper;
    LavaRenderer renderer;

    // For the context just made current: the surfaces go through buffer objects where it
    // has OpenGL 1.5 (its entry points from `procedures`), else through vertex arrays. True
    // for buffers.
    bool prepareGL(const GlProcedures& procedures);
    // Gives back the particle view's display list and the surfaces' buffers (with the
    // context that made them current).
    void releaseGL();
    void releaseParticleSphere();

private:
    static constexpr int particleSlices = 10, particleStacks = 6;
    void drawLava(Group& group);
    // The surfaces to the emitter: made now (and kept when later viewports replay them),
    // or the kept ones again.
    void sendSurfaces(Group& group);
    void drawParticles(const Group& group);
    std::unique_ptr<GlBufferEmitter> buffers;  // for the current context, where it has them
    unsigned particleSphere = 0;  // display list of one blob's sphere, or 0
    float particleSphereRadius = 0;

    struct KeptSurface {
        Point3D colour;
        SurfaceMesh mesh;
    };
    std::vector<KeptSurface> kept;
    size_t keptCount = 0;
};
