// The blend of the lava's colour from the cold to the hot colour by temperature.
#pragma once

#include "lava/lava_parameters.h"
#include "scene/geometry.h"

// Temperatures from -4 (all cold colour) to 10 (all hot colour) blend linearly.
constexpr float coldTemperature = -4.0f;
constexpr float heatPerDegree = 0.071428575f;  // 1 / 14, the float the blend was tuned with

// How far from the cold towards the hot colour temperature T is: (T + 4) / 14 in 0..1,
// 0 for a temperature that is not a number. Inline: the surface walk blends every vertex.
inline float heatFraction(float temperature) {
    const float h = (temperature - coldTemperature) * heatPerDegree;
    if (!(h > 0.0f)) return 0.0f;  // also for a temperature that is not a number
    return h < 1.0f ? h : 1.0f;
}

// The lava colour at a temperature: from the cold colour to the hot one by heatFraction.
inline Point3D lavaColourFor(const LavaParameters& lava, float temperature) {
    const float h = heatFraction(temperature);
    return lava.lavaColour * (1.0f - h) + lava.hotColour * h;
}
