// Where in the window the lamp is drawn: one rectangle per monitor the window covers (the
// screen saver over every monitor), or the whole window. Each gets a lamp of its own shape,
// drawn from the same simulation and the same polygonised surfaces.
#pragma once

// A rectangle in OpenGL's window coordinates: x from the left, y from the bottom.
struct LampViewport {
    int x = 0, y = 0, width = 0, height = 0;
};
