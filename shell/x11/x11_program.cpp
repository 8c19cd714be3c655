// The X11 program's state, and the X11 platform's operations for the lamp's life.
#include "shell/x11/x11_program.h"

#include <sys/resource.h>

#include "lamp/lamp.h"
#include "overlay/frame_rate_text.h"
#include "platform/diagnostics.h"
#include "resources/web_site.h"
#include "shell/x_resources.h"
#include "shell/x11/gl_context_x11.h"
#include "shell/x11/launch_x11.h"
#include "shell/x11/monitors_x11.h"
#include "shell/x11/settings_watch_x11.h"
#include "shell/x11/x11_api_x11.h"

namespace {
X11Program* running = nullptr;
}  // namespace

X11Program* x11Program() { return running; }

void setX11Program(X11Program* program) { running = program; }

X11Program::X11Program() = default;

float X11Program::pixelScale() {
    // The menu keeps its physical size on a scaled desktop, as on Windows.
    const char* resources = lamp.display ? XResourceManagerString(lamp.display) : nullptr;
    return pixelScaleFromResources(resources ? resources : "");
}

bool X11Program::makeGLContext() {
    std::string error;
    if (::makeGLContext(lamp, error)) return true;
    diagError("glimmerjar: %s\n", error.c_str());
    exitCode = 1;
    lamp.closing = true;
    return false;
}

void X11Program::makeMenuFont(float scale) { ::makeMenuFont(lamp.display, scale); }

void* X11Program::glProcedure(const char* name) {
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

void X11Program::releaseGLContext() { ::releaseGLContext(lamp); }

void X11Program::swapBuffers() { ::swapBuffers(lamp); }

ScreenRect X11Program::clientArea() {
    int x = 0, y = 0;
    Window child = 0;
    if (lamp.display && !lamp.windowGone)
        XTranslateCoordinates(lamp.display, lamp.window, DefaultRootWindow(lamp.display), 0, 0, &x, &y, &child);
    return {x, y, lamp.width, lamp.height};
}

std::vector<ScreenRect> X11Program::monitors() { return screenMonitors(lamp.display); }

bool X11Program::watched() { return !lamp.windowGone && lamp.visible && lamp.width > 0 && lamp.height > 0; }

void X11Program::closeWindow() { lamp.closing = true; }

void X11Program::restartIn(RunMode mode) {
    restart = true;
    restartAs = mode;
}

// A lamp at low priority gives way to every real program (XScreenSaver lowers its hacks
// the same way); a process cannot raise itself again, so the others leave it as it is.
void X11Program::setPriority(ProcessPriority priority) {
    if (priority == ProcessPriority::Low && getpriority(PRIO_PROCESS, 0) < 10) setpriority(PRIO_PROCESS, 0, 10);
}

void X11Program::timerFailed() {
    diagError("glimmerjar: could not start the frame timer, so the lamp cannot move\n");
}

void X11Program::openHelp() { openManual(life); }

void X11Program::openSettings() { openSettingsFile(life); }

void X11Program::showAbout() { launchBeside({"xdg-open", GLIMMERJAR_WEB_SITE_ADDRESS}); }

bool X11Program::beforeFrame() { return !lamp.closing; }

void X11Program::overFrame() {
    const Lamp* shown = life.lamp();
    if (!options.showFrameRate || !shown) return;
    const FramePipeline& frame = shown->pipeline;
    drawFrameRateText(frame.smoothedFrameRate, frame.viewportWidth, frame.viewportHeight,
                      shown->menu ? shown->menu->pixelScale() : 1);
}

void X11Program::afterFrame() { watchSettingsFile(life, settingsWatchedAt); }

uint32_t X11Program::createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) {
    return timers.createThreadTimer(intervalMs, tick, context);
}

void X11Program::destroyThreadTimer(uint32_t timerId) { timers.destroyThreadTimer(timerId); }
