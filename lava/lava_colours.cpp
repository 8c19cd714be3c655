// The lava colour setters and the heat blend.
#include "lava/lava_colours.h"

#include "lava/lava_parameters.h"

namespace {
// Temperatures from -4 (all cold colour) to 10 (all hot colour) blend linearly.
constexpr float coldTemperature = -4.0f;
constexpr float perDegree = 0.071428575f;  // 1 / 14, the float the blend was tuned with
}  // namespace

void setLavaColour(float r, float g, float b) { lavaParameters.lavaColour = Point3D(r, g, b); }
void setHotColour(float r, float g, float b) { lavaParameters.hotColour = Point3D(r, g, b); }
void setDifferentHotColor(bool on) { lavaParameters.differentHotColor = on; }

float heatFraction(float temperature) {
    const float h = (temperature - coldTemperature) * perDegree;
    if (!(h > 0.0f)) return 0.0f;  // also for a temperature that is not a number
    return h < 1.0f ? h : 1.0f;
}

Point3D lavaColourFor(float temperature) {
    const float h = heatFraction(temperature);
    return lavaParameters.lavaColour * (1.0f - h) + lavaParameters.hotColour * h;
}
