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
    // One enumerated setting as it was, read the first time the scope changes it.
    struct Kept {
        bool kept = false;
        GLint was = 0;
        void keep(GLenum query);
        GLenum value() const { return static_cast<GLenum>(was); }
    };
    Kept blendSource, blendDestination, depth, front, cull;
    bool keptColour = false;
    GLfloat wasColour[4] = {};
};
