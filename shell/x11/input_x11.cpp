// Keys, characters and the mouse on X events, through the same tables as on Windows.
#include "shell/x11/input_x11.h"

#include "lamp/lamp.h"
#include "settings/view_operations.h"
#include "shell/input_actions.h"
#include "shell/x11/x11_program.h"
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

void turn(LampLife& life, int delta) {
    if (Lamp* lamp = life.lamp()) turnWheel(*lamp->settings, delta);
}

}  // namespace

void handleInputEvent(X11Program& program, XEvent& event) {
    LampWindowX11& lamp = program.lamp;
    LampLife& life = program.life;
    X11PointerPort& pointer = program.pointer_;
    const auto mouse = [&life](int x, int y, MouseEvent mouseEvent) {
        life.mouse(nullptr, static_cast<float>(x), static_cast<float>(y), mouseEvent);
    };
    switch (event.type) {
        case KeyPress: {
            char text[16] = {};
            KeySym symbol = 0;
            const int length = XLookupString(&event.xkey, text, sizeof text - 1, &symbol, nullptr);
            // The key as pressed, whatever Shift makes of it.
            const KeySym plain = XkbKeycodeToKeysym(lamp.display, static_cast<KeyCode>(event.xkey.keycode), 0, 0);
            runKeyCommand(life, keyCommand(keyOf(plain), modifiersOf(event.xkey.state)));
            for (int i = 0; i < length && !lamp.closing; ++i)
                runCharacterCommand(life, characterCommand(static_cast<unsigned char>(text[i])));
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
                    turn(life, 120);
                    break;
                case Button5:
                    turn(life, -120);
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
