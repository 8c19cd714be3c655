// The overlay: the drag rules, the menu's layout, its buttons' press and release rules, the
// fade, the jitter filter and the pointer in full screen.
#include <gtest/gtest.h>

#include "overlay/overlay_menu.h"
#include "overlay/view_dragger.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"
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
        useSettingsStore(new FakeSettingsStore);
        createSettings(Windowed, SettingEffects()).loadAll();
        fired = 0;
        lastAction = "";
    }
    void TearDown() override {
        destroySettings();
        useSettingsStore(nullptr);
    }
    FakePointer pointer;
};

// --- the view dragger ---

void dragBy(ViewDragger& dragger, MouseEvent down, float dx, float dy) {
    dragger.handleMouse(nullptr, 100, 100, down);
    dragger.handleMouse(nullptr, 100 + dx, 100 + dy, MouseEvent::Move);
}

TEST_F(OverlayTest, LeftDragTurnsMostlySidewaysAndZoomsMostlyUpAndDown) {
    ViewDragger dragger(pointer);
    dragBy(dragger, MouseEvent::LeftDown, 10, 3);
    EXPECT_FLOAT_EQ(theSettings->rot_angle.value(), 10);
    EXPECT_EQ(pointer.shape_, PointerShape::Rotate);
    dragger.handleMouse(nullptr, 110, 103, MouseEvent::LeftUp);
    EXPECT_EQ(pointer.shape_, PointerShape::Arrow);

    dragBy(dragger, MouseEvent::LeftDown, 3, 10);
    EXPECT_FLOAT_EQ(theSettings->zoom.value(), 3);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::LeftUp);
    dragBy(dragger, MouseEvent::LeftDown, 5, 5);  // a tie zooms
    EXPECT_FLOAT_EQ(theSettings->zoom.value(), 4.5f);
}

TEST_F(OverlayTest, RightDragOrbitsAndMiddleDragMoves) {
    ViewDragger dragger(pointer);
    dragBy(dragger, MouseEvent::RightDown, 10, -10);
    EXPECT_FLOAT_EQ(theSettings->rotateViewX.value(), 8);
    EXPECT_FLOAT_EQ(theSettings->rotateViewY.value(), 352);  // -8 wrapped
    EXPECT_EQ(pointer.shape_, PointerShape::Orbit);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::RightUp);

    dragBy(dragger, MouseEvent::MiddleDown, 10, 10);
    EXPECT_FLOAT_EQ(theSettings->translateX.value(), 1);
    EXPECT_FLOAT_EQ(theSettings->translateY.value(), -1);
    EXPECT_EQ(pointer.shape_, PointerShape::Move);
    dragger.handleMouse(nullptr, 0, 0, MouseEvent::MiddleUp);

    // Left and right together move the lamp as well.
    dragger.handleMouse(nullptr, 100, 100, MouseEvent::LeftDown);
    dragBy(dragger, MouseEvent::RightDown, 10, 0);
    EXPECT_FLOAT_EQ(theSettings->translateX.value(), 2);
    EXPECT_FLOAT_EQ(theSettings->rot_angle.value(), 0);
}

