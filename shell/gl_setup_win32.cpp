// The main window's OpenGL context (WGL) and the GL context seam on Windows: pixel format,
// rendering context, viewport, buffer swap, tear-down.
#include "platform/gl.h"
#include "platform/gl_context.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "scene/quadric.h"
#include "shell/shell_win32.h"

namespace {
HDC deviceContext = nullptr;
HGLRC glContext = nullptr;
}  // namespace

void swapFrameBuffers() {
    if (deviceContext) SwapBuffers(deviceContext);
}

bool hasGLContext() { return glContext != nullptr; }

void resizeViewport(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    resizeViewport(client.right - client.left, client.bottom - client.top);
}

void setupGL(HWND window) {
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
    glContext = wglCreateContext(deviceContext);
    wglMakeCurrent(deviceContext, glContext);
    sharedQuadric();
    initGLState();
    resizeViewport(window);
}

void teardownGL(HWND window) {
    deleteSharedQuadric();
    if (theLampScene) theLampScene->release();
    ReleaseDC(window, deviceContext);
    deviceContext = nullptr;
    wglMakeCurrent(nullptr, nullptr);
    if (glContext) wglDeleteContext(glContext);
    glContext = nullptr;
}
