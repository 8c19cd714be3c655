// Reading the command line: which run mode the process starts in, with which window
// handle and size. Pure, so that every switch the display settings send can be tested.
#pragma once

#include <cstdint>
#include <string>

#include "settings/run_mode.h"

enum class StartAction {
    RunWindow,       // create the main window in `mode`
    ChangePassword,  // the 'a' switch: offer the password change, then exit with -1
    Reject,          // unknown switch letter: exit with -1, no window
};

struct StartRequest {
    StartAction action = StartAction::Reject;
    RunMode mode = Windowed;
    // No switch at all and started as the program file: the mode follows the stored
    // startFullScreen choice, which only the caller can read.
    bool modeFromStartFullScreen = false;
    bool startedAsProgramFile = false;
    // 'c': the handle names the dialog's owner (the foreground window when it is no window).
    bool ownerFromHandle = false;
    // The number after 'c', 'p' or 'l' (0 when none could be read).
    int64_t handle = 0;
    // The size after 'w'; -1 and -1 ask for the default size.
    int width = -1;
    int height = -1;
    // The argument text after the program name, lower-cased (printed as a diagnostic).
    std::string argumentText;
};

// fullCommandLine is the whole process command line including the program path;
// entryArguments is the argument text handed to the entry point. Case does not matter.
StartRequest parseCommandLine(const std::string& fullCommandLine,
                              const std::string& entryArguments);