TEST_F(OverlayTest, AJumpIsIgnoredAndTheNextMoveCountsFromWhereItLanded) {
    ViewDragger dragger(pointer);
    dragBy(dragger, MouseEvent::LeftDown, 51, 0);
    EXPECT_FLOAT_EQ(theSettings->rot_angle.value(), 0);
    dragger.handleMouse(nullptr, 151 + 7, 101, MouseEvent::Move);
    EXPECT_FLOAT_EQ(theSettings->rot_angle.value(), 7);
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

TEST(MenuLayout, RowsForTheWindowWidth) {
    MenuLayout wide = menuLayoutFor(800, 600, true);
    EXPECT_FLOAT_EQ(wide.scale, 1);
    EXPECT_FLOAT_EQ(wide.help.x, 4);
    EXPECT_FLOAT_EQ(wide.snapshot.x, 96);
    EXPECT_FLOAT_EQ(wide.configure.x, 188);
    EXPECT_FLOAT_EQ(wide.screenMode.x, 612);
    EXPECT_FLOAT_EQ(wide.exit.x, 704);
    EXPECT_FLOAT_EQ(wide.help.y, 4);
    EXPECT_FLOAT_EQ(wide.help.size, 92);
    EXPECT_FLOAT_EQ(wide.textY, 584);

    MenuLayout narrow = menuLayoutFor(234, 300, true);
    EXPECT_FLOAT_EQ(narrow.scale, 0.5f);
    EXPECT_FLOAT_EQ(narrow.help.size, 46);
    EXPECT_FLOAT_EQ(narrow.help.x, 2);
    EXPECT_FLOAT_EQ(narrow.snapshot.x, 48);
    EXPECT_FLOAT_EQ(narrow.configure.x, 94);
    EXPECT_FLOAT_EQ(narrow.screenMode.x, 140);
    EXPECT_FLOAT_EQ(narrow.exit.x, 186);

    MenuLayout saver = menuLayoutFor(1024, 768, false);
    EXPECT_FLOAT_EQ(saver.scale, 1);
    EXPECT_FLOAT_EQ(saver.exit.x, 928);
}

// On a 192 DPI display the menu is twice as many pixels, as far as the window's width
// allows, and the line of text keeps twice its distance from the bottom.
TEST(MenuLayout, ScaledDisplaysKeepThePhysicalSize) {
    MenuLayout doubled = menuLayoutFor(1200, 900, true, 2);
    EXPECT_FLOAT_EQ(doubled.scale, 2);
    EXPECT_FLOAT_EQ(doubled.help.size, 184);
    EXPECT_FLOAT_EQ(doubled.help.x, 8);
    EXPECT_FLOAT_EQ(doubled.snapshot.x, 192);
    EXPECT_FLOAT_EQ(doubled.exit.x, 1200 - 192);
    EXPECT_FLOAT_EQ(doubled.textY, 900 - 32);
    // Too narrow for twice the size: the row fills the width, as at 96 DPI.
    MenuLayout fitted = menuLayoutFor(702, 900, true, 2);
    EXPECT_FLOAT_EQ(fitted.scale, 1.5f);
    EXPECT_FLOAT_EQ(fitted.exit.x + fitted.exit.size, 702 - 6);
    // 144 DPI.
    EXPECT_FLOAT_EQ(menuLayoutFor(1200, 900, false, 1.5f).help.size, 138);
}

TEST_F(OverlayTest, AScaledMenuLaysItsWidgetsOutAgain) {
    OverlayMenu menu(Windowed, pointer, recordingActions());
    menu.layout(1200, 900);
    const float before = menu.helpButton().width;
    menu.setPixelScale(2);
    EXPECT_FLOAT_EQ(menu.helpButton().width, 2 * before);
    EXPECT_FLOAT_EQ(menu.webText().height, 24);
    EXPECT_FLOAT_EQ(menu.webText().y, 900 - 32);
    // A nonsense DPI report keeps the menu at its own size.
    menu.setPixelScale(0);
    EXPECT_FLOAT_EQ(menu.helpButton().width, before);
    menu.setPixelScale(1e9f);
    EXPECT_FLOAT_EQ(menu.helpButton().width, before);
}

TEST_F(OverlayTest, ScreenSaverHasNoScreenModeButton) {
    OverlayMenu saver(ScreenSaver, pointer, recordingActions());
    EXPECT_EQ(saver.buttons().size(), 4u);
    EXPECT_EQ(saver.screenModeButton(), nullptr);
    OverlayMenu window(Windowed, pointer, recordingActions());
    ASSERT_NE(window.screenModeButton(), nullptr);
    EXPECT_EQ(window.screenModeButton()->label(), "Full Screen");
    OverlayMenu full(FullScreen, pointer, recordingActions());
    EXPECT_EQ(full.screenModeButton()->label(), "Restore");
}

TEST_F(OverlayTest, AButtonFiresOnReleaseInsideAfterAPressInside) {
    OverlayMenu menu(Windowed, pointer, recordingActions());
    menu.layout(800, 600);
    // Press on snapshot (96..188), move off, release: nothing.
    EXPECT_TRUE(menu.mouse(nullptr, 120, 50, MouseEvent::LeftDown));
    menu.mouse(nullptr, 400, 300, MouseEvent::Move);
    menu.mouse(nullptr, 400, 300, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 0);
    // Press and release on it: it fires.
    menu.mouse(nullptr, 120, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 121, 51, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 1);
    EXPECT_STREQ(lastAction, "snapshot");
    // The right and bottom edges are outside.
    menu.mouse(nullptr, 188, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 188, 50, MouseEvent::LeftUp);
    EXPECT_STREQ(lastAction, "configure");  // 188 is configure's left edge
    menu.mouse(nullptr, 704 + 92, 50, MouseEvent::LeftDown);
    menu.mouse(nullptr, 704 + 92, 50, MouseEvent::LeftUp);
    EXPECT_EQ(fired, 2);
    // Pressing elsewhere and releasing over the text opens the About box.
    menu.mouse(nullptr, 400, 300, MouseEvent::LeftDown);
    menu.webText().width = 100;
    menu.mouse(nullptr, 10, 590, MouseEvent::LeftUp);
    EXPECT_STREQ(lastAction, "about");
    EXPECT_EQ(fired, 3);
}

TEST_F(OverlayTest, ButtonsDoNotLightUpUnderSomeoneElsesDrag) {
    OverlayMenu menu(Windowed, pointer, recordingActions());
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
    OverlayMenu menu(Windowed, pointer, recordingActions());
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
    OverlayMenu menu(Windowed, pointer, recordingActions());
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
    OverlayMenu menu(FullScreen, pointer, recordingActions());
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
    OverlayMenu window(Windowed, pointer, recordingActions());
    pointer.shape_ = PointerShape::Arrow;
    window.mouse(nullptr, 300, 300, MouseEvent::Move);
    for (int n = 0; n < 300; ++n) window.update(0.04f);
    EXPECT_EQ(pointer.shape_, PointerShape::Arrow);
}

}  // namespace
