// Window form and rectangle per run mode.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/window_geometry.h"

namespace {

void expectRect(const WindowPlacement& p, int x, int y, int w, int h) {
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
}

}  // namespace

TEST(WindowGeometry, WindowedDefaultSizeFollowsTheScreen) {
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, -1, -1, 0, 0), 341, 192, 341, 384);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1920, 1080}, -1, -1, 0, 0), 693, 270, 533, 540);
    // Large screens cap the window at 533 x 600.
    expectRect(windowPlacementFor(Windowed, {0, 0, 3840, 2160}, -1, -1, 0, 0), 1653, 780, 533, 600);
    // Divisions truncate.
    expectRect(windowPlacementFor(Windowed, {0, 0, 1023, 767}, -1, -1, 0, 0), 341, 192, 341, 383);
}

TEST(WindowGeometry, WindowedRequestedSizeNeedsBothNumbers) {
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 800, 600, 0, 0), 112, 84, 800, 600);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 800, 0, 0, 0), 341, 192, 341, 384);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 0, 600, 0, 0), 341, 192, 341, 384);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, -800, 600, 0, 0), 341, 192, 341, 384);
    // Larger than the screen (the work area): as large as it, all of it on the monitor.
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 2000, 1000, 0, 0), 0, 0, 1024, 768);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 740}, 100000, 500, 0, 0), 0, 120, 1024, 500);
    expectRect(windowPlacementFor(Windowed, {-1280, -200, 1280, 984}, 3000, 3000, 0, 0), -1280, -200, 1280, 984);
    expectRect(windowPlacementFor(Windowed, {-1280, -200, 1280, 984}, 800, 3000, 0, 0), -1280 + 240, -200, 800, 984);
    // Too small to see the lamp in: the least window, 160 a side.
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 1, 1, 0, 0), 432, 304, 160, 160);
    expectRect(windowPlacementFor(Windowed, {0, 0, 1024, 768}, 900, 20, 0, 0), 62, 304, 900, 160);
    const WindowPlacement p = windowPlacementFor(Windowed, {0, 0, 1024, 768}, 800, 600, 0, 0);
    EXPECT_EQ(p.frame, WindowFrame::Overlapped);
    EXPECT_FALSE(p.topmost);
    EXPECT_STREQ(p.title, "Glimmerjar");
}

TEST(WindowGeometry, FullScreenModesCoverTheScreenOnTop) {
    for (RunMode mode : {ScreenSaver, FullScreen}) {
        const WindowPlacement p = windowPlacementFor(mode, {0, 0, 1920, 1080}, 800, 600, 0, 0);
        expectRect(p, 0, 0, 1920, 1080);
        EXPECT_EQ(p.frame, WindowFrame::Popup);
        EXPECT_TRUE(p.topmost);
        EXPECT_STREQ(p.title, "Glimmerjar");
    }
}

TEST(WindowGeometry, ConfigureSitsLeftOfCentre) {
    const WindowPlacement p = windowPlacementFor(Configure, {0, 0, 1024, 768}, -1, -1, 0, 0);
    expectRect(p, 162, 134, 350, 500);
    EXPECT_EQ(p.frame, WindowFrame::Overlapped);
    expectRect(windowPlacementFor(Configure, {0, 0, 1920, 1080}, -1, -1, 0, 0), 610, 290, 350, 500);
}

TEST(WindowGeometry, PreviewFillsItsParent) {
    const WindowPlacement p = windowPlacementFor(Preview, {0, 0, 1024, 768}, 800, 600, 152, 112);
    expectRect(p, 0, 0, 152, 112);
    EXPECT_EQ(p.frame, WindowFrame::Child);
    EXPECT_FALSE(p.topmost);
    EXPECT_STREQ(p.title, "Preview");
}

