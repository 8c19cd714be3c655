#include "scene/gl_state_scope.h"

#include "scene/module_assert.h"

GlStateScope::~GlStateScope() {
    if (keptCull) glCullFace(static_cast<GLenum>(wasCull));
    if (keptFront) glFrontFace(static_cast<GLenum>(wasFront));
    if (keptDepth) glDepthFunc(static_cast<GLenum>(wasDepth));
    if (keptBlend) glBlendFunc(static_cast<GLenum>(wasBlend[0]), static_cast<GLenum>(wasBlend[1]));
    for (int n = capabilityCount - 1; n >= 0; --n) {
        if (capabilities[n].was)
            glEnable(capabilities[n].name);
        else
            glDisable(capabilities[n].name);
    }
    // Last, as glPopAttrib does: with colour material on, the colour is the material again.
    if (keptColour) glColor4fv(wasColour);
}

GlStateScope& GlStateScope::set(GLenum capability, bool enabled) {
    bool kept = false;
    for (int n = 0; n < capabilityCount; ++n) kept = kept || capabilities[n].name == capability;
    if (!kept) {
        GJ_ASSERT(capabilityCount < most, "GlStateScope");
        capabilities[capabilityCount++] = {capability, glIsEnabled(capability)};
    }
    if (enabled)
        glEnable(capability);
    else
        glDisable(capability);
    return *this;
}

GlStateScope& GlStateScope::colour(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (!keptColour) glGetFloatv(GL_CURRENT_COLOR, wasColour);
    keptColour = true;
    glColor4f(r, g, b, a);
    return *this;
}

GlStateScope& GlStateScope::blendFunction(GLenum source, GLenum destination) {
    if (!keptBlend) {
        glGetIntegerv(GL_BLEND_SRC, &wasBlend[0]);
        glGetIntegerv(GL_BLEND_DST, &wasBlend[1]);
    }
    keptBlend = true;
    glBlendFunc(source, destination);
    return *this;
}

GlStateScope& GlStateScope::depthFunction(GLenum function) {
    if (!keptDepth) glGetIntegerv(GL_DEPTH_FUNC, &wasDepth);
    keptDepth = true;
    glDepthFunc(function);
    return *this;
}

GlStateScope& GlStateScope::frontFace(GLenum winding) {
    if (!keptFront) glGetIntegerv(GL_FRONT_FACE, &wasFront);
    keptFront = true;
    glFrontFace(winding);
    return *this;
}

GlStateScope& GlStateScope::cullFace(GLenum faces) {
    if (!keptCull) glGetIntegerv(GL_CULL_FACE_MODE, &wasCull);
    keptCull = true;
    glCullFace(faces);
    return *this;
}
