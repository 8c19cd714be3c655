// The frame pipeline.
#include "lamp/frame_pipeline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "lamp/capture.h"
#include "lamp/lamp_scene.h"
#include "overlay/overlay_menu.h"
#include "settings/run_mode.h"
#include "settings/colour_model.h"
#include "settings/settings.h"
#include "settings/view_operations.h"

namespace {
// gluPerspective takes the whole height angle in degrees; the camera keeps half of it in
// radians: 2 x 180 / pi.
constexpr double halfAngleRadiansToFullDegrees = 114.59155583736408;

// Milliseconds from one clock reading to a later one, also across the clock's wrap after
// 49.7 days: the readings are subtracted as the 32-bit unsigned numbers they are.
int32_t elapsedMs(int32_t now, int32_t then) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(then));
}
}  // namespace

FramePipeline& pipeline() {
    static FramePipeline thePipeline;
    return thePipeline;
}

void resetPipeline() { pipeline() = FramePipeline(); }

// The overlay over the first viewport (the primary monitor), in window pixels from the top.
void FramePipeline::layOutOverlayForViewports() const {
    if (viewports.empty()) {
        layoutOverlay(viewportWidth, viewportHeight);
        return;
    }
    const LampViewport& first = viewports.front();
    layoutOverlay(first.width, first.height, first.x, viewportHeight - (first.y + first.height));
}

void FramePipeline::setLampViewports(const std::vector<LampViewport>& chosen) {
    viewports = chosen;
    layOutOverlayForViewports();
}

void FramePipeline::initGLState() {
    complexity = 17;
    diag("Complexity = %d\n", complexity);
    if (theLampScene) {
        const Point3D& b = theLampScene->background;
        glClearColor(b.x, b.y, b.z, 0);
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    if (theLampScene) theLampScene->glass.engine.renderer.initPolygoniser();
    startClock = static_cast<int32_t>(clockMs());
}

void FramePipeline::resizeViewport(int width, int height) {
    viewportWidth = width;
    viewportHeight = height;
    glViewport(0, 0, width, height);
    layOutOverlayForViewports();
}

void FramePipeline::advanceViewMotions() {
    Settings& v = *theSettings;
    // Sideways drift against burn-in, paused while the user is active.
    const float s = v.shiftX.value();
    if (v.shiftLeftRight.value() && !userActive) {
        if (s >= 12) {
            shiftStep = -std::fabs(shiftStep);
        } else if (s <= -12) {
            shiftStep = std::fabs(shiftStep);
        }
        v.shiftX.setValue(s + shiftStep);
    } else {
        if (std::fabs(s) < 0.1f) userActive = false;
        v.shiftX.setValue(s * 0.95f);
    }
    if (spinBrake) {
        v.rot_speed.setValue(v.rot_speed.value() * 0.92f);
        if (std::fabs(v.rot_speed.value()) < 2.0f) {
            v.rot_speed.setValue(0);
            spinBrake = false;
        }
    }
    addSpinAngle(v.rot_speed.value());
    // Hue cycling; the colour settings' own effects recolour the lava.
    if (v.lavaRotateColor.value() != 0) {
        v.lavaHue.setValue(rotateHue(v.lavaHue.value(), v.lavaRotateColor.value()));
        if (v.differentHotColor.value() && v.lavaRotateColorHot.value() != 0)
            v.lavaHueHot.setValue(rotateHue(v.lavaHueHot.value(), v.lavaRotateColorHot.value()));
    }
}

void FramePipeline::applyCameraProjection(Camera& camera) const {
    ::applyCameraProjection(camera, viewportWidth, viewportHeight);
}

void applyCameraProjection(Camera& camera, int width, int height) {
    const double aspect = static_cast<double>(width) / height;
    camera.aspect = static_cast<float>(aspect);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(camera.heightAngle * halfAngleRadiansToFullDegrees, aspect, 1.0, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Matrix4D viewTransform() {
    const Settings& v = *theSettings;
    return Matrix4D::translation(Point3D(0, v.translateY.value(), 0)) *
           Matrix4D::translation(Point3D(v.translateX.value() + v.shiftX.value(), 0, 0)) *
           Matrix4D::translation(Point3D(0, 0, -v.zoom.value())) * Matrix4D::rotation(v.rotateViewY.value(), 0) *
           Matrix4D::rotation(v.rotateViewX.value(), 1);
}

void FramePipeline::renderFrame(bool step, bool drawMenu, bool swap) {
    // A minimised window has no area to draw in (and would make the aspect infinite).
    if (viewportWidth <= 0 || viewportHeight <= 0 || !theLampScene || !theSettings) return;
    const int32_t now = static_cast<int32_t>(clockMs());
    advanceViewMotions();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const Settings& v = *theSettings;
    if (step) theLampScene->step(static_cast<float>(v.speed.value()) * 0.01f * 0.02f);

    // One lamp per viewport, from one simulation step and one polygonisation: the later
    // viewports draw the surfaces the first one made.
    const std::vector<LampViewport> whole = {{0, 0, viewportWidth, viewportHeight}};
    const std::vector<LampViewport>& views = viewports.empty() ? whole : viewports;
    LavaEngine& engine = theLampScene->glass.engine;
    engine.keepSurfaces = views.size() > 1;
    for (size_t n = 0; n < views.size(); ++n) {
        const LampViewport& view = views[n];
        if (view.width <= 0 || view.height <= 0) continue;
        glViewport(view.x, view.y, view.width, view.height);
        if (views.size() > 1) {
            // Each lamp gets a depth buffer of its own, also where monitors overlap.
            glScissor(view.x, view.y, view.width, view.height);
            glEnable(GL_SCISSOR_TEST);
            glClear(GL_DEPTH_BUFFER_BIT);
            glDisable(GL_SCISSOR_TEST);
        }
        ::applyCameraProjection(theLampScene->camera, view.width, view.height);
        theLampScene->camera.lookAt();
        glMultMatrixf(viewTransform().data());
        theLampScene->setSpinAngle(v.rot_angle.value());
        engine.replaySurfaces = n > 0;
        theLampScene->draw(complexity);
    }
    engine.replaySurfaces = false;
    if (views.size() > 1 || views.front().x != 0 || views.front().y != 0) glViewport(0, 0, viewportWidth, viewportHeight);

    // Movie frames are read before the overlay, so they never show the menu.
    if (capture().movieRecording()) capture().captureMovieFrame(viewportWidth, viewportHeight);
    if (isInteractiveMode(runMode)) {
        setupOverlayProjection(viewportWidth, viewportHeight);
        applyOverlayLighting();
        if (updateOverlay(static_cast<float>(elapsedMs(now, lastFrameClock)) * 0.001f)) userActive = true;
        drawOverlay(10.0f, drawMenu);
    }

    if (swap) swapFrameBuffers();

    int32_t dt = elapsedMs(now, lastFrameClock);
    if (dt == 0) dt = 1;
    smoothedFrameRate = 0.1f * (1000.0f / static_cast<float>(dt)) + 0.9f * smoothedFrameRate;
    if (frameCount % 10 == 0) diag("%.2f\n", static_cast<double>(smoothedFrameRate));
    ++frameCount;
    if (frameCount % 100 == 0) {
        const float seconds = static_cast<float>(elapsedMs(static_cast<int32_t>(clockMs()), startClock)) * 0.001f;
        diag("%d %f\n", frameCount, static_cast<double>(static_cast<float>(frameCount) / seconds));
    }
    lastFrameClock = now;
}
