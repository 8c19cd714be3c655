// The lamp's life: the creation and destruction sequences both shells run.
#include "shell/lamp_life.h"

#include "lamp/lamp_scene.h"
#include "lamp/lamp_startup.h"
#include "lamp/lava_state.h"
#include "lamp/setting_effects.h"
#include "platform/clock.h"
#include "settings/registry_values.h"
#include "settings/settings.h"
#include "shell/frame_timer.h"
#include "shell/main_window.h"
#include "shell/tick_reporter.h"

namespace {

// The frame timer's first period, before the frame-rate setting sets its own.
constexpr uint32_t frameTimerStartMs = 35;
// Ticks between two lines of the frame timer's rate diagnostic.
constexpr int tickReportPeriod = 25;

PlatformOperations* current = nullptr;

// The settings' effects on what the shell owns: the frame timer and the process.
void applyFrameRate(DialogPort*, int index) {
    if (frameTimer) frameTimer->setInterval(frameIntervalMs(index));
}

void applyPriority(DialogPort*, int value) {
    if (current && current->setPriority) current->setPriority(processPriorityFor(value));
}

void onFrameTimer(FrameTimer&) {
    if (current && current->frameTick) current->frameTick();
}

}  // namespace

LampLife& lampLife() {
    static LampLife life;
    return life;
}

LampLife::LampLife() : runSettings_({}, Windowed) {}

LampLife::~LampLife() = default;

void LampLife::start(const PlatformOperations& platform) {
    platform_ = platform;
    current = &platform_;
    createLampScene(0);
    overlayMenu = new OverlayMenu(runMode, *platform_.pointer, platform_.menuActions);
    // The menu keeps its physical size on every display: 96 DPI is the menu's own size.
    overlayMenu->setPixelScale(platform_.pixelScale);
    if (!settingsKey) openSettingsKey();
    frameTimer = new FrameTimer(frameTimerStartMs);
    if (platform_.makeCursors) platform_.makeCursors();

    // Every setting's default, then its stored value, then this run's own: each runs its
    // effect, the frame period among them, so the first frame already uses the stored rate.
    SettingEffects effects = lampSettingEffects();
    effects.frameRate = applyFrameRate;
    effects.priority = applyPriority;
    createSettings(runMode, effects).loadAll();
    runSettings_ = RunSettings(platform_.runSettings, runMode);
    runSettings_.apply();

    if (platform_.setupGL) platform_.setupGL();
    glReady = true;
    started_ = true;
    if (!theSettings->resumeFromLastPos.value() || !restoreLavaState()) warmUpLava();

    frameTimer->addFunction(onFrameTimer);
    tickReporter_ = std::make_unique<TickReporter>(tickReportPeriod, clockMs);
    frameTimer->addListener(tickReporter_.get());
    if (!frameTimer->start()) {
        // Without a timer no frame is ever drawn: say so, and end.
        if (platform_.timerFailed) platform_.timerFailed();
        requestClose();
    }
}

void LampLife::end() {
    if (!started_) return;
    save();
    glReady = false;
    started_ = false;
    delete frameTimer;
    frameTimer = nullptr;
    tickReporter_.reset();
    if (platform_.teardownGL) platform_.teardownGL();
    delete overlayMenu;
    overlayMenu = nullptr;
    destroyLampScene();
    destroySettings();
    current = nullptr;
}

void LampLife::save() {
    if (!theSettings || !theLampScene) return;
    // One write of the store: the lava, then the settings.
    SettingsBatch batch;
    saveLavaState();
    runSettings_.saveAll();
}

void LampLife::saveSettings() {
    if (theSettings) runSettings_.saveAll();
}

void LampLife::pause() {
    ++pauses_;
    glReady = false;
}

void LampLife::resume() {
    if (pauses_ > 0 && --pauses_ == 0) glReady = started_;
}
