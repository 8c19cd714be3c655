// The X11 event loop: waits on the X connection with poll until the next timer tick is
// due, hands X events to the lamp's window and its input, fires the ticks.
#include "shell/x11/event_loop_x11.h"

#include <poll.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>

#include "lamp/frame_pipeline.h"
#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "platform/stop_requests.h"
#include "settings/run_mode.h"
#include "shell/lamp_life.h"
#include "shell/main_window.h"
#include "shell/x11/gl_context_x11.h"
#include "shell/x11/input_x11.h"
#include "shell/x11/settings_watch_x11.h"
#include "shell/x11/thread_timer_x11.h"
#include "shell/x11/x11_program.h"
#include "shell/x11/x11_api_x11.h"

namespace {

void onStopSignal(int) { stopRequests = stopRequests + 1; }

// In the bottom right corner, on the corner text's line: the menu's buttons have the top.
void drawFrameRate() {
    const FramePipeline& frame = pipeline();
    char text[32];
    std::snprintf(text, sizeof text, "%.1f frames a second", static_cast<double>(frame.smoothedFrameRate));
    const float scale = overlayMenu ? overlayMenu->pixelScale() : 1;
    // Saved here, restored at the end: lighting, texturing, the depth test, blending, the colour.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    setupOverlayProjection(frame.viewportWidth, frame.viewportHeight);
    glColor3f(1, 1, 1);
    drawText(static_cast<float>(frame.viewportWidth) - measureText(text) - 10 * scale,
             static_cast<float>(frame.viewportHeight) - 4 * scale, text);
    glPopAttrib();
}

void drawFrame(bool step) {
    X11Program* program = x11Program();
    if (!program) return;
    const LampWindowX11& lamp = program->lamp;
    if (!lampLife().glReady || lamp.windowGone || !lamp.visible || lamp.width <= 0 || lamp.height <= 0) return;
    pipeline().renderFrame(step, true, false);
    if (program->options.showFrameRate) drawFrameRate();
    swapFrameBuffers();
}

void handleEvent(LampWindowX11& lamp, XEvent& event) {
    if (event.xany.window != lamp.window) return;
    switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.width == lamp.width && event.xconfigure.height == lamp.height) break;
            lamp.width = event.xconfigure.width;
            lamp.height = event.xconfigure.height;
            if (lampLife().started()) resizeLampViewports(lamp);
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
    if (lampLife().started()) lampLife().save();
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

void frameTick() {
    X11Program* program = x11Program();
    if (!program || program->lamp.closing) return;
    drawFrame(pipeline().animate);
    watchSettingsFile();
}

void runEventLoop(LampWindowX11& lamp) {
    while (!lamp.closing) {
        while (!lamp.closing && XPending(lamp.display)) {
            XEvent event;
            XNextEvent(lamp.display, &event);
            handleEvent(lamp, event);
        }
        if (stopRequests > 0) lamp.closing = true;
        if (lamp.closing) break;
        pollfd connection{ConnectionNumber(lamp.display), POLLIN, 0};
        poll(&connection, 1, msUntilNextTimer());
        fireDueTimers();
    }
}
