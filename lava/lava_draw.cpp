// Drawing the lava: every blob as a sphere in its material.
#include "lava/lava_draw.h"

#include "lava/blob.h"
#include "platform/gl.h"
#include "scene/group.h"
#include "scene/material.h"
#include "scene/quadric.h"

void drawLava(Group& group, int complexity) {
    gluQuadricTexture(sharedQuadric(), GL_FALSE);
    for (Blob* blob : group.blobs) {
        glPushMatrix();
        glTranslatef(blob->position.x, blob->position.y, blob->position.z);
        applyMaterial(blob->material);
        gluSphere(sharedQuadric(), blob->radius, complexity, complexity);
        glPopMatrix();
    }
}
