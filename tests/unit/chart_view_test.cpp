#include <gtest/gtest.h>

#include <tuple>

#include "view_fixture.h"
#include "views/chart.h"
#include "views/chart_layers.h"
#include "views/chart_status.h"
#include "views/lights.h"
#include "world/terrain.h"

namespace vel {
namespace {

using test::ViewFixture;

// A straight coast 3500 units north of the centre line (168 pixels above the
// centre row 364) and, but for the coast area, the opposite bank as far south.
void DrawStraightShore(ViewFixture& f, int32_t areaCode, gfx::Color sea) {
    AreaGrid& a = f.g.areaGrid;
    a.areaCode = areaCode;
    a.coastBaseY = -3500;
    for (int32_t i = 1; i <= 284; ++i) {
        const bool second = areaCode != 1 && i >= 143;
        a.coastX[i] = -10000 + (second ? i - 142 : i) * 140;
        a.coastY[i] = second ? 3500 : -3500;
    }
    PrepareChartFrame(f.g);
    auto dc = f.freshDc(sea);
    DrawShoreBands(*dc, f.g, MainChartFrame(f.g));
}

int32_t Count(const ViewFixture& f, int32_t x0, int32_t x1, int32_t y0, int32_t y1, gfx::Color c, bool is = true) {
    return f.count(x0, x1, y0, y1, [&](int x, int y) { return (f.at(x, y) == c) == is; });
}

TEST(ChartShore, LandOnTheMainlandSideAndTheFarBankWithDepthTicksOffshore) {
    for (auto [area, south] : {std::pair{1, false}, {3, true}}) {
        ViewFixture f;
        DrawStraightShore(f, area, gfx::kWhite);
        EXPECT_EQ(std::tuple(f.at(512, 150), f.at(512, 364) == test::kLand, f.at(512, 580) == test::kLand),
                  std::tuple(test::kLand, false, south))
            << area;
    }
    // Rows height / 60 = 12 and height / 120 = 6 pixels south of the shore.
    ViewFixture f;
    DrawStraightShore(f, 1, test::kWater);
    EXPECT_GT(Count(f, 100, 900, 206, 211, gfx::kWhite), 100);
    EXPECT_GT(Count(f, 100, 900, 200, 205, gfx::kWhite), 100);
    EXPECT_EQ(Count(f, 100, 900, 180, 191, gfx::kWhite), 0);
}

TEST(ChartOwnBoat, HiddenWithoutGpsAndTheCentringLabelLitWhileItWouldMove) {
    for (const bool gps : {true, false}) {
        ViewFixture f;
        f.g.screenState.startPlaced = f.g.chartView.openedThisCruise = 1;
        std::tie(f.g.ownBoat.x, f.g.ownBoat.y) = std::pair(2600, -2600);  // 124.8 pixels east and north of the centre
        f.g.cruiseOptions.troubleNoGps = f.g.chartView.centreOnBoat = !gps;
        auto dc = f.freshDc();
        drawChart(*dc, f.g);
        dc.reset();
        EXPECT_EQ(f.at(640, 240) == test::kYellow, gps);  // the cross, 4 pixels east of the boat
        // The "centre on the boat" label is cyan while it would move the chart.
        // The text is smoothed into the water: count the greener pixels.
        EXPECT_EQ(f.count(3, 128, 50, 73, [&](int x, int y) { return f.at(x, y).g > 200; }) > 20, gps);
    }
}

TEST(ChartStatus, DepthUnderThePointerReadsTheRocks) {
    ViewFixture f;
    std::tie(f.g.rockList.count, f.g.rockList.x[1], f.g.rockList.y[1]) = std::tuple(1, 2000, -600);
    // 11 units off a submerged rock: 1.1 ft.
    std::tie(f.g.chartView.mouseWorldX, f.g.chartView.mouseWorldY) = std::pair(2011, -600);
    EXPECT_EQ(ChartPointerDepth(f.g), 1);
    EXPECT_GT(DepthAt(f.g, 2011, -600, 2), 20) << "the chart's own colouring leaves the rock out";
}

// A chart aid's disc in its colour, its light's flare above and to the
// right in the light's colour, white lights in magenta.
TEST(ChartAids, DiscAndFlareInTheMarksColours) {
    constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0), kLit = gfx::Rgb(0, 255, 0), kMagenta = gfx::Rgb(255, 0, 255);
    for (auto [kind, disc, flare] : {std::tuple{36, gfx::Rgb(255, 127, 127), test::kWater}, {3, kRed, kRed},
                                     {4, kLit, kLit}, {35, gfx::kWhite, kMagenta}, {47, gfx::kWhite, kMagenta},
                                     {29, gfx::Rgb(0, 127, 0), test::kWater}, {10, test::kYellow, test::kWater}}) {
        ViewFixture f;
        std::tie(f.g.objectList.kind[1], f.g.objectList.fbx[1], f.g.objectList.fby[1]) = std::tuple(kind, 2000, 1000);
        PrepareChartFrame(f.g);
        const ChartFrame frame = MainChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        DrawChartAids(*dc, f.g, frame);
        dc.reset();
        const gfx::Point p = frame.toScreen(2000, 1000);
        EXPECT_EQ(std::pair(f.at(p.x, p.y), f.at(p.x + 6, p.y - 12)), std::pair(disc, flare)) << kind;
    }
}

}  // namespace
}  // namespace vel
