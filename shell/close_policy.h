// When a close message may end the program. A screen saver must not vanish because some
// other program (or Alt+F4) asked; it ends only on its own request, after the password.
#pragma once

#include <functional>

#include "shell/run_mode.h"

// verifyPassword answers non-zero when the saver may close; it is asked only for a close
// the program itself requested in ScreenSaver mode.
bool shouldBlockClose(RunMode mode, bool closeRequested,
                      const std::function<int()>& verifyPassword);
