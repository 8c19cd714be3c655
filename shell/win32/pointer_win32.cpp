// The pointer seam on Windows: SetCursor with the cursors loaded at start-up, GetCapture
// and the asynchronous state of the mouse buttons.
#include "shell/win32/pointer_win32.h"

#include <initializer_list>

#include "resources/resource_ids.h"

void Win32PointerPort::makeCursors(HINSTANCE instance) {
    const auto own = [instance](int id) { return LoadCursorA(instance, MAKEINTRESOURCEA(id)); };
    blank_ = own(RES_CURSOR_BLANK);
    arrow_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    move_ = own(RES_CURSOR_MOVE);
    rotate_ = own(RES_CURSOR_ROTATE);
    orbit_ = own(RES_CURSOR_ORBIT);
}

HCURSOR Win32PointerPort::cursorFor(PointerShape shape) const {
    switch (shape) {
        case PointerShape::Blank:
            return blank_;
        case PointerShape::Move:
            return move_;
        case PointerShape::Rotate:
            return rotate_;
        case PointerShape::Orbit:
            return orbit_;
        case PointerShape::Arrow:
            return arrow_;
        case PointerShape::None:
        case PointerShape::Other:
            break;
    }
    return nullptr;
}

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
