// The current simulation values, each its setting's percentage x 0.01 (1.0 until a setter
// runs), and the number of lumps the last step found.
#pragma once

#include <cstdint>

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
};

extern LavaParameters lavaParameters;
// Clusters found by the last lava step; read when the lava is drawn.
extern int32_t numClusters;

void setViscosity(float v);
void setSurfaceTension(float v);
void setBuoyancy(float v);
void setCoolingRate(float v);
void setHeatDiffusion(float v);
// Also dims or brightens the lamp's lights when a lamp scene exists.
void setLampHeat(float v);
