// Keys, characters and the mouse: the program's input tables on X events.
#pragma once

#include "shell/x11/lamp_window_x11.h"

void handleInputEvent(LampWindowX11& lamp, XEvent& event);
