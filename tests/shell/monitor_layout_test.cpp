// The monitor layout: monitors in, viewports out.
#include <gtest/gtest.h>

#include "shell/monitor_layout.h"

namespace {

void expectViewport(const LampViewport& v, int x, int y, int width, int height) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.width, width);
    EXPECT_EQ(v.height, height);
}

}  // namespace

TEST(MonitorLayout, OneMonitorIsTheWholeWindow) {
    const std::vector<ScreenRect> one = {{0, 0, 1024, 768}};
    const ScreenRect screen = boundingRect(one);
    const std::vector<LampViewport> v = lampViewportsFor(screen, one);
    ASSERT_EQ(v.size(), 1u);
    expectViewport(v[0], 0, 0, 1024, 768);
    EXPECT_EQ(monitorHolding(one, 5000, -300), 0u);
    // The saver over one monitor draws one lamp over its whole window; over a part of two
    // monitors, one lamp on each part.
    EXPECT_TRUE(saverViewportsFor(screen, one).empty());
    EXPECT_EQ(saverViewportsFor({-10, 0, 1034, 768}, {{0, 0, 1024, 768}, {-1024, 0, 1024, 768}}).size(), 2u);
}

// A primary monitor with a smaller, taller one to its left and higher up: the virtual
// screen starts at negative coordinates, and OpenGL counts from the bottom.
TEST(MonitorLayout, AMonitorLeftOfAndAboveThePrimary) {
    const std::vector<ScreenRect> monitors = {{0, 0, 1920, 1080}, {-1080, -600, 1080, 1920}};
    const ScreenRect screen = boundingRect(monitors);
    EXPECT_EQ(screen.left, -1080);
    EXPECT_EQ(screen.top, -600);
    EXPECT_EQ(screen.width, 3000);
    EXPECT_EQ(screen.height, 1920);
    const std::vector<LampViewport> v = lampViewportsFor(screen, monitors);
    ASSERT_EQ(v.size(), 2u);
    // The primary: 1080 right of the screen's left edge; its bottom (1080) is 840 above
    // the screen's bottom (1320).
    expectViewport(v[0], 1080, 240, 1920, 1080);
    expectViewport(v[1], 0, 0, 1080, 1920);
    EXPECT_EQ(monitorHolding(monitors, -5, 10), 1u);
    EXPECT_EQ(monitorHolding(monitors, 0, 10), 0u);
    EXPECT_EQ(monitorHolding(monitors, -1081, 2000), 1u);  // below and left of both: the nearer
    EXPECT_EQ(monitorHolding(monitors, 2500, 500), 0u);
}

// Side by side, of different sizes: the area below the smaller one is on no monitor and
// gets no lamp.
TEST(MonitorLayout, MonitorsOfDifferentSizesSideBySide) {
    const std::vector<ScreenRect> monitors = {{0, 0, 1280, 1024}, {1280, 0, 800, 600}};
    const ScreenRect screen = boundingRect(monitors);
    EXPECT_EQ(screen.width, 2080);
    EXPECT_EQ(screen.height, 1024);
    const std::vector<LampViewport> v = lampViewportsFor(screen, monitors);
    ASSERT_EQ(v.size(), 2u);
    expectViewport(v[0], 0, 0, 1280, 1024);
    expectViewport(v[1], 1280, 424, 800, 600);
    long long covered = 0;
    for (const LampViewport& p : v) covered += static_cast<long long>(p.width) * p.height;
    EXPECT_EQ(covered, 1280LL * 1024 + 800 * 600);
}

// A window on part of the desktop (full screen on the second monitor) gets only the
// monitors it covers, clipped to its client area.
TEST(MonitorLayout, AWindowGetsOnlyTheMonitorsItCovers) {
    const std::vector<ScreenRect> monitors = {{0, 0, 1280, 1024}, {1280, 0, 800, 600}};
    const std::vector<LampViewport> v = lampViewportsFor({1280, 0, 800, 600}, monitors);
    ASSERT_EQ(v.size(), 1u);
    expectViewport(v[0], 0, 0, 800, 600);
    const std::vector<LampViewport> straddling = lampViewportsFor({1000, 100, 600, 400}, monitors);
    ASSERT_EQ(straddling.size(), 2u);
    expectViewport(straddling[0], 0, 0, 280, 400);
    expectViewport(straddling[1], 280, 0, 320, 400);
    EXPECT_TRUE(lampViewportsFor({5000, 5000, 100, 100}, monitors).empty());
    EXPECT_TRUE(lampViewportsFor({0, 0, 100, 100}, {}).empty());
}

// Overlapping monitors (as Xvfb's Xinerama screens all start at the origin): a point on
// both belongs to the smaller one.
TEST(MonitorLayout, APointOnOverlappingMonitorsBelongsToTheSmaller) {
    const std::vector<ScreenRect> monitors = {{0, 0, 1024, 768}, {0, 0, 400, 300}};
    EXPECT_EQ(monitorHolding(monitors, 150, 125), 1u);
    EXPECT_EQ(monitorHolding(monitors, 500, 125), 0u);
    const std::vector<LampViewport> v = lampViewportsFor(boundingRect(monitors), monitors);
    ASSERT_EQ(v.size(), 2u);
    expectViewport(v[1], 0, 468, 400, 300);
}

// Side by side and equal: the last column of the first monitor is its own, the next column
// the second's; likewise one above the other. (The monitors are listed so that the tie-break
// between equal monitors would give the wrong answer, were an edge counted to both.)
TEST(MonitorLayout, APointOnTheSeamOfTwoEqualMonitorsBelongsToTheOneItIsOn) {
    const std::vector<ScreenRect> beside = {{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
    EXPECT_EQ(monitorHolding(beside, 1279, 500), 0u);
    EXPECT_EQ(monitorHolding(beside, 1280, 500), 1u);
    EXPECT_EQ(monitorHolding(beside, 2559, 500), 1u);
    const std::vector<ScreenRect> stacked = {{0, -1024, 1280, 1024}, {0, 0, 1280, 1024}};
    EXPECT_EQ(monitorHolding(stacked, 600, -1), 0u);
    EXPECT_EQ(monitorHolding(stacked, 600, 0), 1u);
}
