// The current simulation values, each its setting's percentage x 0.01, and the lava's
// colours. The values here are those before the settings are applied (every simulation
// value 1.0); the settings table holds the defaults, and every start of the lamp applies
// them at once.
#pragma once

#include "scene/geometry.h"

struct LavaParameters {
    float lampHeat = 1.0f;
    float viscosity = 1.0f;
    float surfaceTension = 1.0f;
    float buoyancy = 1.0f;
    float coolingRate = 1.0f;
    float heatDiffusion = 1.0f;
    // Colours of the lava: cold, hot, and whether the hot colour is used at all.
    Point3D lavaColour{0, 0, 0};
    Point3D hotColour{1, 0, 0};
    bool differentHotColor = true;

    // Back to the values before the settings are applied.
    void reset() { *this = LavaParameters(); }
};

extern LavaParameters lavaParameters;

// The strongest lamp heat there is (the lamp heat setting's 200 %); setLampHeat keeps to
// 0 … this, so that the temperatures the lava reaches are bounded.
constexpr float strongestLampHeat = 2.0f;

void setViscosity(float v);
void setSurfaceTension(float v);
void setBuoyancy(float v);
void setCoolingRate(float v);
void setHeatDiffusion(float v);
void setLampHeat(float v);
