// The overlay: the drag rules, the menu's layout, its buttons' press and release rules, the
// fade, the jitter filter and the pointer in full screen.
#include <gtest/gtest.h>

#include "overlay/overlay_menu.h"
#include "overlay/view_dragger.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/settings.h"
#include "settings/view_operations.h"
#include "tests/fakes/fake_pointer.h"

namespace {

int fired = 0;
const char* lastAction = "";
void record(const char* name) {
    ++fired;
    lastAction = name;
}

MenuActions recordingActions() {
    MenuActions actions;
    actions.help = [](WindowRef) { record("help"); };
    actions.snapshot = [](WindowRef) { record("snapshot"); };
    actions.configure = [](WindowRef) { record("configure"); };
    actions.screenMode = [](WindowRef) { record("screen mode"); };
    actions.exit = [](WindowRef) { record("exit"); };
    actions.about = [](WindowRef) { record("about"); };
    return actions;
}

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.loadAll();
        fired = 0;
        lastAction = "";
    }
    FakeSettingsStore store;
    Settings settings{Windowed, SettingEffects(), &store};
    FakePointer pointer;
};

// --- the view dragger ---

void dragBy(ViewDragger& dragger, MouseEvent down, float dx, float dy) {
    dragger.handleMouse(nullptr, 100, 100, down);
    dragger.handleMouse(nullptr, 100 + dx, 100 + dy, MouseEvent::Move);
}

TEST_F(OverlayTest, LeftDragTurnsMostlySidewaysAndZoomsMostlyUpAndDown) {
    ViewDragger dragger(pointer, settings);
    dragBy(dragger, MouseEvent::LeftDown, 10, 3);
    EXPECT_FLOAT_EQ(settings.rot_angle.value(), 10);
    EXPECT_EQ(pointer.shape_, PointerShape::Rotate);
    dragger.handleMouse(nullptr, 110, 103, MouseEvent::LeftUp);
    EXPECT_EQ(pointer.shape_, PointerShape::Arrow);

    dragBy(dragger, MouseEvent::LeftDown, 3, 10);
    EXPECT_FLOAT_EQ(settings.zoom.value(), 3);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::LeftUp);
    dragBy(dragger, MouseEvent::LeftDown, 5, 5);  // a tie zooms
    EXPECT_FLOAT_EQ(settings.zoom.value(), 4.5f);
}

TEST_F(OverlayTest, RightDragOrbitsAndMiddleDragMoves) {
    ViewDragger dragger(pointer, settings);
    dragBy(dragger, MouseEvent::RightDown, 10, -10);
    EXPECT_FLOAT_EQ(settings.rotateViewX.value(), 8);
    EXPECT_FLOAT_EQ(settings.rotateViewY.value(), 352);  // -8 wrapped
    EXPECT_EQ(pointer.shape_, PointerShape::Orbit);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::RightUp);

    dragBy(dragger, MouseEvent::MiddleDown, 10, 10);
    EXPECT_FLOAT_EQ(settings.translateX.value(), 1);
    EXPECT_FLOAT_EQ(settings.translateY.value(), -1);
    EXPECT_EQ(pointer.shape_, PointerShape::Move);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::MiddleUp);

    // Left and right together move the lamp as well.
    dragger.handleMouse(nullptr, 100, 100, MouseEvent::LeftDown);
    dragBy(dragger, MouseEvent::RightDown, 10, 0);
    EXPECT_FLOAT_EQ(settings.translateX.value(), 2);
    EXPECT_FLOAT_EQ(settings.rot_angle.value(), 0);
}

TEST_F(OverlayTest, AJumpIsIgnoredAndTheNextMoveCountsFromWhereItLanded) {
    ViewDragger dragger(pointer, settings);
    dragBy(dragger, MouseEvent::LeftDown, 51, 0);
    EXPECT_FLOAT_EQ(settings.rot_angle.value(), 0);
    dragger.handleMouse(nullptr, 151 + 7, 101, MouseEvent::Move);
    EXPECT_FLOAT_EQ(settings.rot_angle.value(), 7);
    // A release it did not see pressed is not its own; a capture loss drops every button.
    EXPECT_FALSE(dragger.handleMouse(nullptr, 0, 0, MouseEvent::RightUp));
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::CaptureChanged);
    EXPECT_FALSE(dragger.leftHeld);
    EXPECT_FALSE(dragger.handleMouse(nullptr, 5, 0, MouseEvent::Move));
}

