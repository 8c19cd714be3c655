// The lava colour setters.
#include "lava/lava_colours.h"

void setLavaColour(float r, float g, float b) { lavaParameters.lavaColour = Point3D(r, g, b); }
void setHotColour(float r, float g, float b) { lavaParameters.hotColour = Point3D(r, g, b); }
void setDifferentHotColor(bool on) { lavaParameters.differentHotColor = on; }
