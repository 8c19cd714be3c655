// The lamp window's OpenGL context on X11.
#include "shell/x11/gl_context_x11.h"

#include <vector>

#include "overlay/bitmap_font.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "shell/x11/lamp_window_x11.h"
#include "shell/x11/x11_api_x11.h"

bool makeGLContext(LampWindowX11& lamp, std::string& error) {
    XVisualInfo wanted{};
    wanted.visualid = lamp.visualId;
    int count = 0;
    XVisualInfo* visual = XGetVisualInfo(lamp.display, VisualIDMask, &wanted, &count);
    if (visual) {
        lamp.context = glXCreateContext(lamp.display, visual, nullptr, True);
        XFree(visual);
    }
    if (!lamp.context || !glXMakeCurrent(lamp.display, lamp.window, lamp.context)) {
        error = "cannot make an OpenGL context for the window";
        return false;
    }
    return true;
}

// The overlay's font as display lists at the lists the menu draws from: a bold sans-serif
// core font about 16 pixels high at the menu's scale, else any 16-pixel font, else "fixed".
void makeMenuFont(Display* display, float pixelScale) {
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

void releaseGLContext(LampWindowX11& lamp) {
    if (lamp.display && lamp.context) {
        glXMakeCurrent(lamp.display, xNone, nullptr);
        glXDestroyContext(lamp.display, lamp.context);
    }
    lamp.context = nullptr;
}

void swapBuffers(const LampWindowX11& lamp) {
    if (lamp.display && lamp.context && !lamp.windowGone) glXSwapBuffers(lamp.display, lamp.window);
}