// On a desktop of several monitors the shell passes the area that counts: the virtual
// screen for the saver (which may start left of and above the primary monitor), the
// monitor a window goes on otherwise.
TEST(WindowGeometry, AreasAwayFromTheOrigin) {
    expectRect(windowPlacementFor(ScreenSaver, {-1080, -600, 3000, 1920}, -1, -1, 0, 0), -1080, -600, 3000, 1920);
    expectRect(windowPlacementFor(FullScreen, {1920, 0, 1280, 1024}, -1, -1, 0, 0), 1920, 0, 1280, 1024);
    expectRect(windowPlacementFor(Windowed, {-1280, 0, 1280, 1024}, -1, -1, 0, 0), -1280 + 427, 256, 426, 512);
    expectRect(windowPlacementFor(Configure, {1920, -200, 1024, 768}, -1, -1, 0, 0), 1920 + 162, -200 + 134, 350, 500);
    expectRect(windowPlacementFor(Preview, {1920, -200, 1024, 768}, -1, -1, 152, 112), 0, 0, 152, 112);
}

// A size on the command line: two whole numbers that an int holds; anything else (an
// overflowing number among them) is no size, and the window takes its default.
TEST(WindowGeometry, SizesParseOnlyWhenTheyFit) {
    int w = 0, h = 0;
    EXPECT_TRUE(parseWindowSize(" 800x600 ", w, h));
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    EXPECT_TRUE(parseWindowSize("2147483647X5", w, h));
    EXPECT_EQ(w, 2147483647);
    for (const char* bad : {"99999999999999999999x5", "2147483648x5", "5x2147483648", "0x5", "-5x5", "800x", "x600",
                            "800 600", "800x600x4", "", "1e3x5"}) {
        w = h = 7;
        EXPECT_FALSE(parseWindowSize(bad, w, h)) << bad;
        EXPECT_EQ(w, 7) << bad;
    }
}

// The configuration dialog stays off the lamp: beside it where the monitor has room, else
// at the edge that hides least of it.
TEST(DialogBesideLamp, BesideTheLampWhereThereIsRoomElseAtTheEdgeThatHidesLeast) {
    const ScreenRect screen{0, 0, 1024, 768};
    const auto at = [](ScreenPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); };
    // The Configure run's lamp left of the middle: the dialog right of it, level with it.
    EXPECT_EQ(at(dialogBesideLamp({162, 134, 350, 500}, screen, 290, 600)), "520,84");
    // A window in the middle: right of it; one near the right edge: left of it.
    EXPECT_EQ(at(dialogBesideLamp({341, 192, 341, 384}, screen, 290, 600)), "690,84");
    EXPECT_EQ(at(dialogBesideLamp({600, 192, 400, 384}, screen, 290, 600)), "302,84");
    // Too wide on both sides, but room below.
    EXPECT_EQ(at(dialogBesideLamp({100, 10, 800, 300}, screen, 290, 400)), "355,318");
    // No room anywhere: the edge that covers less of the lamp; the right one on a tie (a
    // lamp filling the screen).
    EXPECT_EQ(at(dialogBesideLamp({250, 100, 600, 600}, screen, 290, 600)), "0,100");
    EXPECT_EQ(at(dialogBesideLamp({174, 100, 600, 600}, screen, 290, 600)), "734,100");
    EXPECT_EQ(at(dialogBesideLamp(screen, screen, 290, 600)), "734,84");
    // Level with the lamp as far as the screen allows.
    EXPECT_EQ(at(dialogBesideLamp({10, 600, 300, 160}, screen, 290, 600)), "318,168");
    EXPECT_EQ(at(dialogBesideLamp({10, 0, 300, 100}, screen, 290, 600)), "318,0");
    // A monitor left of and above the primary, with a task bar taking its bottom.
    const ScreenRect left{-1280, -200, 1280, 984};
    EXPECT_EQ(at(dialogBesideLamp({-1000, 0, 300, 300}, left, 290, 600)), "-692,-150");
    // A dialog larger than the work area keeps its top left corner on the monitor.
    EXPECT_EQ(at(dialogBesideLamp({0, 0, 800, 600}, {0, 0, 800, 600}, 900, 700)), "0,0");
}
