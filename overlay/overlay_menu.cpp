// The overlay menu.
#include "overlay/overlay_menu.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/diagnostics.h"
#include "platform/gl.h"
#include "platform/pointer.h"
#include "resources/resource_ids.h"
#include "resources/web_site.h"
#include "scene/material.h"
#include "scene/texture.h"

namespace {

// The fade level at which the buttons count as gone (and the pointer goes with them).
constexpr float invisibleFade = 0.99f;
constexpr float stillSeconds = 2.0f;
// A motion of more than about 2.8 pixels between frames wakes the menu; jitter does not.
constexpr float wakeDistanceSquared = 8.0f;

// The row's measures at scale 1, in pixels of the pixel scale: a button's clickable side,
// the inset its picture reaches beyond it, the margin from the window's edges to the
// pictures and the least gap between two pictures.
constexpr float buttonSide = 92, buttonInset = 8, rowMargin = 4, buttonGap = 8;
constexpr float buttonPitch = buttonSide + 2 * buttonInset + buttonGap;
// The corner text's line and its margin from the bottom; the note's line stands above it.
constexpr float textLine = 12, textMargin = 4;

}  // namespace

MenuLayout menuLayoutFor(int width, int height, bool withScreenMode, float pixelScale) {
    const float w = static_cast<float>(width), h = static_cast<float>(height), u = pixelScale;
    MenuLayout layout{};
    layout.textY = h - (textLine + textMargin) * u;
    // The buttons in the order they give way when the window is too narrow for all of them.
    ButtonPlace* const byImportance[] = {&layout.exit, withScreenMode ? &layout.screenMode : nullptr,
                                         &layout.configure, &layout.help, &layout.snapshot};
    const int all = withScreenMode ? 5 : 4;
    // The row's width and height for n buttons at scale s, in window pixels.
    const auto rowWidth = [u](int n, float s) { return s * u * (n * buttonPitch - buttonGap + 2 * rowMargin); };
    // Down to the pictures' bottom (times s), then a hovered button's label, clear of the
    // note's line above the corner text.
    const float rowHeight = rowMargin + 2 * buttonInset + buttonSide;
    const float spareHeight = layout.textY - textLine * u - buttonLabelDrop - buttonLabelDescent;
    float s = std::min({1.0f, w / rowWidth(all, 1), spareHeight / (rowHeight * u)});
    int n = all;
    if (s < minimumButtonScale) {
        s = minimumButtonScale;
        n = 0;
        if (spareHeight >= rowHeight * u * s)
            while (n < all && rowWidth(n + 1, s) <= w) ++n;
    }
    layout.scale = s;
    for (int i = 0, shown = 0; i < 5; ++i) {
        if (!byImportance[i]) continue;
        byImportance[i]->shown = shown++ < n;
    }
    // Left group from the left edge, right group from the right, each only of those shown.
    const float pitch = buttonPitch * s * u, first = (rowMargin + buttonInset) * s * u;
    const float y = (rowMargin + buttonInset) * s * u, size = buttonSide * s * u, inset = buttonInset * s * u;
    float left = first;
    for (ButtonPlace* place : {&layout.help, &layout.snapshot, &layout.configure}) {
        *place = {left, y, size, inset, place->shown};
        if (place->shown) left += pitch;
    }
    float right = w - first - size;
    for (ButtonPlace* place : {&layout.exit, &layout.screenMode}) {
        *place = {right, y, size, inset, place->shown};
        if (place->shown) right -= pitch;
    }
    return layout;
}

