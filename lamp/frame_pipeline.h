// The frame: the automatic view motions (sideways drift against burn-in, spin and its
// brake, colour cycling), projection, one simulation step, the camera and view transforms,
// the lamp in each of its viewports, a movie's frame, the overlay, and the frame
// statistics. The lamp it draws is handed in; the shell makes the context and shows the
// frame (the buffer swap) after it.
#pragma once

#include <cstdint>
#include <vector>

#include "lamp/lamp_viewports.h"
#include "lava/gl_buffer_emitter.h"
#include "scene/geometry.h"
#include "settings/run_mode.h"

class Capture;
class LampScene;
class OverlayMenu;
class Settings;
struct Camera;

// What a frame draws and changes: the lamp's scene, its settings (the view among them),
// the overlay menu (null where none is drawn), the movie, the run's mode.
struct FrameParts {
    LampScene& scene;
    Settings& settings;
    OverlayMenu* menu;
    Capture& capture;
    RunMode runMode;
};

// The frame's state and the steps that use it; the lamp holds one.
class FramePipeline {
public:
    // With a current context: detail level, clear colour from the scene, depth test, normal
    // renormalisation, lighting, texturing, local viewer, the lattice; starts the clock.
    void initGLState(FrameParts& parts, const GlProcedures& procedures);
    // The viewport for a client area of this size.
    void resizeViewport(FrameParts& parts, int width, int height);
    // The rectangles the next frames draw the lamp in; none means the whole window. The
    // first also holds the overlay menu.
    void setLampViewports(FrameParts& parts, const std::vector<LampViewport>& chosen);
    const std::vector<LampViewport>& lampViewports() const { return viewports; }
    // One frame; see the steps above. Skipped while the client area is empty.
    void renderFrame(FrameParts& parts, bool step, bool drawMenu);
    // The automatic view motions at the start of every frame.
    void advanceViewMotions(Settings& settings);

    int viewportWidth = 0, viewportHeight = 0;
    int complexity = 0;
    float shiftStep = 0.0005f;     // signed drift per frame
    bool userActive = false;       // keys or mouse lately: the drift pauses
    bool spinBrake = false;        // the spin is being braked to a stop
    bool animate = true;           // the simulation advances on timer frames (Pause)
    int32_t lastFrameClock = -10;  // ms, -10 before the first frame
    int32_t startClock = 0;        // ms, at the end of GL set-up
    int32_t frameCount = 0;
    float smoothedFrameRate = 0;

private:
    void layOutOverlayForViewports(FrameParts& parts) const;
    std::vector<LampViewport> viewports;  // where the lamp is drawn; empty for the whole window
};

// The camera's perspective for a viewport of this size.
void applyCameraProjection(Camera& camera, int width, int height);
// The user's view of the lamp (moved, zoomed, turned; the drift included), applied after
// the camera's look-at.
Matrix4D viewTransform(const Settings& settings);
