// The lava's colours: the setters (values already RGB, from the colour model) and the blend
// from the cold to the hot colour by temperature.
#pragma once

#include "scene/geometry.h"

void setLavaColour(float r, float g, float b);
void setHotColour(float r, float g, float b);
void setDifferentHotColor(bool on);

// How far from the cold towards the hot colour temperature T is: (T + 4) / 14 in 0..1,
// 0 for a temperature that is not a number.
float heatFraction(float temperature);
// The lava colour at a temperature: from the cold colour to the hot one by heatFraction.
Point3D lavaColourFor(float temperature);
