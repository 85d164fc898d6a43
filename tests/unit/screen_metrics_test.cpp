#include <gtest/gtest.h>

#include <ostream>

#include "app/frame.h"
#include "fake_host.h"

namespace vel {
namespace {

using testing::EnterRunningCruise;
using testing::FakeHost;
using testing::NewGame;

struct MetricsCase {
    int displayW, displayH;
    int width, halfWidth, fullHeight, height;
    double vScale, hScale;
};

void PrintTo(const MetricsCase& c, std::ostream* os) { *os << c.displayW << "x" << c.displayH; }

class ScreenMetrics : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(ScreenMetrics, CapsAndScalesTheDisplay) {
    const MetricsCase& c = GetParam();
    ScreenState s;
    ComputeScreenMetrics(s, Display{c.displayW, c.displayH, 24, 20});
    EXPECT_EQ(s.fullWidth, c.width);
    EXPECT_EQ(s.width, c.width);
    EXPECT_EQ(s.halfWidth, c.halfWidth);
    EXPECT_EQ(s.fullHeight, c.fullHeight);
    EXPECT_EQ(s.height, c.height);
    EXPECT_EQ(s.heightCopy, c.height);
    EXPECT_NEAR(s.vScale, c.vScale, 1e-12);
    EXPECT_NEAR(s.hScale, c.hScale, 1e-12);
    EXPECT_EQ(s.bitsPerPixel, 24);
}

INSTANTIATE_TEST_SUITE_P(Displays, ScreenMetrics,
                         ::testing::Values(
                             // Both capped; 768 / 1150 is below 0.75.
                             MetricsCase{1280, 1024, 1150, 575, 768, 729, 1.6, 1150 / 640.0},
                             // 768 / 1000 > 0.75 on a wide screen: 0.75 of the capped height.
                             MetricsCase{1000, 1000, 1000, 500, 576, 547, 1.2, 1000 / 640.0},
                             // Exactly 0.75 is not reduced.
                             MetricsCase{1024, 768, 1024, 512, 768, 729, 1.6, 1.6},
                             MetricsCase{640, 480, 640, 320, 480, 456, 1.0, 1.0},
                             // Tall but not wider than 900: kept.
                             MetricsCase{900, 1000, 900, 450, 768, 729, 1.6, 900 / 640.0},
                             MetricsCase{901, 1000, 901, 450, 576, 547, 1.2, 901 / 640.0},
                             // Odd width: integer half.
                             MetricsCase{699, 480, 699, 349, 480, 456, 1.0, 699 / 640.0}));

// Runs a title frame (which fixes widthD and heightD) and then one running
// frame at the same display.
int32_t PanelTopAt(int displayWidth, int displayHeight) {
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(displayHeight);
    const Display d{displayWidth, displayHeight, 32, 20};
    driver.run(*g, host, d);
    EnterRunningCruise(*g);
    g->areaGrid.unitsPerMile = 300;
    driver.run(*g, host, d);
    return g->screenState.panelTop;
}

TEST(PanelTop, NarrowScreensGiveTheViewLess) {
    // height 456 at a 480-line display.
    EXPECT_EQ(PanelTopAt(699, 480), 300);   // trunc(456 * 0.66)
    EXPECT_EQ(PanelTopAt(700, 480), 305);   // trunc(456 * 0.67)
    EXPECT_EQ(PanelTopAt(1024, 768), 488);  // trunc(729 * 0.67)
}

struct CursorCase {
    int x, y;
    bool taken;
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

class SteeringBand : public ::testing::TestWithParam<CursorCase> {};

TEST_P(SteeringBand, CursorIsSampledOnlyStrictlyInsideTheBand) {
    // Width 1024: the band is 341 < x < 682 and below steerZoneY.
    const CursorCase& c = GetParam();
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(768);
    EnterRunningCruise(*g);
    g->screenState.paused = 1;
    g->screenState.steerZoneY = 600;
    g->screenState.steerMouseX = -1;
    g->screenState.steerMouseY = -1;
    host.hasCursor = true;
    host.cursorX = c.x;
    host.cursorY = c.y;
    driver.run(*g, host, Display{});
    if (c.taken) {
        EXPECT_EQ(g->screenState.steerMouseX, c.x);
        EXPECT_EQ(g->screenState.steerMouseY, c.y);
    } else {
        EXPECT_EQ(g->screenState.steerMouseX, -1);
        EXPECT_EQ(g->screenState.steerMouseY, -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, SteeringBand,
                         ::testing::Values(CursorCase{341, 650, false}, CursorCase{342, 650, true},
                                           CursorCase{681, 650, true}, CursorCase{682, 650, false},
                                           CursorCase{500, 600, false}, CursorCase{500, 601, true}));

TEST(SteeringBand, NotSampledWhileTheChartIsUp) {
    auto g = NewGame();
    FakeHost host;
    FrameDriver driver(768);
    EnterRunningCruise(*g);
    g->screenState.chartShown = 1;
    g->screenState.steerZoneY = 600;
    g->screenState.steerMouseX = -1;
    host.hasCursor = true;
    host.cursorX = 500;
    host.cursorY = 700;
    driver.run(*g, host, Display{});
    EXPECT_EQ(g->screenState.steerMouseX, -1);
}

}  // namespace
}  // namespace vel
