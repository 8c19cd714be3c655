// Simulation values and their setters.
#include "lava/lava_parameters.h"

#include <algorithm>

LavaParameters lavaParameters;

void setViscosity(float v) { lavaParameters.viscosity = v; }
void setSurfaceTension(float v) { lavaParameters.surfaceTension = v; }
void setBuoyancy(float v) { lavaParameters.buoyancy = v; }
void setCoolingRate(float v) { lavaParameters.coolingRate = v; }
void setHeatDiffusion(float v) { lavaParameters.heatDiffusion = v; }
void setLampHeat(float v) { lavaParameters.lampHeat = std::clamp(v, 0.0f, strongestLampHeat); }
