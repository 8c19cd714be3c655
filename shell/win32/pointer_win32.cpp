// The pointer seam on Windows: SetCursor with the cursors loaded at start-up, GetCapture
// and the asynchronous state of the mouse buttons.
#include "shell/win32/pointer_win32.h"

#include <initializer_list>

#include "shell/win32/win32_program.h"

namespace {
HCURSOR cursorFor(PointerShape shape) {
    const Win32Program& p = program();
    switch (shape) {
        case PointerShape::Blank:
            return p.blankCursor;
        case PointerShape::Move:
            return p.moveCursor;
        case PointerShape::Rotate:
            return p.rotateCursor;
        case PointerShape::Orbit:
            return p.orbitCursor;
        case PointerShape::Arrow:
            return p.arrowCursor;
        case PointerShape::None:
        case PointerShape::Other:
            break;
    }
    return nullptr;
}
}  // namespace

PointerShape Win32PointerPort::shape() {
    HCURSOR current = GetCursor();
    if (!current) return PointerShape::None;
    for (PointerShape shape : {PointerShape::Arrow, PointerShape::Blank, PointerShape::Move, PointerShape::Rotate,
                               PointerShape::Orbit})
        if (current == cursorFor(shape)) return shape;
    return PointerShape::Other;
}

void Win32PointerPort::setShape(PointerShape shape) { SetCursor(cursorFor(shape)); }

bool Win32PointerPort::captured() { return GetCapture() != nullptr; }

bool Win32PointerPort::anyButtonDown() {
    return (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_MBUTTON) | GetAsyncKeyState(VK_RBUTTON)) & 0x8000;
}

Win32PointerPort& windowsPointer() {
    static Win32PointerPort pointer;
    return pointer;
}
