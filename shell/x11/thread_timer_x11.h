// The frame timer's queue of the X11 program (the thread-timer seam): how long until the
// next tick is due, and firing the due ones, for the event loop.
#pragma once

// Milliseconds until the next tick is due; -1 for none.
int msUntilNextTimer();
void fireDueTimers();
