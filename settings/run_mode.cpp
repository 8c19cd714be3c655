// The questions every subsystem asks of the run mode.
#include "settings/run_mode.h"

bool isInteractiveMode(RunMode mode) {
    return mode == ScreenSaver || mode == Windowed || mode == FullScreen;
}
