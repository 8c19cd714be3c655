// The lava step: one time step of every blob of a group — heat, forces, clusters, motion.
#pragma once

class Group;

// Runs on a group whose blob list is not empty; uses no OpenGL state.
void lavaStep(Group& group, float dt);
