// Close blocking for the screen saver.
#include "shell/close_policy.h"

bool shouldBlockClose(RunMode mode, bool closeRequested,
                      const std::function<int()>& verifyPassword) {
    if (mode != ScreenSaver) return false;
    if (!closeRequested) return true;
    return verifyPassword() == 0;
}

PreviewTick previewTick(bool parentExists, bool ownWindowExists) {
    if (!ownWindowExists) return PreviewTick::EndLoop;
    return parentExists ? PreviewTick::Draw : PreviewTick::DestroyWindow;
}
