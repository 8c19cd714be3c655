// The Linux program's entry point and its life: the command line, the lamp window with the
// same creation and destruction sequences as on Windows, the event loop, and the few
// things the desktop does for it (the manual, the settings file in an editor).
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lamp/capture.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_startup.h"
#include "lamp/lava_state.h"
#include "lamp/setting_effects.h"
#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "platform/settings_store.h"
#include "resources/web_site.h"
#include "settings/frame_rates.h"
#include "settings/registry_values.h"
#include "settings/run_mode.h"
#include "settings/run_settings.h"
#include "settings/settings.h"
#include "settings/stored_value_names.h"
#include "settings/settings_file.h"
#include "settings/xscreensaver_config.h"
#include "shell/frame_timer.h"
#include "shell/input_actions.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/x11/shell_x11.h"
#include "shell/tick_reporter.h"
#include "shell/x_resources.h"
#include "shell/x11/x11_api_x11.h"

extern char** environ;

namespace {
// The manual's sections on the options, the mouse and the keys, as --help shows them
// (manualOptionsHelp, manualInputHelp).
#include "manual_help.inc"
}  // namespace

namespace {

constexpr uint32_t frameTimerStartMs = 35;
constexpr int tickReportPeriod = 25;
// How often the settings file is looked at for a person's edits.
constexpr uint32_t settingsWatchPeriodMs = 1000;

// Everything the running program owns beside the core's own state; one instance, made by
// main and gone with it.
struct X11Program {
    LampWindowX11 lamp;
    ProgramOptions options;
    RunSettings runSettings{{}, Windowed};
    RunMode restartAs = Windowed;
    bool restart = false;
    uint32_t settingsWatchedAt = 0;
    TickReporter tickReporter{tickReportPeriod, clockMs};
};

X11Program* program = nullptr;
volatile sig_atomic_t stopSignal = 0;

void onStopSignal(int) { stopSignal = 1; }

// --- settings ---

// Saves every setting; what the command line set for this run stays as the file had it.
void saveSettings() {
    if (program) program->runSettings.saveAll();
}

// The settings first: in a new file they come before the lava's long records.
void saveSettingsAndLava() {
    SettingsBatch batch;
    saveSettings();
    saveLavaState();
}

SettingsFile* settingsFile() { return dynamic_cast<SettingsFile*>(settingsKey); }

std::string settingsFilePath() {
    const SettingsFile* file = settingsFile();
    return file ? file->path() : "";
}

// A person saved the settings file in their editor (or another lamp saved it): the lamp
// takes the values that changed there, but for this run's command-line settings.
void followSettingsFile() {
    SettingsFile* file = settingsFile();
    if (!file || !theSettings || !file->changedOnDisk()) return;
    const std::vector<std::string> changed = file->reload();
    if (changed.empty()) return;
    diagError("glimmerjar: taking %zu changed settings from %s\n", changed.size(), file->path().c_str());
    program->runSettings.loadChanged(changed);
}

void watchSettingsFile() {
    const uint32_t now = clockMs();
    if (now - program->settingsWatchedAt < settingsWatchPeriodMs) return;
    program->settingsWatchedAt = now;
    followSettingsFile();
}

// --- what the shell applies and offers ---

void applyFrameRate(DialogPort*, int index) {
    if (frameTimer) frameTimer->setInterval(frameIntervalMs(index));
}

// A lamp at low priority gives way to every real program (XScreenSaver lowers its hacks
// the same way); a process cannot raise itself again, so the others leave it as it is.
void applyPriority(DialogPort*, int value) {
    if (processPriorityFor(value) == ProcessPriority::Low && getpriority(PRIO_PROCESS, 0) < 10)
        setpriority(PRIO_PROCESS, 0, 10);
}

SettingEffects programSettingEffects() {
    SettingEffects effects = lampSettingEffects();
    effects.frameRate = applyFrameRate;
    effects.priority = applyPriority;
    return effects;
}

MenuActions menuActions() {
    MenuActions actions;
    actions.help = [](WindowRef) { openManual(); };
    actions.snapshot = [](WindowRef) { takeScreenshotAndSay(); };
    actions.configure = [](WindowRef) { openSettingsFile(); };
    actions.screenMode = [](WindowRef) { toggleFullScreen(); };
    actions.exit = [](WindowRef) { requestClose(); };
    actions.about = [](WindowRef) { launchBeside({"xdg-open", GLIMMERJAR_WEB_SITE_ADDRESS}); };
    return actions;
}

// --- frames ---

// In the bottom right corner, on the corner text's line: the menu's buttons have the top.
void drawFrameRate() {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f frames a second", static_cast<double>(pipeline().smoothedFrameRate));
    const float scale = overlayMenu ? overlayMenu->pixelScale() : 1;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    setupOverlayProjection(pipeline().viewportWidth, pipeline().viewportHeight);
    glColor3f(1, 1, 1);
    drawText(static_cast<float>(pipeline().viewportWidth) - measureText(text) - 10 * scale,
             static_cast<float>(pipeline().viewportHeight) - 4 * scale, text);
    glPopAttrib();
}

void drawFrame(bool step) {
    LampWindowX11& lamp = program->lamp;
    if (!glReady || lamp.windowGone || !lamp.visible || lamp.width <= 0 || lamp.height <= 0) return;
    pipeline().renderFrame(step, true, false);
    if (program->options.showFrameRate) drawFrameRate();
    swapFrameBuffers();
}

void onFrameTimer(FrameTimer&) {
    if (!program || program->lamp.closing) return;
    drawFrame(pipeline().animate);
    watchSettingsFile();
}

// --- the window's life ---

void runCreationSequence(LampWindowX11& lamp) {
    createLampScene(0);
    overlayMenu = new OverlayMenu(runMode, x11Pointer(), menuActions());
    // The menu keeps its physical size on a scaled desktop, as on Windows.
    const char* resources = XResourceManagerString(lamp.display);
    overlayMenu->setPixelScale(pixelScaleFromResources(resources ? resources : ""));
    frameTimer = new FrameTimer(frameTimerStartMs);
    createSettings(runMode, programSettingEffects()).loadAll();
    program->runSettings = RunSettings(program->options.settings, runMode);
    program->runSettings.apply();
    program->settingsWatchedAt = clockMs();
    setupLampGL(lamp);
    glReady = true;
    if (!theSettings->resumeFromLastPos.value() || !restoreLavaState()) warmUpLava();
    frameTimer->addFunction(onFrameTimer);
    frameTimer->addListener(&program->tickReporter);
    if (!frameTimer->start()) {
        diagError("glimmerjar: could not start the frame timer, so the lamp cannot move\n");
        requestClose();
    }
}

void runDestructionSequence(LampWindowX11& lamp) {
    saveSettingsAndLava();
    glReady = false;
    delete frameTimer;
    frameTimer = nullptr;
    teardownLampGL(lamp);
    delete overlayMenu;
    overlayMenu = nullptr;
    closeLampWindow(lamp);
}

bool isLampWindowEvent(const LampWindowX11& lamp, const XEvent& event) { return event.xany.window == lamp.window; }

void handleEvent(LampWindowX11& lamp, XEvent& event) {
    if (!isLampWindowEvent(lamp, event)) return;
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.width == lamp.width && event.xconfigure.height == lamp.height) break;
            lamp.width = event.xconfigure.width;
            lamp.height = event.xconfigure.height;
            if (glReady) resizeLampViewports(lamp);
            break;
        case Expose:
            if (event.xexpose.count == 0) drawFrame(false);
            break;
        case MapNotify:
            lamp.visible = true;
            break;
        case UnmapNotify:
            lamp.visible = false;
            break;
        case VisibilityNotify:
            lamp.visible = event.xvisibility.state != VisibilityFullyObscured;
            break;
        case DestroyNotify:
            lamp.windowGone = true;
            lamp.closing = true;
            break;
        case ClientMessage:
            if (lamp.deleteWindow && static_cast<Atom>(event.xclient.data.l[0]) == lamp.deleteWindow) requestClose();
            break;
        default:
            if (isInteractiveMode(runMode) && lamp.ownWindow) handleInputEvent(lamp, event);
            break;
    }
}