OverlayMenu::OverlayMenu(RunMode mode, PointerPort& pointer, const MenuActions& actions, Settings& settings)
    : mode_(mode), pointer_(pointer) {
    buttonMaterial_ = std::make_unique<Material>(0, 0, 0, 0, 0, 0, 0, 0, 0, 0.9f, 0.9f, 0.9f, 0.1f, 0, 1.4f);
    buttonMaterial_->alphaBlend = true;
    textMaterial_ = std::make_unique<Material>(0, 0, 0, 0, 0, 0, 0, 0, 0, 0.8f, 0.8f, 0.8f, 0.1f, 0.001f, 1.4f);
    textMaterial_->alphaBlend = false;

    const bool withScreenMode = mode == Windowed || mode == FullScreen;
    const auto icon = [this](int id) {
        icons_.push_back(std::make_unique<Texture>(id));
        return icons_.back()->loaded() ? icons_.back().get() : nullptr;
    };
    Material* material = buttonMaterial_.get();
    help_ = std::make_unique<OverlayButton>(material, icon(RES_BUTTON_HELP), actions.help, "Help", pointer);
    snapshot_ = std::make_unique<OverlayButton>(material, icon(RES_BUTTON_SNAPSHOT), actions.snapshot,
                                                "Take Snapshot", pointer);
    configure_ = std::make_unique<OverlayButton>(material, icon(RES_BUTTON_CONFIGURE), actions.configure,
                                                 "Configure", pointer);
    group_.add(help_.get());
    group_.add(snapshot_.get());
    group_.add(configure_.get());
    if (withScreenMode) {
        const bool full = mode == FullScreen;
        screenMode_ = std::make_unique<OverlayButton>(
            material, icon(full ? RES_BUTTON_RESTORE : RES_BUTTON_FULL_SCREEN), actions.screenMode,
            full ? "Restore" : "Full Screen", pointer);
        group_.add(screenMode_.get());
    }
    exit_ = std::make_unique<OverlayButton>(material, icon(RES_BUTTON_EXIT), actions.exit, "Exit", pointer);
    group_.add(exit_.get());
    webText_ = std::make_unique<OverlayText>(textMaterial_.get(), GLIMMERJAR_WEB_SITE_NAME, actions.about, pointer);
    group_.add(webText_.get());
    group_.add(&note_);
    dragger_ = std::make_unique<ViewDragger>(pointer, settings);
    group_.add(dragger_.get());
}

OverlayMenu::~OverlayMenu() = default;

std::vector<OverlayButton*> OverlayMenu::buttons() const {
    std::vector<OverlayButton*> row = {help_.get(), snapshot_.get(), configure_.get()};
    if (screenMode_) row.push_back(screenMode_.get());
    row.push_back(exit_.get());
    return row;
}

void OverlayMenu::layout(int width, int height, int left, int top) {
    width_ = width;
    height_ = height;
    left_ = left;
    top_ = top;
    const MenuLayout layout = menuLayoutFor(width, height, screenMode_ != nullptr, pixelScale_);
    const float dx = static_cast<float>(left), dy = static_cast<float>(top);
    const auto place = [dx, dy](OverlayButton& button, const ButtonPlace& at) {
        button.place(at.x + dx, at.y + dy, at.size, at.size, -at.inset, at.inset, -at.inset, at.inset);
        button.visible = at.shown;
    };
    place(*help_, layout.help);
    place(*snapshot_, layout.snapshot);
    place(*configure_, layout.configure);
    if (screenMode_) place(*screenMode_, layout.screenMode);
    place(*exit_, layout.exit);
    // What the tests of the real program check the row by: each picture's rectangle.
    std::string row;
    for (const OverlayButton* button : buttons()) {
        char part[128];
        if (button->visible) {
            std::snprintf(part, sizeof part, " %s %.1f,%.1f-%.1f,%.1f;", button->label().c_str(),
                          button->x + button->insetLeft, button->y + button->insetTop,
                          button->x + button->width + button->insetRight, button->y + button->height + button->insetBottom);
        } else {
            std::snprintf(part, sizeof part, " %s hidden;", button->label().c_str());
        }
        row += part;
    }
    diag("Menu layout %dx%d at %d,%d:%s corner text from %.1f\n", width, height, left, top, row.c_str(),
         dy + layout.textY);
    webText_->x = dx + 2 * pixelScale_;
    webText_->y = dy + layout.textY;
    webText_->height = textLine * pixelScale_;
    // One line above the corner text, across the whole width.
    note_.place(dx, static_cast<float>(width), dy + layout.textY - textLine * pixelScale_, pixelScale_);
}

