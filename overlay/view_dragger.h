// The last widget of the overlay: mouse drags that no button took move the view. Left drag
// turns the lamp (mostly sideways) or zooms (mostly up or down), right drag orbits,
// middle drag (or left and right together) moves it; the pointer shows which.
#pragma once

#include "overlay/overlay_widget.h"

class PointerPort;
class Settings;

class ViewDragger : public OverlayWidget {
public:
    // The view it moves is that of these settings.
    ViewDragger(PointerPort& pointer, Settings& settings) : pointer_(pointer), settings_(settings) {}

    void draw(int) override {}
    void update(float) override {}
    bool handleMouse(WindowRef window, float x, float y, MouseEvent event) override;

    bool leftHeld = false, middleHeld = false, rightHeld = false;
    float lastX = 0, lastY = 0;
    bool enabled = true;

private:
    // Moves the view by a mouse motion; false for a jump of more than 50 pixels (the pointer
    // came back into the window elsewhere, or a coordinate wrapped) or with no button held.
    bool drag(float dx, float dy);
    void updatePointer();

    PointerPort& pointer_;
    Settings& settings_;
};