void runEventLoop(LampWindowX11& lamp) {
    while (!lamp.closing) {
        while (!lamp.closing && XPending(lamp.display)) {
            XEvent event;
            XNextEvent(lamp.display, &event);
            handleEvent(lamp, event);
        }
        if (stopSignal) lamp.closing = true;
        if (lamp.closing) break;
        pollfd connection{ConnectionNumber(lamp.display), POLLIN, 0};
        poll(&connection, 1, msUntilNextTimer());
        fireDueTimers();
    }
}

// A window destroyed under us (the screen saver's, a test's) is the end of the run, not an
// error; anything else is reported and the lamp goes on.
int onXError(Display* display, XErrorEvent* error) {
    if (program && error->resourceid == program->lamp.window) {
        program->lamp.windowGone = true;
        program->lamp.closing = true;
        return 0;
    }
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    diagError("glimmerjar: X error: %s\n", text);
    return 0;
}

// The X server went away: the lava and the settings are saved before the process ends.
int onXConnectionLost(Display*) {
    if (glReady) saveSettingsAndLava();
    std::_Exit(0);
}

// From the store main opened (the run mode already read it).
void printSettings(const ProgramOptions& options) {
    createSettings(runMode, SettingEffects{}).loadAll();
    RunSettings(options.settings, runMode).apply();
    std::fputs(settingsListing(runMode).c_str(), stdout);
    destroySettings();
}

