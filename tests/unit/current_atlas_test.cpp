#include <gtest/gtest.h>

#include <cmath>

#include "view_fixture.h"
#include "views/chart_layers.h"

#include "sim/cruise_start.h"
#include "views/current_vectors.h"
#include "world/current_field.h"

namespace vel {
namespace {

int32_t ArrowPixels(const test::ViewFixture& f, gfx::Point p, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    int32_t n = 0;
    for (int32_t y = p.y + y0; y <= p.y + y1; ++y)
        for (int32_t x = p.x + x0; x <= p.x + x1; ++x) n += f.at(x, y) == gfx::Rgb(0, 43, 107);
    return n;
}

// The Gulf Stream sets north at its full speed north of y = 0; on the
// Florida side of it the water stands still. The atlas draws what the
// current field answers and leaves the tide record as it found it.
TEST(CurrentAtlas, ArrowsFollowTheCurrentFieldAndLeaveTheTideAsItWas) {
    test::ViewFixture f;
    Game& g = f.g;
    g.cruiseOptions.areaCode = 5;
    g.cruiseOptions.region = 5;
    g.rng.srand(4);
    FillRandomTable(g.randomTable, g.rng);
    StartCruise(g);
    g.chartView.scale = 32;
    g.chartView.centreX = -13000;
    g.chartView.centreY = -3000;
    const ChartFrame frame = MainChartFrame(g);
    const int32_t step = AtlasGridStep(frame.s);
    const auto onGrid = [&](int32_t x, int32_t y) {
        return gfx::Point{static_cast<int32_t>(std::lround(double(x) / step)) * step,
                          static_cast<int32_t>(std::lround(double(y) / step)) * step};
    };
    const gfx::Point stream = onGrid(-11000, -3000), still = onGrid(-17500, -3000);
    const TideState before = g.tideState;
    auto dc = f.freshDc(test::kWater);
    drawCurrentVectors(*dc, g, frame);
    dc.reset();
    EXPECT_EQ(g.tideState.currentSpeed, before.currentSpeed);
    EXPECT_EQ(g.tideState.currentFrom, before.currentFrom);
    EXPECT_EQ(g.tideState.localLowWaterHour, before.localLowWaterHour);

    CurrentAt(g, stream.x, stream.y, 0);
    ASSERT_EQ(g.tideState.currentFrom, 180);
    ASSERT_GE(g.tideState.currentSpeed, 40);
    const gfx::Point s = frame.toScreen(stream.x, stream.y);
    // A full-length arrow leaves the point toward the north; the next arrow
    // south of it (a grid step, about 56 pixels, away) ends short of it.
    EXPECT_GT(ArrowPixels(f, s, -1, 1, -40, -1), 30);
    EXPECT_GT(ArrowPixels(f, s, -1, 1, -4, -1), 0);
    EXPECT_EQ(ArrowPixels(f, s, -3, 3, 2, 5), 0);
    CurrentAt(g, still.x, still.y, 0);
    ASSERT_EQ(g.tideState.currentSpeed, 0);
    EXPECT_EQ(ArrowPixels(f, frame.toScreen(still.x, still.y), -15, 15, -15, 15), 0);
}

}  // namespace
}  // namespace vel
