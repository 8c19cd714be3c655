// View operations on the view settings.
#include "settings/view_operations.h"

#include "settings/settings.h"

float wrapDegrees(float a) {
    if (a < 0) {
        while (a < 0) a += 360;
    } else {
        while (a > 360) a -= 360;
    }
    return a;
}

// The settings clamp every value to their range.
void addSpinSpeed(Settings& s, float d) { s.rot_speed.setValue(s.rot_speed.value() + d); }

void turnWheel(Settings& s, int delta) { addSpinSpeed(s, static_cast<float>(delta) / 480.0f); }
void addSpinAngle(Settings& s, float d) { s.rot_angle.setValue(wrapDegrees(s.rot_angle.value() + d)); }
void addZoom(Settings& s, float d) { s.zoom.setValue(s.zoom.value() + d); }
void addTranslation(Settings& s, float dx, float dy) {
    s.translateX.setValue(s.translateX.value() + dx);
    s.translateY.setValue(s.translateY.value() - dy);
}
void addOrbit(Settings& s, float dx, float dy) {
    s.rotateViewX.setValue(wrapDegrees(s.rotateViewX.value() + dx));
    s.rotateViewY.setValue(wrapDegrees(s.rotateViewY.value() + dy));
}