TEST(WrapDegrees, IntoZeroToThreeSixty) {
    EXPECT_FLOAT_EQ(wrapDegrees(-10), 350);
    EXPECT_FLOAT_EQ(wrapDegrees(360), 360);
    EXPECT_FLOAT_EQ(wrapDegrees(725), 5);
    EXPECT_FLOAT_EQ(wrapDegrees(-720), 0);
}

// --- the menu ---

TEST(MenuLayout, AFullRowInAWideWindow) {
    MenuLayout wide = menuLayoutFor(800, 700, true);
    EXPECT_FLOAT_EQ(wide.scale, 1);
    // Pictures four pixels from the edges and eight apart: each reaches 8 beyond its button.
    EXPECT_FLOAT_EQ(wide.help.x, 12);
    EXPECT_FLOAT_EQ(wide.snapshot.x, 128);
    EXPECT_FLOAT_EQ(wide.configure.x, 244);
    EXPECT_FLOAT_EQ(wide.screenMode.x, 800 - 220);
    EXPECT_FLOAT_EQ(wide.exit.x, 800 - 104);
    EXPECT_FLOAT_EQ(wide.help.y, 12);
    EXPECT_FLOAT_EQ(wide.help.size, 92);
    EXPECT_FLOAT_EQ(wide.textY, 684);
    EXPECT_FALSE(menuLayoutFor(1024, 768, false).screenMode.shown);  // the saver has four
    // On a 192 DPI display twice the pixels, and the corner text twice as far up.
    MenuLayout doubled = menuLayoutFor(1400, 1400, true, 2);
    EXPECT_FLOAT_EQ(doubled.help.size, 184);
    EXPECT_FLOAT_EQ(doubled.textY, 1400 - 32);
}

// Every window, from a large one to one too small for a button: the buttons shown lie
// inside the window with a margin, with gaps between them, their labels clear of the
// corner text, never smaller than the least size; exit goes last, and a window that has
// room for all of them at the least size shows all.
TEST(MenuLayout, TheRowFitsAnyWindow) {
    for (const float u : {1.0f, 1.5f, 2.0f}) {
        for (const bool withScreenMode : {true, false}) {
            for (int width = 60; width <= 2600; width += 17) {
                for (int height = 40; height <= 1500; height += 23) {
                    const MenuLayout layout = menuLayoutFor(width, height, withScreenMode, u);
                    const std::vector<ButtonPlace> all = {layout.help, layout.snapshot, layout.configure,
                                                          layout.screenMode, layout.exit};
                    std::vector<ButtonPlace> shown;
                    for (size_t i = 0; i < all.size(); ++i)
                        if (all[i].shown && (withScreenMode || i != 3)) shown.push_back(all[i]);
                    const std::string where = std::to_string(width) + "x" + std::to_string(height) + " at " +
                                              std::to_string(u) + (withScreenMode ? " with" : " without");
                    ASSERT_TRUE(shown.empty() || layout.exit.shown) << where;
                    const float s = layout.scale, margin = 4 * s * u - 0.01f;
                    ASSERT_GE(s, minimumButtonScale - 1e-6f) << where;
                    ASSERT_LE(s, 1.0f) << where;
                    for (size_t i = 0; i < shown.size(); ++i) {
                        const ButtonPlace& b = shown[i];
                        ASSERT_FLOAT_EQ(b.size, 92 * s * u) << where;
                        ASSERT_GE(b.x - b.inset, margin) << where;
                        ASSERT_LE(b.x + b.size + b.inset, width - margin) << where;
                        ASSERT_GE(b.y - b.inset, margin) << where;
                        // A hovered button's label stays above the note's line over the corner text.
                        ASSERT_LE(b.y + b.size + b.inset + buttonLabelDrop + buttonLabelDescent,
                                  layout.textY - 12 * u + 0.01f)
                            << where;
                        for (size_t j = 0; j < i; ++j) {
                            const ButtonPlace& a = shown[j];
                            const float gap = std::max(a.x, b.x) - std::min(a.x, b.x) - b.size - 2 * b.inset;
                            ASSERT_GE(gap, 8 * s * u - 0.01f) << where << ": buttons " << j << " and " << i;
                        }
                    }
                    const size_t wanted = withScreenMode ? 5 : 4;
                    if (shown.size() < wanted) {
                        ASSERT_FLOAT_EQ(s, minimumButtonScale) << where;
                    }
                    if (shown.size() < wanted && !shown.empty()) {
                        ASSERT_GT(s * u * (116 * (shown.size() + 1)), width) << where << ": room for one more";
                    }
                }
            }
        }
    }
}

