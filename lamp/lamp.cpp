// The lamp as a whole.
#include "lamp/lamp.h"

#include "lamp/setting_effects.h"
#include "scene/quadric.h"

namespace {

// The lamp's own effects, with the shell's where the shell has one (the frame timer, the
// process priority).
SettingEffects withShellEffects(SettingEffects effects, const SettingEffects& shell) {
    if (shell.frameRate) effects.frameRate = shell.frameRate;
    if (shell.priority) effects.priority = shell.priority;
    return effects;
}

}  // namespace

Lamp::Lamp(RunMode mode, uint32_t seed, SettingsStore* store, const SettingEffects& shellEffects)
    : runMode(mode), scene(std::make_unique<LampScene>(seed)), capture(std::make_unique<Capture>()) {
    // Made whole before the colours' effects may read their siblings through `settings`;
    // loadAll then runs every effect once more with the stored values.
    auto made = std::make_unique<Settings>(mode, withShellEffects(lampSettingEffects(*scene, settings), shellEffects),
                                           store);
    settings = std::move(made);
    settings->loadAll();
}

Lamp::~Lamp() = default;

void Lamp::makeMenu(PointerPort& pointer, const MenuActions& actions, float pixelScale) {
    menu = std::make_unique<OverlayMenu>(runMode, pointer, actions, *settings);
    // The menu keeps its physical size on every display: 96 DPI is the menu's own size.
    menu->setPixelScale(pixelScale);
}

FrameParts Lamp::parts() { return {*scene, *settings, menu.get(), *capture, runMode}; }

void Lamp::setupGL(int width, int height, const GlProcedures& procedures) {
    FrameParts p = parts();
    sharedQuadric();
    pipeline.initGLState(p, procedures);
    pipeline.resizeViewport(p, width, height);
}

void Lamp::releaseGL() {
    deleteSharedQuadric();
    scene->release();
}

void Lamp::resizeViewport(int width, int height) {
    FrameParts p = parts();
    pipeline.resizeViewport(p, width, height);
}

void Lamp::setViewports(const std::vector<LampViewport>& viewports) {
    FrameParts p = parts();
    pipeline.setLampViewports(p, viewports);
}

void Lamp::renderFrame(bool step, bool drawMenu) {
    FrameParts p = parts();
    pipeline.renderFrame(p, step, drawMenu);
}
