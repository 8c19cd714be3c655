// Drawing the note: a translucent dark band and the text on it.
#include "overlay/overlay_note.h"

#include "overlay/bitmap_font.h"
#include "platform/gl.h"
#include "scene/gl_state_scope.h"

namespace {
constexpr float fadeSeconds = 0.5f;
}  // namespace

void OverlayNote::show(const std::string& text, float seconds, const std::string& shortText) {
    text_ = text;
    shortText_ = shortText;
    remaining_ = seconds;
}

void OverlayNote::place(float left, float width, float baselineY, float scale) {
    left_ = left;
    width_ = width;
    baselineY_ = baselineY;
    scale_ = scale;
}

void OverlayNote::update(float seconds) {
    if (remaining_ > 0) remaining_ -= seconds;
}

void OverlayNote::draw(int) {
    if (remaining_ <= 0 || text_.empty()) return;
    const float pad = 6 * scale_;
    const std::string* shown = &text_;
    float textWidth = measureText(text_.c_str());
    if (textWidth + 2 * pad > width_ && !shortText_.empty()) {
        shown = &shortText_;
        textWidth = measureText(shortText_.c_str());
    }
    const float alpha = remaining_ < fadeSeconds ? remaining_ / fadeSeconds : 1.0f;
    const float x = left_ + (width_ - textWidth) / 2;
    const float top = baselineY_ - 14 * scale_, bottom = baselineY_ + 5 * scale_;
    // Lighting, texturing, the depth test, blending and the colour as they were after.
    GlStateScope band;
    band.set(GL_LIGHTING, false).set(GL_TEXTURE_2D, false).set(GL_DEPTH_TEST, false).set(GL_BLEND, true);
    band.blendFunction(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA).colour(0, 0, 0, 0.6f * alpha);
    glBegin(GL_QUADS);
    glVertex3f(x - pad, bottom, 0);
    glVertex3f(x + textWidth + pad, bottom, 0);
    glVertex3f(x + textWidth + pad, top, 0);
    glVertex3f(x - pad, top, 0);
    glEnd();
    glColor4f(1, 1, 1, alpha);
    drawText(x, baselineY_, shown->c_str());
}