TEST(MenuLayout, ANarrowWindowShowsTheButtonsThatFitExitFirst) {
    // Room for two buttons at the least size: exit and the screen mode.
    const MenuLayout two = menuLayoutFor(110, 400, true);
    EXPECT_TRUE(two.exit.shown);
    EXPECT_TRUE(two.screenMode.shown);
    EXPECT_FALSE(two.configure.shown || two.help.shown || two.snapshot.shown);
    // Too low for a button and its label above the corner text: none.
    const MenuLayout none = menuLayoutFor(800, 60, true);
    EXPECT_FALSE(none.exit.shown || none.help.shown);
}

TEST_F(OverlayTest, AScaledMenuLaysItsWidgetsOutAgain) {
    OverlayMenu menu(Windowed, pointer, recordingActions(), settings);
    menu.layout(1200, 1400);
    const float before = menu.helpButton().width;
    menu.setPixelScale(2);
    EXPECT_FLOAT_EQ(menu.helpButton().width, 2 * before);
    EXPECT_FLOAT_EQ(menu.webText().height, 24);
    EXPECT_FLOAT_EQ(menu.webText().y, 1400 - 32);
    // A nonsense DPI report keeps the menu at its own size.
    menu.setPixelScale(0);
    EXPECT_FLOAT_EQ(menu.helpButton().width, before);
    menu.setPixelScale(1e9f);
    EXPECT_FLOAT_EQ(menu.helpButton().width, before);
}

TEST_F(OverlayTest, ScreenSaverHasNoScreenModeButton) {
    OverlayMenu saver(ScreenSaver, pointer, recordingActions(), settings);
    EXPECT_EQ(saver.buttons().size(), 4u);
    EXPECT_EQ(saver.screenModeButton(), nullptr);
    OverlayMenu window(Windowed, pointer, recordingActions(), settings);
    ASSERT_NE(window.screenModeButton(), nullptr);
    EXPECT_EQ(window.screenModeButton()->label(), "Full Screen");
    OverlayMenu full(FullScreen, pointer, recordingActions(), settings);
    EXPECT_EQ(full.screenModeButton()->label(), "Restore");
}

TEST_F(OverlayTest, AButtonFiresOnReleaseInsideAfterAPressInside) {
    OverlayMenu menu(Windowed, pointer, recordingActions(), settings);
    menu.layout(800, 700);
    // Press on snapshot (128..220), move off, release: nothing.
    EXPECT_TRUE(menu.mouse(nullptr, 150, 50, MouseEvent::LeftDown));
    menu.mouse(nullptr, 400, 300, MouseEvent::Move);
    menu.mouse(nullptr, 400, 300, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 0);
    // Press and release on it: it fires.
    menu.mouse(nullptr, 150, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 151, 51, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 1);
    EXPECT_STREQ(lastAction, "snapshot");
    // The right and bottom edges are outside; the gap between two buttons is no button's.
    menu.mouse(nullptr, 220, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 220, 50, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 1);
    menu.mouse(nullptr, 244, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 244, 50, MouseEvent::LeftUp);
    EXPECT_STREQ(lastAction, "configure");  // 244 is configure's left edge
    menu.mouse(nullptr, 696 + 92, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 696 + 92, 50, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 2);
    // A button a narrow window has no room for takes no clicks (only exit fits in 60 pixels,
    // right of where help would be).
    menu.layout(60, 400);
    menu.mouse(nullptr, 8, 20, MouseEvent::LeftDown);
    menu.mouse(nullptr, 8, 20, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 2);
    menu.layout(800, 700);
    // Pressing elsewhere and releasing over the text opens the About box.
    menu.mouse(nullptr, 400, 300, MouseEvent::LeftDown);
    menu.webText().width = 100;
    menu.mouse(nullptr, 10, 690, MouseEvent::LeftUp);
    EXPECT_STREQ(lastAction, "about");
    EXPECT_EQ(fired, 3);
}

TEST_F(OverlayTest, ButtonsDoNotLightUpUnderSomeoneElsesDrag) {
    OverlayMenu menu(Windowed, pointer, recordingActions(), settings);
    menu.layout(800, 600);
    pointer.captured_ = true;
    menu.mouse(nullptr, 20, 20, MouseEvent::Move);
    EXPECT_FALSE(menu.helpButton().hover);
    pointer.captured_ = false;
    menu.mouse(nullptr, 21, 21, MouseEvent::Move);
    EXPECT_TRUE(menu.helpButton().hover);
    menu.mouse(nullptr, -1, -1, MouseEvent::Leave);
    EXPECT_FALSE(menu.helpButton().hover);
}

