// Everything the lamp's life asks of the platform it runs on, as one table: each shell's
// program object (Win32Program, X11Program) implements it, as a GLFW backend hands the
// library its window functions or an XScreenSaver hack its init, draw and free functions,
// and the tests' NullPlatform records what it is asked. The portable code never calls into
// a shell any other way: a shell keeps only what its platform does (make a context, swap,
// map a window, read its events) and hands everything else to the life.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/thread_timer.h"
#include "settings/frame_rates.h"
#include "settings/run_mode.h"
#include "shell/monitor_layout.h"

class PointerPort;

class PlatformOperations : public ThreadTimers {
public:
    // The pointer the overlay menu's buttons and drags read and shape.
    virtual PointerPort& pointer() = 0;
    // Window pixels per menu pixel (the display's DPI over 96), so that the menu keeps its
    // physical size on every display.
    virtual float pixelScale() = 0;
    // The program's own cursors, made once, before the lamp is.
    virtual void makeCursors() {}

    // The window's OpenGL context made and made current; false when there is none to be
    // had (the lamp then runs and shows nothing).
    virtual bool makeGLContext() = 0;
    // The menu's font as display lists from fontListBase on, at this pixel scale, in the
    // current context; again after a change of DPI.
    virtual void makeMenuFont(float pixelScale) = 0;
    // An OpenGL entry point beyond 1.1 of the current context, by name; null where it has
    // none (Windows' opengl32 exports 1.1 only; each platform hands out the rest its way).
    virtual void* glProcedure(const char* name) = 0;
    // The context put away, once the lamp has given back what it keeps in it.
    virtual void releaseGLContext() = 0;
    // Shows the frame just drawn.
    virtual void swapBuffers() = 0;

    // The window's client area in screen coordinates, and the monitors of the screen (the
    // screen saver draws a lamp on each one its window covers).
    virtual ScreenRect clientArea() = 0;
    virtual std::vector<ScreenRect> monitors() = 0;
    // Whether anyone can see the window: mapped, not covered, the display awake.
    virtual bool watched() = 0;

    // Asks the window to close (the screen saver's password check may still refuse it).
    virtual void closeWindow() = 0;
    // Once this run has ended and saved everything, the program starts again in `mode`.
    virtual void restartIn(RunMode mode) = 0;
    // The process priority a setting asks for.
    virtual void setPriority(ProcessPriority priority) = 0;
    // The frame timer could not be started: said where someone can see it.
    virtual void timerFailed() = 0;

    // The help, the settings (a dialog or the file in an editor) and the About text.
    virtual void openHelp() = 0;
    virtual void openSettings() = 0;
    virtual void showAbout() = 0;

    // A frame tick's platform duties: before the frame (false: no frame this tick, the
    // window is going), drawn over the finished frame before it is shown, and after it.
    virtual bool beforeFrame() { return true; }
    virtual void overFrame() {}
    virtual void afterFrame() {}
};
