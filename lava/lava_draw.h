// Drawing the lava of a group.
#pragma once

class Group;

void drawLava(Group& group, int complexity);
