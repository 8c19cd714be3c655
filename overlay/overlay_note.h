// OverlayNote: a short line the lamp shows for a few seconds to say what it just did or
// could not do ("Saved …\GlimmerjarScreenshot_3.bmp", "Read the manual: man glimmerjar"),
// in the overlay's font, white on a dark band, centred above the corner text; it fades
// out in its last half second. It is part of the menu's drawing, so screenshots and
// movies never show it.
#pragma once

#include <string>

#include "overlay/overlay_widget.h"

class OverlayNote : public OverlayWidget {
public:
    // Shows `text` for `seconds` from now, in place of any note shown before. `shortText`
    // (when not empty) is shown instead where `text` is too wide for the window.
    void show(const std::string& text, float seconds, const std::string& shortText = "");
    bool showing() const { return remaining_ > 0; }
    const std::string& text() const { return text_; }

    // The line's baseline sits at `baselineY`, centred in the `width` pixels from `left`.
    void place(float left, float width, float baselineY, float scale);

    void draw(int complexity) override;
    void update(float seconds) override;
    bool handleMouse(WindowRef, float, float, MouseEvent) override { return false; }

private:
    std::string text_, shortText_;
    float remaining_ = 0;
    float left_ = 0, width_ = 0, baselineY_ = 0, scale_ = 1;
};
