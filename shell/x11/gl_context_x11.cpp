// The lamp window's OpenGL context on X11 and the GL context seam of the Linux program: the
// GL state the lamp needs, the menu's font from an X core font (glXUseXFont), the
// viewports, the buffer swap, tear-down.
#include "shell/x11/gl_context_x11.h"

#include <string>
#include <vector>

#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "scene/quadric.h"
#include "settings/run_mode.h"
#include "shell/x11/monitors_x11.h"
#include "shell/x11/x11_program.h"
#include "shell/x11/x11_api_x11.h"

namespace {

// The overlay's font as display lists at the lists the menu draws from: a bold sans-serif
// core font about 16 pixels high at the menu's scale, else any 16-pixel font, else "fixed".
void createBitmapFont(Display* display, float pixelScale) {
    const int pixels = static_cast<int>(16 * pixelScale + 0.5f);
    const std::string sizes[] = {std::to_string(pixels + 1), std::to_string(pixels), std::to_string(pixels - 2)};
    std::vector<std::string> names;
    for (const std::string& size : sizes) names.push_back("-*-helvetica-bold-r-normal--" + size + "-*-*-*-p-*-iso8859-1");
    for (const std::string& size : sizes) names.push_back("-*-*-bold-r-normal--" + size + "-*-*-*-*-*-iso8859-1");
    names.push_back("fixed");
    for (const std::string& name : names) {
        XFontStruct* font = XLoadQueryFont(display, name.c_str());
        if (!font) continue;
        glXUseXFont(font->fid, 0, fontGlyphCount, fontListBase);
        XFreeFont(display, font);
        return;
    }
    diagError("glimmerjar: no X font for the menu's text\n");
}

}  // namespace

void setupGL(LampWindowX11& lamp) {
    createBitmapFont(lamp.display, overlayMenu ? overlayMenu->pixelScale() : 1.0f);
    sharedQuadric();
    pipeline().initGLState();
    resizeLampViewports(lamp);
}

void resizeLampViewports(LampWindowX11& lamp) {
    pipeline().resizeViewport(lamp.width, lamp.height);
    // The screen saver draws a lamp on each monitor its window covers (the root window
    // spans them all; XScreenSaver's own windows cover one each); other windows one lamp.
    std::vector<LampViewport> viewports;
    if (runMode == ScreenSaver) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(lamp.display, lamp.window, DefaultRootWindow(lamp.display), 0, 0, &x, &y, &child);
        viewports = saverViewportsFor({x, y, lamp.width, lamp.height}, screenMonitors(lamp.display));
    }
    pipeline().setLampViewports(viewports);
}

void teardownGL(LampWindowX11& lamp) {
    deleteSharedQuadric();
    if (theLampScene) theLampScene->release();
    if (lamp.display && lamp.context) {
        glXMakeCurrent(lamp.display, xNone, nullptr);
        glXDestroyContext(lamp.display, lamp.context);
    }
    lamp.context = nullptr;
}

void swapFrameBuffers() {
    X11Program* program = x11Program();
    if (!program) return;
    const LampWindowX11& lamp = program->lamp;
    if (lamp.display && !lamp.windowGone) glXSwapBuffers(lamp.display, lamp.window);
}
