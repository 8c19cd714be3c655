// Drawing and measuring text with the font's display lists.
#include "overlay/bitmap_font.h"

#include <cstring>

#include "platform/gl.h"
#include "scene/gl_state_scope.h"

namespace {

// Calls the glyph lists for the text's bytes; byte 255 has no list and draws nothing.
void callGlyphs(const char* text) {
    glListBase(fontListBase);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glListBase(0);
}

float rasterX(int* y = nullptr) {
    GLfloat position[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    if (y) *y = static_cast<int>(position[1]);
    return position[0];
}

}  // namespace

float drawText(float x, float y, const char* text) {
    glRasterPos3f(x, y, 1.0f);
    callGlyphs(text);
    return rasterX();
}

float measureText(const char* text, int* height) {
    glRasterPos3f(0, 0, 1.0f);
    {
        // The glyphs advance the raster position but draw nothing: the depth test never passes.
        GlStateScope nothingDrawn;
        nothingDrawn.set(GL_DEPTH_TEST, true).depthFunction(GL_NEVER);
        callGlyphs(text);
    }
    return rasterX(height);
}
