// The X11 program's event loop: X events and the frame timer's ticks on one thread, and
// what each does (a frame drawn, the settings file followed), until the lamp closes
// (Escape, the window manager, the window gone, a stop signal, the display gone).
#pragma once

struct LampWindowX11;

// SIGTERM, SIGINT and SIGHUP end the loop; X errors naming the lamp's window end it too,
// and a lost display saves the lava and the settings and ends the process.
void handleStopsAndErrors();
void runEventLoop(LampWindowX11& lamp);
// A tick of the frame timer: a frame, if anyone can see it, and the settings file followed.
void frameTick();
