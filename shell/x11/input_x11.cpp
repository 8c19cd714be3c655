// Keys, characters and the mouse on X events, through the same tables as on Windows, and
// the pointer as the overlay sees it.
#include "overlay/overlay_menu.h"
#include "platform/pointer.h"
#include "platform/resources.h"
#include "resources/resource_ids.h"
#include "shell/icon_file.h"
#include "settings/view_operations.h"
#include "shell/input_actions.h"
#include "shell/main_window.h"
#include "shell/x11/shell_x11.h"
#include "shell/x11/x11_api_x11.h"

namespace {

Key keyOf(KeySym symbol) {
    switch (symbol) {
        case XK_Left:
        case XK_KP_Left:
            return Key::Left;
        case XK_Right:
        case XK_KP_Right:
            return Key::Right;
        case XK_Up:
        case XK_KP_Up:
            return Key::Up;
        case XK_Down:
        case XK_KP_Down:
            return Key::Down;
        case XK_Escape:
            return Key::Escape;
        case XK_space:
            return Key::Space;
        case XK_Pause:
            return Key::Pause;
        case XK_m:
        case XK_M:
            return Key::M;
        case XK_F1:
            return Key::F1;
        default:
            return Key::Other;
    }
}

// Mod1 is the Alt key on X servers (the right Alt is usually AltGr, another modifier): it
// plays the part of the left Alt of Windows.
Modifiers modifiersOf(unsigned state) {
    Modifiers modifiers;
    modifiers.ctrl = (state & ControlMask) != 0;
    modifiers.shift = (state & ShiftMask) != 0;
    modifiers.leftAlt = (state & Mod1Mask) != 0;
    return modifiers;
}

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

class X11PointerPort : public PointerPort {
public:
    PointerShape shape() override { return shape_; }
    void setShape(PointerShape shape) override {
        LampWindowX11* lamp = lampWindow();
        if (shape == shape_ || !lamp || !lamp->display || !lamp->ownWindow) {
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
    // X grabs the pointer for the window while a button is held: that is the drag.
    bool captured() override { return buttonsHeld_ != 0; }
    bool anyButtonDown() override { return buttonsHeld_ != 0; }

    void press(unsigned button) { buttonsHeld_ |= 1u << button; }
    void release(unsigned button) { buttonsHeld_ &= ~(1u << button); }

private:
    PointerShape shape_ = PointerShape::Arrow;
    Cursor cursor_ = 0;
    unsigned buttonsHeld_ = 0;
};

X11PointerPort pointer;

ShellInputActions inputActions() {
    ShellInputActions actions;
    actions.close = requestClose;
    actions.help = openManual;
    actions.configure = openSettingsFile;
    actions.fullScreen = toggleFullScreen;
    return actions;
}

void mouse(int x, int y, MouseEvent event) {
    overlayMouse(nullptr, static_cast<float>(x), static_cast<float>(y), event);
}

}  // namespace

PointerPort& x11Pointer() { return pointer; }

void handleInputEvent(LampWindowX11& lamp, XEvent& event) {
    switch (event.type) {
        case KeyPress: {
            char text[16] = {};
            KeySym symbol = 0;
            const int length = XLookupString(&event.xkey, text, sizeof text - 1, &symbol, nullptr);
            // The key as pressed, whatever Shift makes of it.
            const KeySym plain = XkbKeycodeToKeysym(lamp.display, static_cast<KeyCode>(event.xkey.keycode), 0, 0);
            runKeyCommand(keyCommand(keyOf(plain), modifiersOf(event.xkey.state)), inputActions());
            for (int i = 0; i < length && !lamp.closing; ++i)
                runCharacterCommand(characterCommand(static_cast<unsigned char>(text[i])), inputActions());
            break;
        }
        case MotionNotify:
            mouse(event.xmotion.x, event.xmotion.y, MouseEvent::Move);
            break;
        case ButtonPress:
            switch (event.xbutton.button) {
                case Button1:
                case Button2:
                case Button3:
                    pointer.press(event.xbutton.button);
                    mouse(event.xbutton.x, event.xbutton.y,
                          event.xbutton.button == Button1   ? MouseEvent::LeftDown
                          : event.xbutton.button == Button2 ? MouseEvent::MiddleDown
                                                            : MouseEvent::RightDown);
                    break;
                case Button4:  // the wheel away from the user: one notch, as Windows counts it
                    turnWheel(120);
                    break;
                case Button5:
                    turnWheel(-120);
                    break;
                default:
                    break;
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button < Button1 || event.xbutton.button > Button3) break;
            pointer.release(event.xbutton.button);
            mouse(event.xbutton.x, event.xbutton.y,
                  event.xbutton.button == Button1   ? MouseEvent::LeftUp
                  : event.xbutton.button == Button2 ? MouseEvent::MiddleUp
                                                    : MouseEvent::RightUp);
            if (!pointer.anyButtonDown()) mouse(-1, -1, MouseEvent::CaptureChanged);
            break;
        case LeaveNotify:
            // While a button is held the pointer belongs to the drag, wherever it goes.
            if (!pointer.anyButtonDown()) mouse(-1, -1, MouseEvent::Leave);
            break;
        default:
            break;
    }
}
