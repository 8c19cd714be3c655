// The frame rate in the corner.
#include "overlay/frame_rate_text.h"

#include <cstdio>

#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/gl.h"

void drawFrameRateText(float framesPerSecond, int width, int height, float pixelScale) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f frames a second", static_cast<double>(framesPerSecond));
    // Saved here, restored at the end: lighting, texturing, the depth test, blending, the colour.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    setupOverlayProjection(width, height);
    glColor3f(1, 1, 1);
    drawText(static_cast<float>(width) - measureText(text) - 10 * pixelScale,
             static_cast<float>(height) - 4 * pixelScale, text);
    glPopAttrib();
}
