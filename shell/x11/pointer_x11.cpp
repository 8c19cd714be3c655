// The pointer seam on X11.
#include "shell/x11/pointer_x11.h"

#include <cstdint>
#include <vector>

#include "platform/resources.h"
#include "resources/resource_ids.h"
#include "shell/icon_file.h"
#include "shell/x11/lamp_window_x11.h"
#include "shell/x11/x11_api_x11.h"

namespace {

// One of the program's own cursors (the .cur files Windows shows) as an X cursor: core X
// cursors have two colours, so each pixel is white, black or not there, by its brightness
// and its alpha. Zero when the file cannot be read.
Cursor programCursor(Display* display, Window window, int id) {
    const ResourceBytes file = findProgramResource("CURSOR", id);
    if (file.status != ResourceStatus::Found) return 0;
    const std::vector<IconImage> images = readIconFile(file.data, file.size);
    if (images.empty()) return 0;
    const IconImage& image = images.front();
    const int rowBytes = (image.width + 7) / 8;
    std::vector<char> light(static_cast<size_t>(rowBytes * image.height)), shown(light.size());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.argb[static_cast<size_t>(y * image.width + x)];
            const uint32_t alpha = pixel >> 24, luminance = ((pixel >> 16 & 255) + (pixel >> 8 & 255) + (pixel & 255)) / 3;
            const size_t at = static_cast<size_t>(y * rowBytes + x / 8);
            const char bit = static_cast<char>(1 << (x % 8));  // XBM bit order: least significant first
            if (alpha > 127) shown[at] = static_cast<char>(shown[at] | bit);
            if (alpha > 127 && luminance > 127) light[at] = static_cast<char>(light[at] | bit);
        }
    const unsigned width = static_cast<unsigned>(image.width), height = static_cast<unsigned>(image.height);
    Pixmap source = XCreateBitmapFromData(display, window, light.data(), width, height);
    Pixmap mask = XCreateBitmapFromData(display, window, shown.data(), width, height);
    XColor white{}, black{};
    white.red = white.green = white.blue = 0xFFFF;
    Cursor cursor = XCreatePixmapCursor(display, source, mask, &white, &black, static_cast<unsigned>(image.hotX),
                                        static_cast<unsigned>(image.hotY));
    XFreePixmap(display, source);
    XFreePixmap(display, mask);
    return cursor;
}

}  // namespace

void X11PointerPort::setShape(PointerShape shape) {
    LampWindowX11* lamp = &lamp_;
    if (shape == shape_ || !lamp->display || !lamp->ownWindow) {
        shape_ = shape;
        return;
    }
    shape_ = shape;
    if (cursor_) XFreeCursor(lamp->display, cursor_);
    cursor_ = 0;
    switch (shape) {
        case PointerShape::Blank:
            XDefineCursor(lamp->display, lamp->window, lamp->blankCursor);
            return;
        case PointerShape::Move:
            cursor_ = programCursor(lamp->display, lamp->window, RES_CURSOR_MOVE);
            if (!cursor_) cursor_ = XCreateFontCursor(lamp->display, XC_fleur);
            break;
        case PointerShape::Rotate:
            cursor_ = programCursor(lamp->display, lamp->window, RES_CURSOR_ROTATE);
            if (!cursor_) cursor_ = XCreateFontCursor(lamp->display, XC_sb_h_double_arrow);
            break;
        case PointerShape::Orbit:
            cursor_ = programCursor(lamp->display, lamp->window, RES_CURSOR_ORBIT);
            if (!cursor_) cursor_ = XCreateFontCursor(lamp->display, XC_exchange);
            break;
        case PointerShape::None:
        case PointerShape::Arrow:
        case PointerShape::Other:
            XUndefineCursor(lamp->display, lamp->window);
            return;
    }
    XDefineCursor(lamp->display, lamp->window, cursor_);
}
