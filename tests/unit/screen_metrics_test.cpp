#include <gtest/gtest.h>

#include <tuple>

#include "app/frame.h"
#include "fake_host.h"

namespace vel {
namespace {

using testing::DrivenGame;
using testing::EnterRunningCruise;

TEST(ScreenMetrics, CapsAndScalesTheDisplay) {
    const struct {
        int displayW, displayH, width, halfWidth, fullHeight, height;
        double vScale, hScale;
    } cases[] = {
        {1280, 1024, 1150, 575, 768, 729, 1.6, 1150 / 640.0},  // both capped; 768 / 1150 below 0.75
        {1000, 1000, 1000, 500, 576, 547, 1.2, 1000 / 640.0},  // above 0.75: 0.75 of the capped height
        {1024, 768, 1024, 512, 768, 729, 1.6, 1.6},            // exactly 0.75 is not reduced
        {640, 480, 640, 320, 480, 456, 1.0, 1.0},
        {900, 1000, 900, 450, 768, 729, 1.6, 900 / 640.0},     // tall but not wider than 900: kept
        {901, 1000, 901, 450, 576, 547, 1.2, 901 / 640.0},
        {699, 480, 699, 349, 480, 456, 1.0, 699 / 640.0},
    };
    for (const auto& c : cases) {
        ScreenState s;
        ComputeScreenMetrics(s, Display{c.displayW, c.displayH, 24, 20});
        EXPECT_EQ(std::tuple(s.fullWidth, s.width, s.halfWidth, s.fullHeight, s.height, s.heightCopy, s.bitsPerPixel),
                  std::tuple(c.width, c.width, c.halfWidth, c.fullHeight, c.height, c.height, 24))
            << c.displayW << "x" << c.displayH;
        EXPECT_NEAR(s.vScale, c.vScale, 1e-12) << c.displayW << "x" << c.displayH;
        EXPECT_NEAR(s.hScale, c.hScale, 1e-12) << c.displayW << "x" << c.displayH;
    }
}

TEST(SteeringBand, CursorIsSampledOnlyStrictlyInsideTheBandAndNotUnderTheChart) {
    // Width 1024: the band is 341 < x < 682 and below steerZoneY.
    for (auto [x, y, chart, taken] : {std::tuple{341, 650, 0, false}, {342, 650, 0, true}, {681, 650, 0, true},
                                      {682, 650, 0, false}, {500, 600, 0, false}, {500, 601, 0, true},
                                      {500, 700, 1, false}}) {
        DrivenGame d;
        EnterRunningCruise(d.g);
        d.g.screenState.paused = 1;
        d.g.screenState.chartShown = chart;
        d.g.screenState.steerZoneY = 600;
        d.g.screenState.steerMouseX = d.g.screenState.steerMouseY = -1;
        d.host.hasCursor = true;
        d.host.cursorX = x;
        d.host.cursorY = y;
        d.frame();
        EXPECT_EQ(std::pair(d.g.screenState.steerMouseX, d.g.screenState.steerMouseY),
                  taken ? std::pair(x, y) : std::pair(-1, -1))
            << x << "," << y;
    }
}

}  // namespace
}  // namespace vel
