// Drawing the lava of a group.
#pragma once

class Group;

void drawLava(Group& group, int complexity);

#include "scene/geometry.h"

class Blob;

// The lava colour at a temperature: from the cold colour to the hot one by heatFraction.
Point3D lavaColourFor(float temperature);
// Where a particle is drawn: its position, pulled inside the glass by its radius.
Point3D particlePosition(const Blob& blob);
