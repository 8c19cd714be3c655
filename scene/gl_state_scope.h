// OpenGL state changed for a while and put back as it was when the scope ends.
//
// The lamp does not use glPushAttrib for this: Mesa keeps a copy of every attribute group
// for each depth its attribute stack has reached (2.6 MB a depth) for the rest of the
// context's life, more than the whole lava. These keep only what the scope changes.
#pragma once

#include "platform/gl.h"

class GlStateScope {
public:
    GlStateScope() = default;
    GlStateScope(const GlStateScope&) = delete;
    GlStateScope& operator=(const GlStateScope&) = delete;
    // Everything kept put back, the latest first.
    ~GlStateScope();

    // glEnable or glDisable of `capability`, kept as it was.
    GlStateScope& set(GLenum capability, bool enabled);
    // The current colour, the blend function, the depth function, the front face and the
    // culled faces, each kept as it was before it is first changed through this scope.
    GlStateScope& colour(GLfloat r, GLfloat g, GLfloat b, GLfloat a = 1);
    GlStateScope& blendFunction(GLenum source, GLenum destination);
    GlStateScope& depthFunction(GLenum function);
    GlStateScope& frontFace(GLenum winding);
    GlStateScope& cullFace(GLenum faces);

private:
    static constexpr int most = 8;
    struct Capability {
        GLenum name;
        GLboolean was;
    };
    Capability capabilities[most] = {};
    int capabilityCount = 0;
    bool keptColour = false, keptBlend = false, keptDepth = false, keptFront = false, keptCull = false;
    GLfloat wasColour[4] = {};
    GLint wasBlend[2] = {}, wasDepth = 0, wasFront = 0, wasCull = 0;
};
