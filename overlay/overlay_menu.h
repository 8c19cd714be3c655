// The overlay menu: a row of textured buttons (help, snapshot, configure, full screen or
// restore, exit) and a line of text over the lamp, drawn in window pixels. It shows when
// the mouse moves and fades after two seconds of stillness; in full screen the pointer
// disappears with it. Drags that no button takes move the view (its ViewDragger).
#pragma once

#include <memory>
#include <vector>

#include "overlay/overlay_button.h"
#include "overlay/overlay_note.h"
#include "overlay/overlay_widget.h"
#include "overlay/view_dragger.h"
#include "settings/run_mode.h"

class PointerPort;
class Settings;
class Texture;
struct Material;

// What the menu's widgets do; supplied by the shell.
struct MenuActions {
    WidgetAction help = nullptr;
    WidgetAction snapshot = nullptr;
    WidgetAction configure = nullptr;
    WidgetAction screenMode = nullptr;  // Windowed and FullScreen only
    WidgetAction exit = nullptr;
    WidgetAction about = nullptr;  // the line of text
};

// Where the buttons go in a width x height window: a row that fits the window, each
// button's drawn square (its clickable square and an inset of 8/92 of it round it) four
// scaled pixels inside the window's edges and at least eight from its neighbours. At full
// size a button is 92 pixels of the pixel scale (the display's DPI over 96, so 1 on a 96
// DPI display); the row shrinks for a narrow window, and for a low one, so that it and a
// button's label under it stay above the corner text. It never shrinks below a size that
// is still legible and easy to click (minimumButtonScale); a window too narrow for every
// button at that size shows those that fit, exit first, then the screen mode, configure,
// help and snapshot, and one too low for them shows none. Help, snapshot and configure sit
// from the left, exit (and the screen-mode button left of it) from the right.
constexpr float minimumButtonScale = 40.0f / 92.0f;
struct ButtonPlace {
    float x, y, size, inset;
    bool shown;
};
struct MenuLayout {
    float scale;
    ButtonPlace help, snapshot, configure, screenMode, exit;
    float textY;  // the corner text's top
};
MenuLayout menuLayoutFor(int width, int height, bool withScreenMode, float pixelScale = 1);

class OverlayMenu {
public:
    // Drags that no button takes move the view of `settings`.
    OverlayMenu(RunMode mode, PointerPort& pointer, const MenuActions& actions, Settings& settings);
    ~OverlayMenu();
    OverlayMenu(const OverlayMenu&) = delete;
    OverlayMenu& operator=(const OverlayMenu&) = delete;

    // The menu over a width x height part of the window whose top left corner is at (left,
    // top) in window pixels (the whole window unless the lamp is drawn per monitor).
    void layout(int width, int height, int left = 0, int top = 0);
    // Window pixels per menu pixel: the display's DPI over 96. The menu is laid out again;
    // the font it writes with is the shell's to match.
    void setPixelScale(float scale);
    float pixelScale() const { return pixelScale_; }
    // Once per frame: the idle time, the fades, the pointer. True while the menu is shown
    // (the user is active).
    bool update(float seconds);
    void draw(int complexity, bool drawMenu);
    bool mouse(WindowRef window, float x, float y, MouseEvent event);

    // The buttons in drawing order (the screen-mode button only where it exists).
    std::vector<OverlayButton*> buttons() const;
    OverlayButton& helpButton() { return *help_; }
    OverlayButton& snapshotButton() { return *snapshot_; }
    OverlayButton& configureButton() { return *configure_; }
    OverlayButton* screenModeButton() { return screenMode_.get(); }
    OverlayButton& exitButton() { return *exit_; }
    OverlayText& webText() { return *webText_; }
    // The line the lamp shows for a few seconds (a screenshot's name, what to open by hand).
    OverlayNote& note() { return note_; }
    ViewDragger& dragger() { return *dragger_; }

    float buttonFade = 1.0f;  // transparency of the buttons: 1 is invisible
    float textFade = 1.0f;
    bool menuVisible = false;
    float idleTime = 10.0f;   // seconds since the mouse last moved
    bool buttonHeld = false;
    float mouseX = 0, mouseY = 0, previousMouseX = 0, previousMouseY = 0;

private:
    const RunMode mode_;
    PointerPort& pointer_;
    std::unique_ptr<Material> buttonMaterial_, textMaterial_;
    std::vector<std::unique_ptr<Texture>> icons_;
    std::unique_ptr<OverlayButton> help_, snapshot_, configure_, screenMode_, exit_;
    std::unique_ptr<OverlayText> webText_;
    std::unique_ptr<ViewDragger> dragger_;
    OverlayNote note_;
    OverlayGroup group_;
    int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
    float pixelScale_ = 1;
};

// The overlay's projection, window pixels with the origin top left, and its lighting (the
// emission of the buttons' and the text's materials alone), set before the menu draws.
void setupOverlayProjection(int width, int height);
void applyOverlayLighting();
