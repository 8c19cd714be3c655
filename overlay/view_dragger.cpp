// Mouse drags into view changes.
#include "overlay/view_dragger.h"

#include <cmath>

#include "platform/pointer.h"
#include "settings/view_operations.h"

bool ViewDragger::handleMouse(WindowRef, float x, float y, MouseEvent event) {
    if (!enabled || event == MouseEvent::Leave) return false;
    bool used = false;
    switch (event) {
        case MouseEvent::Move:
            used = drag(x - lastX, y - lastY);
            // Also after an ignored jump: the next motion is measured from here.
            lastX = x;
            lastY = y;
            return used;
        case MouseEvent::LeftDown:
        case MouseEvent::MiddleDown:
        case MouseEvent::RightDown:
            lastX = x;
            lastY = y;
            (event == MouseEvent::LeftDown ? leftHeld : event == MouseEvent::MiddleDown ? middleHeld : rightHeld) = true;
            updatePointer();
            return true;
        case MouseEvent::LeftUp:
            used = leftHeld;
            leftHeld = false;
            updatePointer();
            return used;
        case MouseEvent::MiddleUp:
            used = middleHeld;
            middleHeld = false;
            updatePointer();
            return used;
        case MouseEvent::RightUp:
            used = rightHeld;
            rightHeld = false;
            updatePointer();
            return used;
        case MouseEvent::CaptureChanged:
            leftHeld = middleHeld = rightHeld = false;
            return false;
        default:
            return false;
    }
}

bool ViewDragger::drag(float dx, float dy) {
    if (std::fabs(dy) > 50 || std::fabs(dx) > 50) return false;
    if (middleHeld || (leftHeld && rightHeld)) {
        addTranslation(settings_, dx * 0.1f, dy * 0.1f);
        return true;
    }
    if (leftHeld) {
        // Mostly vertical motion zooms, mostly horizontal turns the lamp; a tie zooms.
        if (std::fabs(dx) <= std::fabs(dy)) {
            addZoom(settings_, dy * 0.3f);
        } else {
            addSpinAngle(settings_, dx);
        }
        return true;
    }
    if (rightHeld) {
        addOrbit(settings_, dx * 0.8f, dy * 0.8f);
        return true;
    }
    return false;
}

void ViewDragger::updatePointer() {
    if (middleHeld || (leftHeld && rightHeld)) {
        pointer_.setShape(PointerShape::Move);
    } else if (leftHeld) {
        pointer_.setShape(PointerShape::Rotate);
    } else if (rightHeld) {
        pointer_.setShape(PointerShape::Orbit);
    } else {
        pointer_.setShape(PointerShape::Arrow);
    }
}
