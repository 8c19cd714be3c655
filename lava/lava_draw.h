// Drawing the lava of a group.
#pragma once

class Group;

void drawLava(Group& group, int complexity);

#include "scene/geometry.h"

class Blob;

// Where a particle is drawn: its position, pulled inside the glass by its radius.
Point3D particlePosition(const Blob& blob);
