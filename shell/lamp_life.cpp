// The lamp's life: the creation and destruction sequences both shells run, and what the
// shells hand it of their windows' events.
#include "shell/lamp_life.h"

#include "lamp/lamp.h"
#include "lamp/lava_state.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "settings/frame_rates.h"
#include "settings/registry_values.h"
#include "settings/run_settings.h"
#include "shell/monitor_layout.h"
#include "shell/platform_operations.h"
#include "shell/tick_reporter.h"

namespace {

// The frame timer's first period, before the frame-rate setting sets its own.
constexpr uint32_t frameTimerStartMs = 35;
// Ticks between two lines of the frame timer's rate diagnostic.
constexpr int tickReportPeriod = 25;
constexpr float screenshotNoteSeconds = 2;

}  // namespace

LampLife::LampLife(PlatformOperations& platform) : platform_(platform) {}

LampLife::~LampLife() { end(); }

SettingsStore* LampLife::store() {
    if (!storeOpened_) {
        store_.reset(openPlatformSettingsStore());
        storeOpened_ = true;
    }
    return store_.get();
}

void LampLife::useStore(std::unique_ptr<SettingsStore> store) {
    store_ = std::move(store);
    storeOpened_ = true;
}

MenuActions LampLife::menuActions() {
    MenuActions actions;
    actions.help = [this](WindowRef) { platform_.openHelp(); };
    actions.snapshot = [this](WindowRef) { takeScreenshotAndSay(); };
    actions.configure = [this](WindowRef) { platform_.openSettings(); };
    actions.screenMode = [this](WindowRef) { toggleFullScreen(); };
    actions.exit = [this](WindowRef) { requestClose(); };
    actions.about = [this](WindowRef) { platform_.showAbout(); };
    return actions;
}

void LampLife::start() {
    if (started_) return;
    frameTimer_ = std::make_unique<FrameTimer>(platform_, activeTimers, frameTimerStartMs);
    platform_.makeCursors();

    // The settings' effects on what the life owns: the frame timer and the process.
    SettingEffects effects;
    effects.frameRate = [this](DialogPort*, int index) {
        if (frameTimer_) frameTimer_->setInterval(frameIntervalMs(index));
    };
    effects.priority = [this](DialogPort*, int value) { platform_.setPriority(processPriorityFor(value)); };
    lamp_ = std::make_unique<Lamp>(runMode, seed, store(), effects);
    runSettings_ = std::make_unique<RunSettings>(*lamp_->settings, runOverrides);
    runSettings_->apply();
    lamp_->makeMenu(platform_.pointer(), menuActions(), platform_.pixelScale());

    glMade_ = platform_.makeGLContext();
    if (glMade_) {
        platform_.makeMenuFont(lamp_->menu->pixelScale());
        const ScreenRect area = platform_.clientArea();
        lamp_->setupGL(area.width, area.height, [this](const char* name) { return platform_.glProcedure(name); });
        resizeViewports();
    }
    glReady = glMade_ && pauses_ == 0;
    started_ = true;
    if (!lamp_->settings->resumeFromLastPos.value() || !restoreLavaState(*lamp_->scene, store()))
        lamp_->scene->warmUp();

    frameTimer_->addFunction([this](FrameTimer&) { onFrameTimer(); });
    tickReporter_ = std::make_unique<TickReporter>(tickReportPeriod, clockMs);
    frameTimer_->addListener(tickReporter_.get());
    if (!frameTimer_->start()) {
        // Without a timer no frame is ever drawn: say so, and end.
        platform_.timerFailed();
        requestClose();
    }
}

void LampLife::end() {
    if (!started_) return;
    save();
    glReady = false;
    started_ = false;
    frameTimer_.reset();
    tickReporter_.reset();
    if (glMade_) {
        lamp_->releaseGL();
        platform_.releaseGLContext();
        glMade_ = false;
    }
    runSettings_.reset();
    lamp_.reset();
}

void LampLife::save() {
    if (!lamp_) return;
    // One write of the store: the lava, then the settings.
    SettingsBatch batch(store());
    saveLavaState(*lamp_->scene, store());
    runSettings_->saveAll();
}

void LampLife::saveSettings() {
    if (runSettings_) runSettings_->saveAll();
}

void LampLife::pause() {
    ++pauses_;
    glReady = false;
}

void LampLife::resume() {
    if (pauses_ > 0 && --pauses_ == 0) glReady = started_ && glMade_;
}

void LampLife::requestClose() {
    closeRequested = true;
    platform_.closeWindow();
}

void LampLife::toggleFullScreen() {
    if (runMode != Windowed && runMode != FullScreen) return;
    platform_.restartIn(runMode == FullScreen ? Windowed : FullScreen);
    requestClose();
}

void LampLife::drawFrame(bool step) {
    lamp_->renderFrame(step, true);
    platform_.overFrame();
    platform_.swapBuffers();
}

void LampLife::onFrameTimer() {
    if (!started_ || !platform_.beforeFrame()) return;
    if (glReady && platform_.watched()) drawFrame(lamp_->pipeline.animate);
    platform_.afterFrame();
}

void LampLife::paint() {
    if (started_ && glMade_) drawFrame(false);
}

void LampLife::resizeViewports() {
    if (!glMade_) return;
    const ScreenRect area = platform_.clientArea();
    lamp_->resizeViewport(area.width, area.height);
    // The screen saver draws a lamp on each monitor its window covers; other windows one.
    std::vector<LampViewport> viewports;
    if (runMode == ScreenSaver) viewports = saverViewportsFor(area, platform_.monitors());
    lamp_->setViewports(viewports);
}

void LampLife::setPixelScale(float scale) {
    if (!lamp_ || !lamp_->menu) return;
    lamp_->menu->setPixelScale(scale);
    if (glMade_) platform_.makeMenuFont(lamp_->menu->pixelScale());
}

void LampLife::mouse(WindowRef window, float x, float y, MouseEvent event) {
    if (lamp_ && lamp_->menu) lamp_->menu->mouse(window, x, y, event);
}

void LampLife::showNote(const std::string& text, float seconds, const std::string& shortText) {
    if (lamp_ && lamp_->menu) lamp_->menu->note().show(text, seconds, shortText);
}

void LampLife::takeScreenshotAndSay() {
    if (!lamp_) return;
    Lamp& lamp = *lamp_;
    const Screenshot shot = lamp.capture->takeScreenshot(lamp.pipeline.viewportWidth, lamp.pipeline.viewportHeight,
                                                         [&lamp] { lamp.renderFrame(false, false); });
    if (shot.path.empty()) return;
    if (shot.written)
        showNote("Saved " + shot.path, screenshotNoteSeconds, "Saved " + shot.name);
    else
        showNote("Could not save the screenshot " + shot.name, screenshotNoteSeconds);
}