TEST_F(OverlayTest, TheMenuShowsOnMotionAndFadesAfterTwoStillSeconds) {
    OverlayMenu menu(Windowed, pointer, recordingActions(), settings);
    menu.layout(800, 600);
    EXPECT_FALSE(menu.update(0.04f));  // starts hidden
    EXPECT_GT(menu.buttonFade, 0.99f);
    menu.mouse(nullptr, 300, 300, MouseEvent::Move);
    EXPECT_TRUE(menu.update(0.04f));
    EXPECT_NEAR(menu.buttonFade, 0.7f, 1e-6f);
    // 49 more still frames at 25 per second: 1.96 s, still shown.
    for (int n = 0; n < 49; ++n) menu.update(0.04f);
    EXPECT_TRUE(menu.menuVisible);
    EXPECT_LT(menu.buttonFade, 0.01f);
    menu.update(0.04f);
    EXPECT_FALSE(menu.menuVisible);
    // Fading: 0.95 x fade + 0.05 a frame, the text towards 0.8.
    const float fade = menu.buttonFade;
    menu.update(0.04f);
    EXPECT_NEAR(menu.buttonFade, fade * 0.95f + 0.05f, 1e-6f);
    for (int n = 0; n < 300; ++n) menu.update(0.04f);
    EXPECT_NEAR(menu.textFade, 0.8f, 1e-3f);
    EXPECT_GT(menu.buttonFade, 0.99f);
}

TEST_F(OverlayTest, JitterDoesNotWakeTheMenuButAThreePixelStepDoes) {
    OverlayMenu menu(Windowed, pointer, recordingActions(), settings);
    float x = 300;
    // The pointer arrives, then rests until the menu has gone.
    menu.mouse(nullptr, x, 300, MouseEvent::Move);
    for (int n = 0; n < 60; ++n) menu.update(0.04f);
    ASSERT_FALSE(menu.menuVisible);
    for (int n = 0; n < 20; ++n) {
        x += (n % 2 ? -2.0f : 2.0f);
        menu.mouse(nullptr, x, 300, MouseEvent::Move);
        EXPECT_FALSE(menu.update(0.04f)) << n;
    }
    menu.mouse(nullptr, x + 3, 300, MouseEvent::Move);
    EXPECT_TRUE(menu.update(0.04f));
    // A held button keeps it shown.
    menu.mouse(nullptr, x + 3, 300, MouseEvent::RightDown);
    for (int n = 0; n < 100; ++n) EXPECT_TRUE(menu.update(0.04f));
    pointer.buttonDown_ = false;
    menu.mouse(nullptr, x + 3, 300, MouseEvent::RightUp);
    for (int n = 0; n < 60; ++n) menu.update(0.04f);
    EXPECT_FALSE(menu.menuVisible);
}

TEST_F(OverlayTest, InFullScreenThePointerLeavesWithTheButtons) {
    OverlayMenu menu(FullScreen, pointer, recordingActions(), settings);
    menu.mouse(nullptr, 300, 300, MouseEvent::Move);
    menu.update(0.04f);
    int frames = 0;
    while (pointer.shape_ != PointerShape::Blank && frames < 500) {
        menu.update(0.04f);
        ++frames;
    }
    EXPECT_EQ(pointer.shape_, PointerShape::Blank);
    EXPECT_GT(menu.buttonFade, 0.99f);
    menu.mouse(nullptr, 320, 300, MouseEvent::Move);
    menu.update(0.04f);
    EXPECT_EQ(pointer.shape_, PointerShape::Arrow);
    // A drag's pointer is left alone.
    pointer.shape_ = PointerShape::Rotate;
    for (int n = 0; n < 300; ++n) menu.update(0.04f);
    EXPECT_EQ(pointer.shape_, PointerShape::Rotate);

    // In a window the pointer always stays.
    OverlayMenu window(Windowed, pointer, recordingActions(), settings);
    pointer.shape_ = PointerShape::Arrow;
    window.mouse(nullptr, 300, 300, MouseEvent::Move);
    for (int n = 0; n < 300; ++n) window.update(0.04f);
    EXPECT_EQ(pointer.shape_, PointerShape::Arrow);
}

}  // namespace
