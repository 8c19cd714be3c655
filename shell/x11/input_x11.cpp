// Keys, characters and the mouse on X events, through the same tables as on Windows.
#include "shell/x11/input_x11.h"

#include "overlay/overlay_menu.h"
#include "settings/view_operations.h"
#include "shell/input_actions.h"
#include "shell/main_window.h"
#include "shell/x11/launch_x11.h"
#include "shell/x11/pointer_x11.h"
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
                    x11Pointer().press(event.xbutton.button);
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
            x11Pointer().release(event.xbutton.button);
            mouse(event.xbutton.x, event.xbutton.y,
                  event.xbutton.button == Button1   ? MouseEvent::LeftUp
                  : event.xbutton.button == Button2 ? MouseEvent::MiddleUp
                                                    : MouseEvent::RightUp);
            if (!x11Pointer().anyButtonDown()) mouse(-1, -1, MouseEvent::CaptureChanged);
            break;
        case LeaveNotify:
            // While a button is held the pointer belongs to the drag, wherever it goes.
            if (!x11Pointer().anyButtonDown()) mouse(-1, -1, MouseEvent::Leave);
            break;
        default:
            break;
    }
}
