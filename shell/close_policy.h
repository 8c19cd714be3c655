// When a close message may end the program. A screen saver must not vanish because some
// other program (or Alt+F4) asked; it ends only on its own request, after the password.
#pragma once

#include <functional>

#include "settings/run_mode.h"

// verifyPassword answers non-zero when the saver may close; it is asked only for a close
// the program itself requested in ScreenSaver mode.
bool shouldBlockClose(RunMode mode, bool closeRequested,
                      const std::function<int()>& verifyPassword);

// What a preview does on a frame tick, given whether the window it is drawn in (its parent)
// and its own window still exist. A preview is never left running: when its box is gone it
// destroys its window, and when its own window is already gone too (so no destroy message
// will come to end the loop) it ends the message loop itself.
enum class PreviewTick { Draw, DestroyWindow, EndLoop };
PreviewTick previewTick(bool parentExists, bool ownWindowExists);
