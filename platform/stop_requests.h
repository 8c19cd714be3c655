// How many times the process has been told to end (SIGTERM, SIGINT and SIGHUP on Linux).
// A signal handler can do no more than set a flag, so this one flag is global. What waits
// on another program (a save waiting for its lock) stops waiting at the second request, so
// that a lamp told twice to end always ends.
#pragma once

#include <csignal>

extern volatile std::sig_atomic_t stopRequests;
