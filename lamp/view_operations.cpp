// View operations on the view settings (clamped to their ranges as the settings do).
#include "lamp/view_operations.h"

#include <algorithm>

#include "settings/setting_values.h"

float wrapDegrees(float a) {
    if (a < 0) {
        while (a < 0) a += 360;
    } else {
        while (a > 360) a -= 360;
    }
    return a;
}

namespace {
float clampTo(float v, float lo, float hi) { return std::clamp(v, lo, hi); }
}  // namespace

void addSpinSpeed(float d) { settingValues.rot_speed = clampTo(settingValues.rot_speed + d, -100, 100); }
void addSpinAngle(float d) { settingValues.rot_angle = clampTo(wrapDegrees(settingValues.rot_angle + d), 0, 360); }
void addZoom(float d) { settingValues.zoom = clampTo(settingValues.zoom + d, -60, 300); }
void addTranslation(float dx, float dy) {
    settingValues.translateX = clampTo(settingValues.translateX + dx, -100, 100);
    settingValues.translateY = clampTo(settingValues.translateY - dy, -100, 100);
}
void addOrbit(float dx, float dy) {
    settingValues.rotateViewX = clampTo(wrapDegrees(settingValues.rotateViewX + dx), 0, 360);
    settingValues.rotateViewY = clampTo(wrapDegrees(settingValues.rotateViewY + dy), 0, 360);
}
