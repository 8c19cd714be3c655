// The run-mode global and the questions every subsystem asks of it.
#include "settings/run_mode.h"

RunMode runMode = Windowed;

bool isInteractiveMode(RunMode mode) {
    return mode == ScreenSaver || mode == Windowed || mode == FullScreen;
}
