// Drawing the lava: one polygonised surface per lump, or, in the particle view, one small
// sphere per blob; coloured through colour material, by heat when the hot colour is on.
#include "lava/lava_draw.h"

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "lava/polygoniser.h"
#include "platform/gl.h"
#include "scene/group.h"
#include "scene/material.h"
#include "scene/quadric.h"
#include "settings/setting_values.h"

Point3D particlePosition(const Blob& blob) {
    return pulledInside(blob.position, wallRadius(blob.position.y) - 0.005f - blob.radius);
}

namespace {

void drawParticles(const Group& group) {
    gluQuadricTexture(sharedQuadric(), GL_FALSE);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    const Point3D& cold = lavaParameters.lavaColour;
    glColor3f(cold.x, cold.y, cold.z);
    for (const Blob* blob : group.blobs) {
        glPushMatrix();
        const Point3D p = particlePosition(*blob);
        glTranslatef(p.x, p.y, p.z);
        if (lavaParameters.differentHotColor) {
            const Point3D c = lavaColourFor(blob->temperature);
            glColor3f(c.x, c.y, c.z);
        }
        gluSphere(sharedQuadric(), blob->radius, 10, 6);
        glPopMatrix();
    }
    glDisable(GL_COLOR_MATERIAL);
}

void drawSurfaces(const Group& group) {
    Blob* lump[maxBlobs];
    for (int q = 0; q < numClusters; ++q) {
        int count = 0;
        for (Blob* blob : group.blobs)
            if (blob->cluster == q && count < maxBlobs) lump[count++] = blob;
        if (count == 0) continue;
        glPushMatrix();
        polygonise(lump, count, 1.2f * lump[0]->radius);
        glPopMatrix();
    }
}

}  // namespace

void drawLava(Group& group, int) {
    glMatrixMode(GL_MODELVIEW);
    applyMaterial(group.blobs.front()->material);
    if (settingValues.showParticles)
        drawParticles(group);
    else
        drawSurfaces(group);
}
