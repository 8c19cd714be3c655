// The frame: the automatic view motions (sideways drift against burn-in, spin and its
// brake, colour cycling), projection, one simulation step, the camera and view transforms,
// the lamp, and the frame statistics. The shell makes the context and calls these.
#pragma once

#include <cstdint>

#include "scene/geometry.h"

struct Camera;

extern int viewportWidth, viewportHeight;
extern int complexity;
extern float shiftStep;        // signed drift per frame
extern bool userActive;        // keys or mouse lately: the drift pauses
extern bool spinBrake;         // the spin is being braked to a stop
extern bool animate;           // the simulation advances on timer frames (Pause)
extern int32_t lastFrameClock; // ms, -10 before the first frame
extern int32_t startClock;     // ms, at the end of GL set-up
extern int32_t frameCount;
extern float smoothedFrameRate;

// The frame's state above has this one owner: back to its state before the first frame.
void resetFrameState();

// With a current context: detail level, clear colour from the scene, depth test, normal
// renormalisation, lighting, texturing, local viewer, the lattice; starts the clock.
void initGLState();
// The viewport for a client area of this size.
void resizeViewport(int width, int height);
// The camera's perspective for the viewport's shape; leaves the modelview matrix current
// and cleared.
void applyCameraProjection(Camera& camera);
// The same for a viewport of this size.
void applyCameraProjection(Camera& camera, int width, int height);
// The user's view of the lamp (moved, zoomed, turned; the drift included), applied after
// the camera's look-at.
Matrix4D viewTransform();
// One frame; see the steps in frame_pipeline.cpp. Skipped while the client area is empty.
void renderFrame(bool step, bool drawMenu, bool swap);

// The automatic view motions at the start of every frame: the sideways drift against
// burn-in, the spin and its brake, and the cycling of the lava's hues.
void advanceViewMotions();
