// Everything the running Linux program holds beside the core's own state, in one owner
// (the Windows program's twin is Win32Program): the lamp's window, the options it was
// started with, a restart it asked for, and when the settings file was last looked at.
#pragma once

#include <cstdint>

#include "settings/run_mode.h"
#include "shell/program_options.h"
#include "shell/x11/lamp_window_x11.h"

struct X11Program {
    LampWindowX11 lamp;
    ProgramOptions options;
    RunMode restartAs = Windowed;
    bool restart = false;
    uint32_t settingsWatchedAt = 0;
};

// The program main made, or null before and after it runs.
X11Program* x11Program();
void setX11Program(X11Program* program);