void OverlayMenu::setPixelScale(float scale) {
    // Anything from a tenth to ten times: a broken DPI report must not hide the menu.
    pixelScale_ = scale >= 0.1f && scale <= 10 ? scale : 1;
    layout(width_, height_, left_, top_);
}

bool OverlayMenu::update(float seconds) {
    const float dx = mouseX - previousMouseX, dy = mouseY - previousMouseY;
    if (dx * dx + dy * dy > wakeDistanceSquared) idleTime = 0;
    previousMouseX = mouseX;
    previousMouseY = mouseY;
    if (buttonHeld) idleTime = 0;
    idleTime += seconds;
    menuVisible = idleTime < stillSeconds;

    float newButtonFade;
    if (menuVisible) {
        newButtonFade = buttonFade * 0.7f;
        textFade *= 0.7f;
    } else {
        // The text settles at 0.8, faint but readable; the buttons at 1, invisible.
        newButtonFade = buttonFade * 0.95f + 0.05f;
        textFade = textFade * 0.95f + 0.04f;
    }
    // In full screen the pointer leaves with the buttons and comes back with them; a drag's
    // pointer is left alone.
    if (mode_ == ScreenSaver || mode_ == FullScreen) {
        const PointerShape shape = pointer_.shape();
        if (buttonFade < invisibleFade && newButtonFade >= invisibleFade &&
            (shape == PointerShape::None || shape == PointerShape::Arrow))
            pointer_.setShape(PointerShape::Blank);
        if (buttonFade >= invisibleFade && newButtonFade < invisibleFade && shape == PointerShape::Blank)
            pointer_.setShape(PointerShape::Arrow);
    }
    buttonFade = newButtonFade;
    buttonMaterial_->transparency = buttonFade;
    textMaterial_->transparency = textFade;
    group_.update(seconds);
    return menuVisible;
}

void OverlayMenu::draw(int complexity, bool drawMenu) {
    // Saved: the depth test, which the lamp needs on; restored at the end.
    glDisable(GL_DEPTH_TEST);
    if (drawMenu && buttonFade < invisibleFade)
        for (OverlayButton* button : buttons()) button->draw(complexity);
    webText_->draw(complexity);
    if (drawMenu) note_.draw(complexity);
    glEnable(GL_DEPTH_TEST);
}

bool OverlayMenu::mouse(WindowRef window, float x, float y, MouseEvent event) {
    switch (event) {
        case MouseEvent::Move:
            if (menuVisible) idleTime = 0;
            mouseX = x;
            mouseY = y;
            break;
        case MouseEvent::LeftDown:
        case MouseEvent::MiddleDown:
        case MouseEvent::RightDown:
            buttonHeld = true;
            break;
        case MouseEvent::LeftUp:
        case MouseEvent::MiddleUp:
        case MouseEvent::RightUp:
            if (!pointer_.anyButtonDown()) buttonHeld = false;
            break;
        case MouseEvent::CaptureChanged:
            buttonHeld = false;
            break;
        case MouseEvent::Leave:
            // During a drag outside the window the widgets keep their state.
            if (buttonHeld) return false;
            break;
        default:
            break;
    }
    return group_.handleMouse(window, x, y, event);
}

void setupOverlayProjection(int width, int height) {
    // The lamp's projection and view are set afresh at the start of every frame.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-1, 1, 0);
    glScalef(2.0f / static_cast<float>(width), -2.0f / static_cast<float>(height), 1);
}

void applyOverlayLighting() {
    // The lamp sets its own ambient light again when it is drawn.
    const GLfloat black[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
}


