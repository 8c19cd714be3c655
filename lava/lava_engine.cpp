// Stepping and drawing a lava group's blobs.
#include "lava/lava_engine.h"

#include "lava/blob.h"
#include "lava/glass_wall.h"
#include "lava/lava_colours.h"
#include "lava/lava_parameters.h"
#include "lava/strip_emitter.h"
#include "platform/gl.h"
#include "scene/gl_state_scope.h"
#include "scene/group.h"
#include "scene/material.h"
#include "scene/quadric.h"

void LavaEngine::stepBlobs(Group& group, float dt) {
    if (group.blobs.empty()) return;  // numClusters keeps its last value
    numClusters = stepper.step(group, dt, parameters);
}

void LavaEngine::writeBlobs(const Group& group, int depth, std::FILE* file) const {
    // Oldest first: a reader adding each at the front rebuilds the list in the same order.
    for (auto blob = group.blobs.rbegin(); blob != group.blobs.rend(); ++blob) (*blob)->write(depth, file);
}

void LavaEngine::deleteBlob(Blob* blob) { delete blob; }

void LavaEngine::drawParticles(const Group& group) {
    // Every blob of a lamp has one radius: its sphere is made once, into a display list,
    // and each blob calls it; a blob of another radius (from a scene file) gets its own.
    const float radius = group.blobs.front()->radius;
    if (particleSphere != 0 && particleSphereRadius != radius) releaseParticleSphere();
    gluQuadricTexture(sharedQuadric(), GL_FALSE);
    if (particleSphere == 0) {
        particleSphere = glGenLists(1);
        particleSphereRadius = radius;
        if (particleSphere != 0) {
            glNewList(particleSphere, GL_COMPILE);
            gluSphere(sharedQuadric(), radius, particleSlices, particleStacks);
            glEndList();
        }
    }
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    const Point3D& cold = parameters.lavaColour;
    glColor3f(cold.x, cold.y, cold.z);
    for (const Blob* blob : group.blobs) {
        glPushMatrix();
        const Point3D p = particlePosition(*blob);
        glTranslatef(p.x, p.y, p.z);
        if (parameters.differentHotColor) {
            const Point3D c = lavaColourFor(parameters, blob->temperature);
            glColor3f(c.x, c.y, c.z);
        }
        if (particleSphere != 0 && blob->radius == particleSphereRadius)
            glCallList(particleSphere);
        else
            gluSphere(sharedQuadric(), blob->radius, particleSlices, particleStacks);
        glPopMatrix();
    }
    glDisable(GL_COLOR_MATERIAL);
}

bool LavaEngine::prepareGL(const GlProcedures& procedures) {
    releaseGL();
    // An emitter chosen by a test or a benchmark stays.
    if (emitter != &glArrayEmitter()) return false;
    buffers = GlBufferEmitter::make(procedures);
    if (buffers) emitter = buffers.get();
    return buffers != nullptr;
}

void LavaEngine::releaseGL() {
    releaseParticleSphere();
    if (!buffers) return;
    buffers->release();
    if (emitter == buffers.get()) emitter = &glArrayEmitter();
    buffers.reset();
}

void LavaEngine::releaseParticleSphere() {
    if (particleSphere != 0) glDeleteLists(particleSphere, 1);
    particleSphere = 0;
}

void LavaEngine::drawBlobs(Group& group, int) {
    glMatrixMode(GL_MODELVIEW);
    applyMaterial(group.blobs.front()->material);
    if (!cullHiddenFaces) {
        drawLava(group);
        return;
    }
    // Surfaces and spheres face outwards, counter-clockwise. The culling is the lava's
    // own: what was set before is set again after.
    GlStateScope culling;
    culling.frontFace(GL_CCW).cullFace(GL_BACK).set(GL_CULL_FACE, true);
    drawLava(group);
}

void LavaEngine::drawLava(Group& group) {
    if (showParticles) {
        drawParticles(group);
        return;
    }
    // The sphere's list is kept only while the particles are shown.
    releaseParticleSphere();
    sendSurfaces(group);
    emitter->flush();
}

void LavaEngine::sendSurfaces(Group& group) {
    if (replaySurfaces) {
        for (size_t n = 0; n < keptCount; ++n) {
            emitter->beginSurface(kept[n].colour);
            emitter->surface(kept[n].mesh);
            emitter->endSurface();
        }
        return;
    }
    if (!keepSurfaces) {
        renderer.polygoniseClusters(group.blobs, numClusters, parameters, *emitter);
        return;
    }
    // Passes everything on and keeps a copy of each surface (the meshes' storage is reused
    // from frame to frame).
    class Keeper : public StripEmitter {
    public:
        Keeper(StripEmitter& out, std::vector<KeptSurface>& kept, size_t& count) : out(out), kept(kept), count(count) {}
        void beginSurface(const Point3D& colour) override {
            if (count == kept.size()) kept.emplace_back();
            kept[count].colour = colour;
            kept[count].mesh.clear();
            out.beginSurface(colour);
        }
        void surface(const SurfaceMesh& mesh) override {
            kept[count].mesh = mesh;
            out.surface(mesh);
        }
        void endSurface() override {
            ++count;
            out.endSurface();
        }
        void beginStrip(bool turned) override { out.beginStrip(turned); }
        void vertex(const Point3D& p, const Point3D& n, bool hasColour, const Point3D& c) override {
            out.vertex(p, n, hasColour, c);
        }
        void endStrip() override { out.endStrip(); }

    private:
        StripEmitter& out;
        std::vector<KeptSurface>& kept;
        size_t& count;
    };
    keptCount = 0;
    Keeper keeper(*emitter, kept, keptCount);
    renderer.polygoniseClusters(group.blobs, numClusters, parameters, keeper);
}
