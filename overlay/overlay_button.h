// The overlay's clickable widgets: a square button with an icon and a label shown while
// the mouse is over it, and a line of text. A button fires on release inside itself after
// a press inside itself; the text fires on any release inside it.
#pragma once

#include <string>

#include "overlay/overlay_widget.h"

class PointerPort;
class Texture;
struct Material;

using WidgetAction = void (*)(WindowRef window);

class OverlayButton : public OverlayWidget {
public:
    OverlayButton(Material* material, Texture* icon, WidgetAction action, const char* label, PointerPort& pointer);

    void draw(int complexity) override;
    void update(float) override {}
    bool handleMouse(WindowRef window, float mx, float my, MouseEvent event) override;

    void setLabel(const char* label) { label_ = label ? label : ""; }
    const std::string& label() const { return label_; }
    // The clickable square and how far the drawn square reaches beyond each of its edges.
    void place(float x, float y, float width, float height, float insetLeft, float insetRight, float insetTop,
               float insetBottom);

    bool hover = false, pressed = false, visible = true;
    float x = 0, y = 0, width = 0, height = 0;
    float insetLeft = 0, insetRight = 0, insetTop = 0, insetBottom = 0;

private:
    bool inside(float mx, float my) const { return mx >= x && mx < x + width && my >= y && my < y + height; }

    std::string label_;
    Texture* icon_;
    WidgetAction action_;
    Material* material_;
    PointerPort& pointer_;
};

class OverlayText : public OverlayWidget {
public:
    OverlayText(Material* material, const char* text, WidgetAction action, PointerPort& pointer);

    void draw(int complexity) override;
    void update(float) override {}
    bool handleMouse(WindowRef window, float mx, float my, MouseEvent event) override;

    bool hover = false, pressed = false, visible = true;
    float x = 2, y = 0, width = 0, height = 12;

private:
    bool inside(float mx, float my) const { return mx >= x && mx < x + width && my >= y && my < y + height; }

    const char* text_;
    WidgetAction action_;
    Material* material_;
    PointerPort& pointer_;
};

// Applies a widget's material, brighter (white emission) while the mouse is over it or it
// is pressed; the material keeps its own colour.
void applyWidgetMaterial(Material* material, bool highlighted);
