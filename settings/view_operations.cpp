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
void addSpinSpeed(float d) { theSettings->rot_speed.setValue(theSettings->rot_speed.value() + d); }

void turnWheel(int delta) { addSpinSpeed(static_cast<float>(delta) / 480.0f); }
void addSpinAngle(float d) { theSettings->rot_angle.setValue(wrapDegrees(theSettings->rot_angle.value() + d)); }
void addZoom(float d) { theSettings->zoom.setValue(theSettings->zoom.value() + d); }
void addTranslation(float dx, float dy) {
    theSettings->translateX.setValue(theSettings->translateX.value() + dx);
    theSettings->translateY.setValue(theSettings->translateY.value() - dy);
}
void addOrbit(float dx, float dy) {
    theSettings->rotateViewX.setValue(wrapDegrees(theSettings->rotateViewX.value() + dx));
    theSettings->rotateViewY.setValue(wrapDegrees(theSettings->rotateViewY.value() + dy));
}
