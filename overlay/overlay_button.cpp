// The overlay's buttons and its line of text.
#include "overlay/overlay_button.h"

#include "overlay/bitmap_font.h"
#include "platform/gl.h"
#include "platform/pointer.h"
#include "scene/material.h"
#include "scene/texture.h"

void applyWidgetMaterial(Material* material, bool highlighted) {
    if (!material) return;
    if (!highlighted) {
        material->apply();
        return;
    }
    const Point3D own = material->emissive;
    material->emissive = Point3D(1, 1, 1);
    material->apply();
    material->emissive = own;
}

bool ClickableWidget::handleMouse(WindowRef window, float mx, float my, MouseEvent event) {
    if (!visible) return false;
    const bool in = inside(mx, my);
    switch (event) {
        case MouseEvent::Leave:
            hover = false;
            return false;
        case MouseEvent::Move:
            // While another widget's drag holds the mouse, passing over this one does not
            // light it up.
            hover = in && (pressed || !pointer_.captured());
            return false;
        case MouseEvent::LeftDown:
            if (!in) return false;
            pressed = hover = true;
            return true;
        case MouseEvent::LeftUp:
            if (firesWithoutOwnPress_) {
                pressed = false;
                if (in && action_) action_(window);
            } else {
                // The button stays pressed while its action runs (a dialog, say).
                if (in && pressed && action_) action_(window);
                pressed = false;
            }
            return false;
        case MouseEvent::CaptureChanged:
            pressed = false;
            return false;
        default:
            return false;
    }
}

OverlayButton::OverlayButton(Material* material, Texture* icon, WidgetAction action, const char* label,
                             PointerPort& pointer)
    : ClickableWidget(material, action, pointer, false), label_(label ? label : ""), icon_(icon) {}

void OverlayButton::place(float px, float py, float w, float h, float left, float right, float top, float bottom) {
    x = px;
    y = py;
    width = w;
    height = h;
    insetLeft = left;
    insetRight = right;
    insetTop = top;
    insetBottom = bottom;
}

void OverlayButton::draw(int) {
    if (!visible) return;
    const bool highlighted = hover || pressed;
    applyWidgetMaterial(material_, highlighted);
    if (icon_) icon_->bind();
    // Pressed and still under the mouse, the button looks pushed in.
    const float d = pressed && hover ? 5.0f : 0.0f;
    const float left = x + insetLeft + d, right = x + width - d + insetRight;
    const float top = y + d + insetTop, bottom = y + height - d + insetBottom;
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 1);
    glVertex3f(left, bottom, 0);
    glTexCoord2f(1, 1);
    glVertex3f(right, bottom, 0);
    glTexCoord2f(1, 0);
    glVertex3f(right, top, 0);
    glTexCoord2f(0, 0);
    glVertex3f(left, top, 0);
    glEnd();
    if (highlighted && !label_.empty()) {
        // The label under the picture, centred on the button but never off the left edge,
        // drawn after the picture so that the picture's rim cannot hide it.
        glBindTexture(GL_TEXTURE_2D, 0);
        const float w = measureText(label_.c_str());
        float tx = x + width * 0.5f - w * 0.5f;
        if (tx < 0) tx = 0;
        drawText(tx, y + height + insetBottom + buttonLabelDrop, label_.c_str());
    }
    if (material_) material_->finish();
}

OverlayText::OverlayText(Material* material, const char* text, WidgetAction action, PointerPort& pointer)
    : ClickableWidget(material, action, pointer, true), text_(text) {
    x = 2;
    height = 12;
}

void OverlayText::draw(int) {
    if (!visible) return;
    applyWidgetMaterial(material_, hover || pressed);
    const float e = pressed && hover ? 1.0f : 0.0f;
    width = drawText(x + e, y + height + e, text_) - (x + e);
    if (material_) material_->finish();
}
