// The lamp window's OpenGL context (WGL) and the GL context seam on Windows: pixel format,
// rendering context, viewports, buffer swap, tear-down.
#include "shell/win32/gl_context_win32.h"

#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "scene/quadric.h"
#include "settings/run_mode.h"
#include "shell/win32/monitors_win32.h"
#include "shell/win32/win32_program.h"

namespace {

// The overlay's font as display lists: bold "System" 16 pixels high at 96 DPI (scaled
// with the display), else Arial, Tahoma or Verdana, else a stock font; the device context's
// own font when there is none at all.
void createBitmapFont(HDC dc, float pixelScale) {
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
}  // namespace

void swapFrameBuffers() {
    if (program().deviceContext) SwapBuffers(program().deviceContext);
}

bool hasGLContext() { return program().glContext != nullptr; }

void resizeLampViewports(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    // The saver draws a lamp on each monitor it covers; other windows one lamp.
    std::vector<LampViewport> viewports;
    if (runMode == ScreenSaver) {
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        viewports = saverViewportsFor({origin.x, origin.y, width, height}, systemMonitors());
    }
    pipeline().resizeViewport(width, height);
    pipeline().setLampViewports(viewports);
}

void rebuildOverlayFont(float pixelScale) {
    Win32Program& p = program();
    if (p.deviceContext && p.glContext) createBitmapFont(p.deviceContext, pixelScale);
}

void setupGL(HWND window) {
    Win32Program& p = program();
    HDC& deviceContext = p.deviceContext;
    deviceContext = GetDC(window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 24;
    format.iLayerType = PFD_MAIN_PLANE;
    // A window without a usable context simply shows nothing; the results are not checked.
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &format), &format);
    p.glContext = wglCreateContext(deviceContext);
    wglMakeCurrent(deviceContext, p.glContext);
    createBitmapFont(deviceContext, overlayMenu ? overlayMenu->pixelScale() : 1.0f);
    sharedQuadric();
    pipeline().initGLState();
    resizeLampViewports(window);
}

void teardownGL(HWND window) {
    Win32Program& p = program();
    deleteSharedQuadric();
    if (theLampScene) theLampScene->release();
    ReleaseDC(window, p.deviceContext);
    p.deviceContext = nullptr;
    wglMakeCurrent(nullptr, nullptr);
    if (p.glContext) wglDeleteContext(p.glContext);
    p.glContext = nullptr;
}
