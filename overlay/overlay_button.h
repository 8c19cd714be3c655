// The overlay's clickable widgets: a square button with an icon and a label shown while
// the mouse is over it, and a line of text. A button fires on release inside itself after
// a press inside itself; the text fires on any release inside it.
#pragma once

#include <functional>
#include <string>

#include "overlay/overlay_widget.h"

class PointerPort;
class Texture;
struct Material;

// What a widget does when clicked; it may hold what it acts on (the lamp's life).
using WidgetAction = std::function<void(WindowRef window)>;

// A button's label: its baseline below the drawn picture, and how far its letters reach
// below the baseline, in pixels.
constexpr float buttonLabelDrop = 14.0f, buttonLabelDescent = 3.0f;

// What the button and the text share: a rectangle that lights up under the mouse, is
// pressed by the left button and runs its action on release inside it.
class ClickableWidget : public OverlayWidget {
public:
    void update(float) override {}
    bool handleMouse(WindowRef window, float mx, float my, MouseEvent event) override;

    bool hover = false, pressed = false, visible = true;
    float x = 0, y = 0, width = 0, height = 0;

protected:
    // firesWithoutOwnPress: a release inside fires even when the press began elsewhere.
    ClickableWidget(Material* material, WidgetAction action, PointerPort& pointer, bool firesWithoutOwnPress)
        : material_(material), action_(action), pointer_(pointer), firesWithoutOwnPress_(firesWithoutOwnPress) {}
    // The rectangle with its right and bottom edges excluded.
    bool inside(float mx, float my) const { return mx >= x && mx < x + width && my >= y && my < y + height; }

    Material* material_;

private:
    WidgetAction action_;
    PointerPort& pointer_;
    bool firesWithoutOwnPress_;
};

class OverlayButton : public ClickableWidget {
public:
    OverlayButton(Material* material, Texture* icon, WidgetAction action, const char* label, PointerPort& pointer);

    void draw(int complexity) override;

    void setLabel(const char* label) { label_ = label ? label : ""; }
    const std::string& label() const { return label_; }
    // The clickable square and how far the drawn square reaches beyond each of its edges.
    void place(float x, float y, float width, float height, float insetLeft, float insetRight, float insetTop,
               float insetBottom);

    float insetLeft = 0, insetRight = 0, insetTop = 0, insetBottom = 0;

private:
    std::string label_;
    Texture* icon_;
};

class OverlayText : public ClickableWidget {
public:
    OverlayText(Material* material, const char* text, WidgetAction action, PointerPort& pointer);

    void draw(int complexity) override;

private:
    const char* text_;
};

// Applies a widget's material, brighter (white emission) while the mouse is over it or it
// is pressed; the material keeps its own colour.
void applyWidgetMaterial(Material* material, bool highlighted);
