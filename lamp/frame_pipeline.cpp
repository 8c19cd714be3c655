// The frame pipeline.
#include "lamp/frame_pipeline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
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

// The overlay over the first viewport (the primary monitor), in window pixels from the top.
void FramePipeline::layOutOverlayForViewports(FrameParts& parts) const {
    if (!parts.menu) return;
    if (viewports.empty()) {
        parts.menu->layout(viewportWidth, viewportHeight);
        return;
    }
    const LampViewport& first = viewports.front();
    parts.menu->layout(first.width, first.height, first.x, viewportHeight - (first.y + first.height));
}

void FramePipeline::setLampViewports(FrameParts& parts, const std::vector<LampViewport>& chosen) {
    viewports = chosen;
    layOutOverlayForViewports(parts);
}

void FramePipeline::initGLState(FrameParts& parts, const GlProcedures& procedures) {
    complexity = 17;
    diag("Complexity = %d\n", complexity);
    const Point3D& b = parts.scene.background;
    glClearColor(b.x, b.y, b.z, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    parts.scene.glass.engine.renderer.initPolygoniser();
    const bool buffers = parts.scene.glass.engine.prepareGL(procedures);
    diag("Lava surfaces through %s\n", buffers ? "buffer objects" : "vertex arrays");
    startClock = static_cast<int32_t>(clockMs());
}

void FramePipeline::resizeViewport(FrameParts& parts, int width, int height) {
    viewportWidth = width;
    viewportHeight = height;
    glViewport(0, 0, width, height);
    layOutOverlayForViewports(parts);
}

void FramePipeline::advanceViewMotions(Settings& v) {
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
    addSpinAngle(v, v.rot_speed.value());
    // Hue cycling; the colour settings' own effects recolour the lava.
    if (v.lavaRotateColor.value() != 0) {
        v.lavaHue.setValue(rotateHue(v.lavaHue.value(), v.lavaRotateColor.value()));
        if (v.differentHotColor.value() && v.lavaRotateColorHot.value() != 0)
            v.lavaHueHot.setValue(rotateHue(v.lavaHueHot.value(), v.lavaRotateColorHot.value()));
    }
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

Matrix4D viewTransform(const Settings& v) {
    return Matrix4D::translation(Point3D(0, v.translateY.value(), 0)) *
           Matrix4D::translation(Point3D(v.translateX.value() + v.shiftX.value(), 0, 0)) *
           Matrix4D::translation(Point3D(0, 0, -v.zoom.value())) * Matrix4D::rotation(v.rotateViewY.value(), 0) *
           Matrix4D::rotation(v.rotateViewX.value(), 1);
}

void FramePipeline::renderFrame(FrameParts& parts, bool step, bool drawMenu) {
    // A minimised window has no area to draw in (and would make the aspect infinite).
    if (viewportWidth <= 0 || viewportHeight <= 0) return;
    LampScene& scene = parts.scene;
    const int32_t now = static_cast<int32_t>(clockMs());
    advanceViewMotions(parts.settings);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const Settings& v = parts.settings;
    if (step) scene.step(static_cast<float>(v.speed.value()) * 0.01f * 0.02f);
    scene.showPolygons = v.showPolygons.value();
    scene.showParticles = v.showParticles.value();

    // One lamp per viewport, from one simulation step and one polygonisation: the later
    // viewports draw the surfaces the first one made.
    const std::vector<LampViewport> whole = {{0, 0, viewportWidth, viewportHeight}};
    const std::vector<LampViewport>& views = viewports.empty() ? whole : viewports;
    LavaEngine& engine = scene.glass.engine;
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
        applyCameraProjection(scene.camera, view.width, view.height);
        scene.camera.lookAt();
        glMultMatrixf(viewTransform(v).data());
        scene.setSpinAngle(v.rot_angle.value());
        engine.replaySurfaces = n > 0;
        scene.draw(complexity);
    }
    engine.replaySurfaces = false;
    if (views.size() > 1 || views.front().x != 0 || views.front().y != 0) glViewport(0, 0, viewportWidth, viewportHeight);

    // Movie frames are read before the overlay, so they never show the menu.
    if (parts.capture.movieRecording()) parts.capture.captureMovieFrame(viewportWidth, viewportHeight);
    if (parts.menu && isInteractiveMode(parts.runMode)) {
        setupOverlayProjection(viewportWidth, viewportHeight);
        applyOverlayLighting();
        if (parts.menu->update(static_cast<float>(elapsedMs(now, lastFrameClock)) * 0.001f)) userActive = true;
        parts.menu->draw(10, drawMenu);
    }

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
