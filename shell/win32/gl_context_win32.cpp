// The lamp window's OpenGL context on Windows.
#include "shell/win32/gl_context_win32.h"

#include <initializer_list>

#include "overlay/bitmap_font.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"

// Bold "System" 16 pixels high at 96 DPI (scaled with the display), else Arial, Tahoma or
// Verdana, else a stock font; the device context's own font when there is none at all.
void makeMenuFont(HDC dc, float pixelScale) {
    const int height = static_cast<int>(16 * pixelScale + 0.5f);
    HFONT font = nullptr;
    for (const char* face : {"System", "Arial", "Tahoma", "Verdana"}) {
        font = CreateFontA(height, 0, 0, 0, 700, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face);
        if (font) break;
    }
    HGDIOBJ chosen = font;
    if (!chosen) chosen = GetStockObject(SYSTEM_FONT);
    if (!chosen) chosen = GetStockObject(DEFAULT_GUI_FONT);
    if (!chosen) diag("Error: Couldn't pick any font\n");
    HGDIOBJ previous = chosen ? SelectObject(dc, chosen) : nullptr;
    wglUseFontBitmapsA(dc, 0, fontGlyphCount, fontListBase);
    // The space has no pixels, and some implementations (Wine's) give its list no advance
    // either: "Take Snapshot" came out as "TakeSnapshot". Its list is made again here,
    // from the font's own width for it.
    INT spaceWidth = 0;
    if (GetCharWidth32A(dc, ' ', ' ', &spaceWidth) && spaceWidth > 0) {
        // One pixel, not set: a bitmap that draws nothing but moves on.
        static const GLubyte unset[4] = {0, 0, 0, 0};
        glNewList(fontListBase + ' ', GL_COMPILE);
        glBitmap(1, 1, 0, 0, static_cast<GLfloat>(spaceWidth), 0, unset);
        glEndList();
    }
    if (previous) SelectObject(dc, previous);
    // The lists keep the glyphs; the font itself is not needed any more.
    if (font) DeleteObject(font);
}
bool makeGLContext(HWND window, HDC& deviceContext, HGLRC& context) {
    deviceContext = GetDC(window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 24;
    format.iLayerType = PFD_MAIN_PLANE;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &format), &format);
    context = wglCreateContext(deviceContext);
    // A window without a usable context simply shows nothing.
    return context && wglMakeCurrent(deviceContext, context);
}

void releaseGLContext(HWND window, HDC& deviceContext, HGLRC& context) {
    wglMakeCurrent(nullptr, nullptr);
    if (context) wglDeleteContext(context);
    context = nullptr;
    if (deviceContext) ReleaseDC(window, deviceContext);
    deviceContext = nullptr;
}
