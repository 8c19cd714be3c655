// Keys, characters and the mouse: the program's input tables on X events.
#pragma once

typedef union _XEvent XEvent;
class X11Program;

void handleInputEvent(X11Program& program, XEvent& event);
