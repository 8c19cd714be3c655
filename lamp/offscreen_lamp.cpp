// The offscreen lamp.
#include "lamp/offscreen_lamp.h"

#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "lamp/lamp_startup.h"
#include "lamp/setting_effects.h"
#include "lava/lava_parameters.h"
#include "platform/offscreen_context.h"
#include "scene/image.h"
#include "scene/quadric.h"
#include "settings/registry_values.h"
#include "settings/settings.h"

namespace {
void resetLampState() {
    destroySettings();
    useSettingsStore(nullptr);
    destroyLampScene();
    deleteSharedQuadric();
    resetPipeline();
    lavaParameters.reset();
}
}  // namespace

OffscreenLamp::OffscreenLamp(int width, int height, uint32_t seed)
    : context(std::make_unique<OffscreenContext>(width, height)), width(width), height(height) {
    if (!context->ok()) return;
    resetLampState();
    createLampScene(seed);
    // No store: every setting keeps its default, and nothing a tool or a test sets is kept.
    useSettingsStore(nullptr);
    createSettings(Windowed, lampSettingEffects()).loadAll();
    pipeline().initGLState();
    pipeline().resizeViewport(width, height);
}

OffscreenLamp::~OffscreenLamp() {
    // The lamp's lights, textures and the quadric belong to this context: release them
    // while it is still current.
    if (theLampScene) theLampScene->release();
    resetLampState();
}

bool OffscreenLamp::ok() const { return context->ok(); }

LampScene& OffscreenLamp::lamp() { return *theLampScene; }

std::unique_ptr<Image> OffscreenLamp::readFrame() const {
    return std::unique_ptr<Image>(readFrameBuffer(width, height));
}
