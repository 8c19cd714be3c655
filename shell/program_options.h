// The Linux program's command line. Beside every setting as an option (settings/
// setting_options.h) it takes XScreenSaver's conventions: --root draws on the root window
// (or the window XScreenSaver names in $XSCREENSAVER_WINDOW), --window-id ID into a window
// made by someone else, --fps shows the frame rate. Pure, so that every form can be tested.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/setting_options.h"

enum class ProgramAction {
    Run,            // show the lamp
    Help,           // print the usage and end
    Version,        // print the program's version and end
    PrintSettings,  // print every setting as this command line leaves it, and end
    PrintConfig,    // print XScreenSaver's configuration file of the hack, and end
    Reject,         // a bad command line: print error and end with 1
};

// Where the lamp is drawn.
enum class ProgramTarget { OwnWindow, FullScreen, Root, ForeignWindow };

struct ProgramOptions {
    ProgramAction action = ProgramAction::Run;
    ProgramTarget target = ProgramTarget::OwnWindow;
    // A target was named; without one the lamp opens as it was left (a window or full screen).
    bool targetChosen = false;
    uint64_t windowId = 0;  // ForeignWindow: the X window to draw into
    bool showFrameRate = false;
    int width = -1, height = -1;  // --size WxH; -1 for the default size
    std::vector<SettingOverride> settings;
    std::string error;
    std::vector<std::string> notes;  // what the options were taken as, where not as written
};

// arguments without the program name; xscreensaverWindow is $XSCREENSAVER_WINDOW (null
// when unset), which --root uses when it names a window.
ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments, const char* xscreensaverWindow);

// The arguments of a start in the other screen mode: "--fullscreen" or "--window", then
// the given ones without those that say where the lamp goes (the settings, --fps and
// --size stay).
std::vector<std::string> argumentsForScreenMode(const std::vector<std::string>& arguments, bool fullScreen);

// The text --help prints: the manual's part on the options, every setting's option, then
// the manual's part on the mouse and the keys.
std::string programUsage(const std::string& manualOptions, const std::string& manualInput);
