// Setting the lava's colours (already RGB, from the colour model).
#pragma once

void setLavaColour(float r, float g, float b);
void setHotColour(float r, float g, float b);
void setDifferentHotColor(bool on);
