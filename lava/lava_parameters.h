// The simulation values of one lava, each its setting's percentage x 0.01, and its colours.
// The values here are those before the settings are applied (every simulation value 1.0);
// the settings table holds the defaults, and every start of the lamp applies them at once.
// The lava's engine owns them; the step, the physics and the surface walk read them.
#pragma once

#include <algorithm>

#include "scene/geometry.h"

// The strongest lamp heat there is (the lamp heat setting's 200 %); setLampHeat keeps to
// 0 … this, so that the temperatures the lava reaches are bounded.
constexpr float strongestLampHeat = 2.0f;

struct LavaParameters {
    float lampHeat = 1.0f;
    float viscosity = 1.0f;
    float surfaceTension = 1.0f;
    float buoyancy = 1.0f;
    float coolingRate = 1.0f;
    float heatDiffusion = 1.0f;
    // Colours of the lava (already RGB, from the colour model): cold, hot, and whether the
    // hot colour is used at all.
    Point3D lavaColour{0, 0, 0};
    Point3D hotColour{1, 0, 0};
    bool differentHotColor = true;

    void setLampHeat(float v) { lampHeat = std::clamp(v, 0.0f, strongestLampHeat); }
};
