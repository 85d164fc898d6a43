#include <gtest/gtest.h>

#include <tuple>

#include "shell/input.h"
#include "shell/radar_controls.h"
#include "view_fixture.h"
#include "views/chart.h"
#include "views/chart_plot.h"

namespace vel {
namespace {

using test::ViewFixture;

// On the chart of a new cruise, centred on the origin at zoom 32 (0.048
// pixels a unit): 100 pixels from the screen centre (512, 364) are 2083 units.
// The chart_plotting script walks the common path; these are its edges.
struct ChartFixture : ViewFixture {
    ChartFixture() { PrepareChartFrame(g); }
    void click(int32_t x, int32_t y) {
        OnLButtonDown(g, x, y);
        PrepareChartFrame(g);
    }
};

TEST(ChartStart, APassageClickNearABonusCircleSnapsToItsCentreAtAnchor) {
    // (2083, 0) is 1357 units from the second centre and 1517 from (3600, 0).
    for (auto [cx, cy, inside] : {std::tuple{3000, 1000, true}, {3600, 0, false}}) {
        ChartFixture f;
        f.g.areaGrid.isPassage = 1;
        f.g.areaGrid.startCircleCount = 2;
        f.g.areaGrid.startCircleX = {-17000, cx, 0};
        f.g.areaGrid.startCircleY = {-10000, cy, 0};
        f.g.simClock.hour = 7;
        f.click(612, 364);
        EXPECT_EQ(std::tuple(f.g.ownBoat.x, f.g.ownBoat.y, f.g.anchors.anchor[1][1], f.g.score.passageStartValid),
                  inside ? std::tuple(3000.0, 1000.0, 1, 1) : std::tuple(2083.0, 0.0, 0, 0));
        EXPECT_EQ(f.g.simClock.stopHour, inside ? 7 : -1);
    }
}

TEST(ChartWaypoints, AClickWithinFourteenAcrossAndNineteenDownOfItsNumberPicksTheTarget) {
    for (auto [dx, dy, selected] :
         {std::tuple{14, 0, true}, {15, 0, false}, {-14, 19, true}, {0, 20, false}, {0, -19, true}}) {
        ChartFixture f;
        f.click(512, 364);
        f.g.chartView.waypointMode = 1;
        f.click(600, 400);  // waypoint 1; its number stands at (596, 391)
        f.click(700, 200);
        f.g.chartView.waypointMode = 0;
        f.g.chartView.selectTarget = 1;
        f.click(596 + dx, 391 + dy);
        EXPECT_EQ(std::pair(f.g.chartView.waypointAdvanceCount, f.g.chartView.selectTarget),
                  selected ? std::pair(1, 0) : std::pair(-1, 1))
            << dx << "," << dy;
    }
}

TEST(ChartWaypoints, WithoutGpsOrInANewCruiseTheyAndTheTargetAreCleared) {
    for (int how : {0, 1, 2}) {
        ChartFixture f;
        f.click(512, 364);
        f.g.chartView.waypointMode = 1;
        f.click(600, 400);
        f.g.chartView.waypointAdvanceCount = 1;
        if (how == 0) f.g.cruiseOptions.troubleNoGps = 1;
        if (how == 1) f.g.failures.failed[0] = 1;
        if (how == 2) f.g.screenState.startPlaced = 0;  // back to the title and into the next chart
        PrepareChartFrame(f.g);
        EXPECT_FALSE(WaypointIsSet(f.g.chartView, 1)) << how;
        EXPECT_EQ(f.g.chartView.waypointAdvanceCount, -1) << how;
    }
}

// Mended: a typed bearing or radius with an unset digit no longer loses one.
TEST(ChartLines, TypedBearingsAndRadiiCountAnUnsetDigitAsNoughtAndNothingTypedDrawsNothing) {
    ChartFixture f;
    f.click(512, 364);
    ChartView& c = f.g.chartView;
    c.lineRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(std::pair(c.lineSet[0], c.lineRequest), std::pair(0, 0));
    std::tie(c.bearingHundreds, c.bearingTens, c.bearingUnits) = std::tuple(300, -1, 5);
    c.lineRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(std::tuple(c.lineBearing[0], c.bearingHundreds, c.bearingTens, c.bearingUnits),
              std::tuple(305, 0, -1, -1));
    f.g.areaGrid.unitsPerMile = 140;
    std::tie(c.radiusTens, c.radiusUnits, c.radiusTenths) = std::tuple(100, 20, 5);  // 12.5 miles
    c.circleRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(std::tuple(c.circleRadius[0], c.radiusTens, c.radiusUnits, c.radiusTenths), std::tuple(1750, 0, -1, -1));
}

}  // namespace
}  // namespace vel