RunMode runModeFor(const ProgramOptions& options) {
    switch (options.target) {
        case ProgramTarget::FullScreen:
            return FullScreen;
        case ProgramTarget::Root:
        case ProgramTarget::ForeignWindow:
            return ScreenSaver;
        case ProgramTarget::OwnWindow:
            break;
    }
    if (options.targetChosen) return Windowed;
    return readBoolValue(startFullScreenValue, false) ? FullScreen : Windowed;
}

// The words as the argument vector exec and spawn take (pointing into the words).
std::vector<char*> argumentVector(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(&word[0]);
    argv.push_back(nullptr);
    return argv;
}

// Starts this program again in the other screen mode, with the same settings options.
void restartIn(RunMode mode, const std::vector<std::string>& given) {
    std::vector<std::string> arguments{"glimmerjar"};
    for (const std::string& argument : argumentsForScreenMode(given, mode == FullScreen)) arguments.push_back(argument);
    execv("/proc/self/exe", argumentVector(arguments).data());
    diagError("glimmerjar: could not start again in the other screen mode: %s\n", std::strerror(errno));
}

}  // namespace

LampWindowX11* lampWindow() { return program ? &program->lamp : nullptr; }

void requestClose() {
    closeRequested = true;
    if (program) program->lamp.closing = true;
}

void toggleFullScreen() {
    if (!program || (runMode != Windowed && runMode != FullScreen)) return;
    program->restart = true;
    program->restartAs = runMode == FullScreen ? Windowed : FullScreen;
    requestClose();
}

bool launchBeside(const std::vector<std::string>& command) {
    std::vector<std::string> words = command;
    const std::vector<char*> argv = argumentVector(words);
    pid_t child = 0;
    return posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

// Said on the lamp too: a lamp started from a menu has no terminal to read the line on.
constexpr float launchNoteSeconds = 5;

void openManual() {
    if (launchBeside({"x-terminal-emulator", "-e", "man", "glimmerjar"})) return;
    if (launchBeside({"xterm", "-e", "man", "glimmerjar"})) return;
    diagError("glimmerjar: read the manual with \"man glimmerjar\"\n");
    showOverlayNote("No terminal found: read the manual with \"man glimmerjar\"", launchNoteSeconds,
                    "Read the manual: man glimmerjar");
}

void openSettingsFile() {
    if (!program || !theSettings) return;
    saveSettings();
    const std::string path = settingsFilePath();
    if (path.empty()) {
        diagError("glimmerjar: there is no settings file (is $HOME set?)\n");
        showOverlayNote("There is no settings file: HOME is not set", launchNoteSeconds);
        return;
    }
    if (launchBeside({"xdg-open", path})) return;
    diagError("glimmerjar: edit the settings in %s\n", path.c_str());
    showOverlayNote("No editor found: edit the settings in " + path, launchNoteSeconds,
                    "Edit the settings in " + path.substr(path.rfind('/') + 1));
}

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ProgramOptions options = parseProgramOptions(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    switch (options.action) {
        case ProgramAction::Reject:
            std::fprintf(stderr, "glimmerjar: %s\n", options.error.c_str());
            return 1;
        case ProgramAction::Help:
            std::fputs(programUsage(manualOptionsHelp, manualInputHelp).c_str(), stdout);
            return 0;
        case ProgramAction::PrintConfig:
            std::fputs(xscreensaverConfig().c_str(), stdout);
            return 0;
        case ProgramAction::PrintSettings:
            openSettingsKey();
            runMode = runModeFor(options);
            printSettings(options);
            return 0;
        case ProgramAction::Run:
            break;
    }

    // The diagnostic lines (the frame timer's report among them) only when asked for.
    const char* diagnostics = std::getenv("GLIMMERJAR_DIAGNOSTICS");
    if (!(diagnostics && *diagnostics && std::strcmp(diagnostics, "0") != 0)) {
        if (!std::freopen("/dev/null", "w", stdout)) return 1;
    }
    signal(SIGTERM, onStopSignal);
    signal(SIGINT, onStopSignal);
    signal(SIGHUP, onStopSignal);
    signal(SIGCHLD, SIG_IGN);  // the editor and the manual's terminal end on their own

    openSettingsKey();
    runMode = runModeFor(options);
    X11Program running;
    running.options = options;
    program = &running;
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXConnectionLost);

    std::string error;
    if (!openLampWindow(running.lamp, options, error)) {
        std::fprintf(stderr, "glimmerjar: %s\n", error.c_str());
        closeLampWindow(running.lamp);
        program = nullptr;
        return 1;
    }
    runCreationSequence(running.lamp);
    showLampWindow(running.lamp);
    runEventLoop(running.lamp);
    runDestructionSequence(running.lamp);
    destroyLampScene();
    destroySettings();
    program = nullptr;
    if (running.restart) restartIn(running.restartAs, arguments);
    return 0;
}
