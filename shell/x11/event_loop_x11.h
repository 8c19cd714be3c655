// The X11 program's event loop: X events and the frame timer's ticks on one thread, and
// what each does, until the lamp closes (Escape, the window manager, the window gone, a
// stop signal, the display gone).
#pragma once

class X11Program;

// SIGTERM, SIGINT and SIGHUP end the loop; X errors naming the lamp's window end it too,
// and a lost display saves the lava and the settings and ends the process.
void handleStopsAndErrors();
void runEventLoop(X11Program& program);
