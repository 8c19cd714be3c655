// What the program asks of its window on X11: a close (the event loop ends after this
// round), and a switch between a window and full screen (the program starts again in the
// other mode once this one has saved everything).
#include "shell/main_window.h"

#include "settings/run_mode.h"
#include "shell/lamp_life.h"
#include "shell/x11/x11_program.h"

void requestClose() {
    lampLife().closeRequested = true;
    if (X11Program* program = x11Program()) program->lamp.closing = true;
}

void toggleFullScreen() {
    X11Program* program = x11Program();
    if (!program || (runMode != Windowed && runMode != FullScreen)) return;
    program->restart = true;
    program->restartAs = runMode == FullScreen ? Windowed : FullScreen;
    requestClose();
}
