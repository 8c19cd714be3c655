// A window for the tests to hand to the lamp, as XScreenSaver hands it one:
//   test_window WIDTH HEIGHT
// Makes and maps a plain window of the display's default visual, prints "window=0x..." and
// waits. SIGTERM destroys the window (and then ends the program), as a screen saver's
// window goes away under its hack.
//   test_window resources TEXT
// Sets the X resource database's text (the root window's RESOURCE_MANAGER), as xrdb does.
//   test_window close WINDOW
// Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
volatile sig_atomic_t destroyRequested = 0;
void onTerm(int) { destroyRequested = 1; }
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: test_window WIDTH HEIGHT | test_window resources TEXT | test_window close WINDOW\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "test_window: no X display\n");
        return 1;
    }
    if (std::string(argv[1]) == "resources") {
        const std::string text = argv[2];
        XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
        XCloseDisplay(display);
        return 0;
    }
    if (std::string(argv[1]) == "close") {
        XEvent message{};
        message.xclient.type = ClientMessage;
        message.xclient.window = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
        message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        message.xclient.format = 32;
        message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        message.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, message.xclient.window, False, NoEventMask, &message);
        XCloseDisplay(display);
        return 0;
    }
    const int screen = DefaultScreen(display);
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                        static_cast<unsigned>(std::atoi(argv[1])),
                                        static_cast<unsigned>(std::atoi(argv[2])), 0,
                                        WhitePixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "test window");
    XSelectInput(display, window, StructureNotifyMask);
    XMapRaised(display, window);
    for (;;) {  // shown before anyone is told about it
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) break;
    }
    signal(SIGTERM, onTerm);
    std::printf("window=0x%lx\n", window);
    std::fflush(stdout);
    while (!destroyRequested) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    XDestroyWindow(display, window);
    XSync(display, False);
    std::printf("destroyed\n");
    std::fflush(stdout);
    // Kept a moment past the window, so that the lamp sees the window go, not the client.
    poll(nullptr, 0, 3000);
    XCloseDisplay(display);
    return 0;
}
