// The frame rate in the corner.
#include "overlay/frame_rate_text.h"

#include <cstdio>

#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/gl.h"
#include "scene/gl_state_scope.h"

void drawFrameRateText(float framesPerSecond, int width, int height, float pixelScale) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f frames a second", static_cast<double>(framesPerSecond));
    // Lighting, texturing, the depth test, blending and the colour as they were after.
    GlStateScope plain;
    plain.set(GL_LIGHTING, false).set(GL_TEXTURE_2D, false).set(GL_DEPTH_TEST, false).set(GL_BLEND, false);
    setupOverlayProjection(width, height);
    plain.colour(1, 1, 1);
    drawText(static_cast<float>(width) - measureText(text) - 10 * pixelScale,
             static_cast<float>(height) - 4 * pixelScale, text);
}
