// The Linux program's entry point: the command line, then the lamp's window with the
// lamp's life in it (the X11 program is its platform), the event loop, and a restart in
// the other screen mode when F asked for one.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/run_mode.h"
#include "settings/run_settings.h"
#include "settings/settings.h"
#include "settings/stored_value_names.h"
#include "settings/xscreensaver_config.h"
#include "shell/x11/event_loop_x11.h"
#include "shell/x11/launch_x11.h"
#include "shell/x11/x11_program.h"
#include "version.h"

namespace {
// The manual's sections on the options, the mouse and the keys, as --help shows them
// (manualOptionsHelp, manualInputHelp).
#include "manual_help.inc"
}  // namespace

namespace {

RunMode runModeFor(const ProgramOptions& options, SettingsStore* store) {
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
    return readBoolValue(store, startFullScreenValue, false) ? FullScreen : Windowed;
}

// The settings as this run would take them: the store's, then the options'.
void printSettings(const ProgramOptions& options) {
    const std::unique_ptr<SettingsStore> store(openPlatformSettingsStore());
    Settings settings(runModeFor(options, store.get()), SettingEffects{}, store.get());
    settings.loadAll();
    RunSettings(settings, options.settings).apply();
    std::fputs(settingsListing(settings).c_str(), stdout);
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

    X11Program running;
    running.options = options;
    running.life.runMode = runModeFor(options, running.life.store());
    running.life.runOverrides = options.settings;
    setX11Program(&running);
    handleStopsAndErrors();

    std::string error;
    if (!openLampWindow(running.lamp, options, running.life.runMode, error)) {
        std::fprintf(stderr, "glimmerjar: %s\n", error.c_str());
        closeLampWindow(running.lamp);
        setX11Program(nullptr);
        return 1;
    }
    running.settingsWatchedAt = clockMs();
    running.life.start();
    showLampWindow(running.lamp);
    runEventLoop(running);
    running.life.end();
    closeLampWindow(running.lamp);
    setX11Program(nullptr);
    if (running.restart) restartIn(running.restartAs, arguments);
    return running.exitCode;
}
