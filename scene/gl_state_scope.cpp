#include "scene/gl_state_scope.h"

#include "scene/module_assert.h"

void GlStateScope::Kept::keep(GLenum query) {
    if (!kept) glGetIntegerv(query, &was);
    kept = true;
}

GlStateScope::~GlStateScope() {
    if (cull.kept) glCullFace(cull.value());
    if (front.kept) glFrontFace(front.value());
    if (depth.kept) glDepthFunc(depth.value());
    if (blendSource.kept) glBlendFunc(blendSource.value(), blendDestination.value());
    for (int n = capabilityCount - 1; n >= 0; --n) {
        if (capabilities[n].was)
            glEnable(capabilities[n].name);
        else
            glDisable(capabilities[n].name);
    }
    // Last, with the capabilities as they were: where colour material is on, the colour
    // sets the material too, as it did before the scope.
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
    blendSource.keep(GL_BLEND_SRC);
    blendDestination.keep(GL_BLEND_DST);
    glBlendFunc(source, destination);
    return *this;
}

GlStateScope& GlStateScope::depthFunction(GLenum function) {
    depth.keep(GL_DEPTH_FUNC);
    glDepthFunc(function);
    return *this;
}

GlStateScope& GlStateScope::frontFace(GLenum winding) {
    front.keep(GL_FRONT_FACE);
    glFrontFace(winding);
    return *this;
}

GlStateScope& GlStateScope::cullFace(GLenum faces) {
    cull.keep(GL_CULL_FACE_MODE);
    glCullFace(faces);
    return *this;
}
