// The Linux program's entry point: the command line, then the lamp's window with the
// lamp's life in it (the X11 platform's part: the GLX context, the pointer, the menu's
// actions, what a frame tick does), the event loop, and a restart in the other screen
// mode when F asked for one.
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lamp/frame_pipeline.h"
#include "overlay/overlay_menu.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/settings_store.h"
#include "resources/web_site.h"
#include "settings/registry_values.h"
#include "settings/run_mode.h"
#include "settings/run_settings.h"
#include "settings/settings.h"
#include "settings/stored_value_names.h"
#include "settings/xscreensaver_config.h"
#include "shell/input_actions.h"
#include "shell/lamp_life.h"
#include "shell/main_window.h"
#include "shell/x_resources.h"
#include "shell/x11/event_loop_x11.h"
#include "shell/x11/gl_context_x11.h"
#include "shell/x11/input_x11.h"
#include "shell/x11/launch_x11.h"
#include "shell/x11/pointer_x11.h"
#include "shell/x11/x11_program.h"
#include "shell/x11/x11_api_x11.h"
#include "version.h"

namespace {
// The manual's sections on the options, the mouse and the keys, as --help shows them
// (manualOptionsHelp, manualInputHelp).
#include "manual_help.inc"
}  // namespace

namespace {

// A lamp at low priority gives way to every real program (XScreenSaver lowers its hacks
// the same way); a process cannot raise itself again, so the others leave it as it is.
void applyPriority(ProcessPriority priority) {
    if (priority == ProcessPriority::Low && getpriority(PRIO_PROCESS, 0) < 10) setpriority(PRIO_PROCESS, 0, 10);
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

void runCreationSequence(X11Program& program) {
    PlatformOperations platform;
    platform.pointer = &x11Pointer();
    platform.menuActions = menuActions();
    // The menu keeps its physical size on a scaled desktop, as on Windows.
    const char* resources = XResourceManagerString(program.lamp.display);
    platform.pixelScale = pixelScaleFromResources(resources ? resources : "");
    platform.setupGL = [] { setupGL(x11Program()->lamp); };
    platform.teardownGL = [] { teardownGL(x11Program()->lamp); };
    platform.setPriority = applyPriority;
    platform.frameTick = frameTick;
    platform.timerFailed = [] { diagError("glimmerjar: could not start the frame timer, so the lamp cannot move\n"); };
    platform.runSettings = program.options.settings;
    program.settingsWatchedAt = clockMs();
    lampLife().start(platform);
}

void runDestructionSequence(X11Program& program) {
    lampLife().end();
    closeLampWindow(program.lamp);
}

// From the store main opened (the run mode already read it).
void printSettings(const ProgramOptions& options) {
    createSettings(runMode, SettingEffects{}).loadAll();
    RunSettings(options.settings, runMode).apply();
    std::fputs(settingsListing().c_str(), stdout);
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

// Starts this program again in the other screen mode, with the same settings options.
void restartIn(RunMode mode, const std::vector<std::string>& given) {
    std::vector<std::string> arguments{"glimmerjar"};
    for (const std::string& argument : argumentsForScreenMode(given, mode == FullScreen)) arguments.push_back(argument);
    execv("/proc/self/exe", argumentVector(arguments).data());
    diagError("glimmerjar: could not start again in the other screen mode: %s\n", std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ProgramOptions options = parseProgramOptions(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    for (const std::string& note : options.notes) std::fprintf(stderr, "glimmerjar: %s\n", note.c_str());
    switch (options.action) {
        case ProgramAction::Reject:
            std::fprintf(stderr, "glimmerjar: %s\n", options.error.c_str());
            return 1;
        case ProgramAction::Help:
            std::fputs(programUsage(manualOptionsHelp, manualInputHelp).c_str(), stdout);
            return 0;
        case ProgramAction::Version:
            std::printf("glimmerjar %s\n", GLIMMERJAR_VERSION);
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

    openSettingsKey();
    runMode = runModeFor(options);
    X11Program running;
    running.options = options;
    setX11Program(&running);
    handleStopsAndErrors();

    std::string error;
    if (!openLampWindow(running.lamp, options, error)) {
        std::fprintf(stderr, "glimmerjar: %s\n", error.c_str());
        closeLampWindow(running.lamp);
        setX11Program(nullptr);
        return 1;
    }
    runCreationSequence(running);
    showLampWindow(running.lamp);
    runEventLoop(running.lamp);
    runDestructionSequence(running);
    setX11Program(nullptr);
    if (running.restart) restartIn(running.restartAs, arguments);
    return 0;
}
