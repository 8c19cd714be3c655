// The lamp's X window: a window of its own (a window or the whole screen), the root
// window, or a window someone else made (XScreenSaver's, a test's); and putting it away.
#include "shell/x11/lamp_window_x11.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/resources.h"
#include "resources/resource_ids.h"
#include "shell/icon_file.h"
#include "shell/window_geometry.h"
#include "shell/x11/monitors_x11.h"
#include "shell/x11/x11_api_x11.h"

namespace {

constexpr long lampEvents = ExposureMask | StructureNotifyMask | VisibilityChangeMask | KeyPressMask |
                            ButtonPressMask | ButtonReleaseMask | PointerMotionMask | LeaveWindowMask;

// A double-buffered RGBA visual with depth, for a window of our own.
XVisualInfo* chooseLampVisual(Display* display) {
    int withDepth24[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                         GLX_DEPTH_SIZE, 24, 0};
    int withDepth16[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, 0};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), withDepth24);
    return visual ? visual : glXChooseVisual(display, DefaultScreen(display), withDepth16);
}

void setWindowNames(Display* display, Window window, const char* title) {
    XStoreName(display, window, title);
    // Whose window it is, for the window manager and its "end this program" (the process
    // id means something only with the machine's name beside it).
    char host[256] = "";
    gethostname(host, sizeof host - 1);
    char* hosts[] = {host};
    XTextProperty machine{};
    if (XStringListToTextProperty(hosts, 1, &machine)) {
        XSetWMClientMachine(display, window, &machine);
        XFree(machine.value);
    }
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    XClassHint hint{};
    char name[] = "glimmerjar", className[] = "Glimmerjar";
    hint.res_name = name;
    hint.res_class = className;
    XSetClassHint(display, window, &hint);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title), static_cast<int>(std::string(title).size()));
}

// The program's icon for the window manager's task bar and switcher (_NET_WM_ICON: each
// size as width, height and ARGB pixels), from the same icon file as on Windows.
void setWindowIcon(Display* display, Window window) {
    const ResourceBytes file = findProgramResource("ICON", RES_ICON_PROGRAM);
    if (file.status != ResourceStatus::Found) return;
    std::vector<unsigned long> icon;
    for (const IconImage& image : readIconFile(file.data, file.size)) {
        if (image.width > 128) continue;  // the largest is for Windows' own views
        icon.push_back(static_cast<unsigned long>(image.width));
        icon.push_back(static_cast<unsigned long>(image.height));
        icon.insert(icon.end(), image.argb.begin(), image.argb.end());
    }
    if (icon.empty()) return;
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(icon.data()), static_cast<int>(icon.size()));
}

Window makeOwnWindow(LampWindowX11& lamp, XVisualInfo* visual, const ProgramOptions& options, RunMode mode) {
    Display* display = lamp.display;
    const int screen = DefaultScreen(display);
    // A window or full screen goes on the primary monitor, as on Windows.
    const ScreenRect area = screenMonitors(display).front();
    const WindowPlacement placement = windowPlacementFor(mode, area, options.width, options.height, 0, 0);
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, RootWindow(display, screen), visual->visual, AllocNone);
    attributes.background_pixel = BlackPixel(display, screen);
    attributes.border_pixel = 0;
    attributes.event_mask = lampEvents;
    Window window = XCreateWindow(display, RootWindow(display, screen), placement.x, placement.y,
                                  static_cast<unsigned>(placement.width), static_cast<unsigned>(placement.height),
                                  0, visual->depth, InputOutput, visual->visual,
                                  CWColormap | CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
    setWindowNames(display, window, placement.title);
    setWindowIcon(display, window);
    // Placed where asked, also by a window manager that would rather choose.
    XSizeHints hints{};
    hints.flags = PPosition | PSize | USPosition | USSize | PMinSize;
    hints.x = placement.x;
    hints.y = placement.y;
    hints.width = placement.width;
    hints.height = placement.height;
    hints.min_width = hints.min_height = smallestWindowSide;
    XSetWMNormalHints(display, window, &hints);
    lamp.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &lamp.deleteWindow, 1);
    if (mode == FullScreen) {
        Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&fullScreen), 1);
    }
    lamp.width = placement.width;
    lamp.height = placement.height;
    return window;
}

Cursor makeBlankCursor(Display* display, Window window) {
    static const char nothing[1] = {0};
    Pixmap empty = XCreateBitmapFromData(display, window, nothing, 1, 1);
    XColor black{};
    Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    return cursor;
}

}  // namespace

bool openLampWindow(LampWindowX11& lamp, const ProgramOptions& options, RunMode mode, std::string& error) {
    lamp.display = XOpenDisplay(nullptr);
    if (!lamp.display) {
        const char* name = XDisplayName(nullptr);
        error = std::string("cannot open the X display \"") + (name ? name : "") + "\"";
        return false;
    }
    Display* display = lamp.display;
    int errorBase = 0, eventBase = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        error = "the X display has no OpenGL (GLX)";
        return false;
    }
    switch (options.target) {
        case ProgramTarget::OwnWindow:
        case ProgramTarget::FullScreen: {
            XVisualInfo* visual = chooseLampVisual(display);
            if (!visual) {
                error = "the X display offers no OpenGL visual with a depth buffer";
                return false;
            }
            lamp.ownWindow = true;
            lamp.window = makeOwnWindow(lamp, visual, options, mode);
            lamp.visualId = visual->visualid;
            XFree(visual);
            break;
        }
        case ProgramTarget::Root:
        case ProgramTarget::ForeignWindow: {
            lamp.window = options.target == ProgramTarget::Root ? DefaultRootWindow(display)
                                                                : static_cast<Window>(options.windowId);
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display, lamp.window, &attributes)) {
                char id[32];
                std::snprintf(id, sizeof id, "0x%llx", static_cast<unsigned long long>(options.windowId));
                error = std::string("there is no X window ") + id;
                return false;
            }
            // The context must be made for the visual of a window someone else made.
            lamp.visualId = XVisualIDFromVisual(attributes.visual);
            lamp.width = attributes.width;
            lamp.height = attributes.height;
            lamp.visible = attributes.map_state == IsViewable;
            // Only what the window's owner leaves to others: its size, its end, exposure.
            XSelectInput(display, lamp.window, ExposureMask | StructureNotifyMask | VisibilityChangeMask);
            break;
        }
    }
    lamp.blankCursor = makeBlankCursor(display, lamp.window);
    XSync(display, False);
    return true;
}

void showLampWindow(LampWindowX11& lamp) {
    if (lamp.ownWindow) XMapRaised(lamp.display, lamp.window);
}

void closeLampWindow(LampWindowX11& lamp) {
    if (!lamp.display) return;
    if (lamp.blankCursor) XFreeCursor(lamp.display, lamp.blankCursor);
    if (lamp.ownWindow && lamp.window && !lamp.windowGone) XDestroyWindow(lamp.display, lamp.window);
    XCloseDisplay(lamp.display);
    lamp.display = nullptr;
    lamp.window = 0;
}
