// The X11 event loop: waits on the X connection with poll until the next timer tick is
// due, hands X events to the lamp's window and its input, fires the ticks.
#include "shell/x11/event_loop_x11.h"

#include <poll.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>

#include "platform/diagnostics.h"
#include "platform/stop_requests.h"
#include "shell/lamp_life.h"
#include "shell/x11/input_x11.h"
#include "shell/x11/x11_program.h"
#include "shell/x11/x11_api_x11.h"

namespace {

void onStopSignal(int) { stopRequests = stopRequests + 1; }

void handleEvent(X11Program& program, XEvent& event) {
    LampWindowX11& lamp = program.lamp;
    if (event.xany.window != lamp.window) return;
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.width == lamp.width && event.xconfigure.height == lamp.height) break;
            lamp.width = event.xconfigure.width;
            lamp.height = event.xconfigure.height;
            program.life.resizeViewports();
            break;
        case Expose:
            if (event.xexpose.count == 0) program.life.paint();
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
            if (lamp.deleteWindow && static_cast<Atom>(event.xclient.data.l[0]) == lamp.deleteWindow)
                program.life.requestClose();
            break;
        default:
            if (isInteractiveMode(program.life.runMode) && lamp.ownWindow) handleInputEvent(program, event);
            break;
    }
}

// A window destroyed under us (the screen saver's, a test's) is the end of the run, not an
// error; anything else is reported and the lamp goes on.
int onXError(Display* display, XErrorEvent* error) {
    X11Program* program = x11Program();
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
    if (X11Program* program = x11Program()) program->life.save();
    std::_Exit(0);
}

}  // namespace

void handleStopsAndErrors() {
    signal(SIGTERM, onStopSignal);
    signal(SIGINT, onStopSignal);
    signal(SIGHUP, onStopSignal);
    signal(SIGCHLD, SIG_IGN);  // the editor and the manual's terminal end on their own
    // A write beyond a file-size limit then fails as any other write does, and is said.
    signal(SIGXFSZ, SIG_IGN);
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXConnectionLost);
}

void runEventLoop(X11Program& program) {
    LampWindowX11& lamp = program.lamp;
    while (!lamp.closing) {
        while (!lamp.closing && XPending(lamp.display)) {
            XEvent event;
            XNextEvent(lamp.display, &event);
            handleEvent(program, event);
        }
        if (stopRequests > 0) lamp.closing = true;
        if (lamp.closing) break;
        pollfd connection{ConnectionNumber(lamp.display), POLLIN, 0};
        poll(&connection, 1, program.timers.msUntilNextTimer());
        program.timers.fireDueTimers();
    }
}
