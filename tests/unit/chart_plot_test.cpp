#include <gtest/gtest.h>

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
struct ChartFixture : ViewFixture {
    ChartFixture() { PrepareChartFrame(g); }

    void click(int32_t x, int32_t y) {
        OnLButtonDown(g, x, y);
        PrepareChartFrame(g);
    }
    void placeStart(int32_t x = 512, int32_t y = 364) { click(x, y); }
};

TEST(ChartStart, TheFirstClickPlacesTheBoatAtTheClickedWorldPoint) {
    ChartFixture f;
    f.g.ownBoat.x = 5000;
    f.placeStart(612, 264);
    EXPECT_EQ(f.g.screenState.startPlaced, 1);
    EXPECT_DOUBLE_EQ(f.g.ownBoat.x, 2083);
    EXPECT_DOUBLE_EQ(f.g.ownBoat.y, -2083);
    EXPECT_EQ(f.g.ownBoat.cellX, 2083);
    EXPECT_EQ(f.g.ownBoat.cellY, -2083);
}

TEST(ChartStart, LaterClicksDoNotMoveTheBoat) {
    ChartFixture f;
    f.placeStart(612, 264);
    f.click(412, 464);
    EXPECT_DOUBLE_EQ(f.g.ownBoat.x, 2083);
}

TEST(ChartStart, StartClickDoesNotAlsoSetAWaypoint) {
    ChartFixture f;
    f.g.chartView.waypointMode = 1;
    f.placeStart();
    EXPECT_FALSE(WaypointIsSet(f.g.chartView, 1));
}

TEST(ChartStart, PassageClickNearABonusCircleSnapsToItsCentreAtAnchor) {
    ChartFixture f;
    AreaGrid& a = f.g.areaGrid;
    a.isPassage = 1;
    a.startCircleCount = 2;
    a.startCircleX = {-17000, 3000, 0};
    a.startCircleY = {-10000, 1000, 0};
    f.g.simClock.hour = 7;
    f.placeStart(612, 364);  // (2083, 0): 1357 units from the second centre
    EXPECT_DOUBLE_EQ(f.g.ownBoat.x, 3000);
    EXPECT_DOUBLE_EQ(f.g.ownBoat.y, 1000);
    EXPECT_EQ(f.g.anchors.anchor[1][1], 1);
    EXPECT_EQ(f.g.score.passageStartValid, 1);
    EXPECT_EQ(f.g.simClock.stopHour, 7);
}

TEST(ChartStart, PassageClickOutsideEveryCircleStartsWithoutTheBonus) {
    ChartFixture f;
    AreaGrid& a = f.g.areaGrid;
    a.isPassage = 1;
    a.startCircleCount = 1;
    a.startCircleX = {3600, 0, 0};
    a.startCircleY = {0, 0, 0};
    f.placeStart(612, 364);  // 1517 units away
    EXPECT_DOUBLE_EQ(f.g.ownBoat.x, 2083);
    EXPECT_EQ(f.g.anchors.anchor[1][1], 0);
    EXPECT_EQ(f.g.score.passageStartValid, 0);
}

TEST(ChartWaypoints, TheSixthClickOverwritesWaypointOneAndNeverTouchesZero) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.waypointMode = 1;
    for (int32_t k = 1; k <= 6; ++k) f.click(512 + 10 * k, 364);
    const ChartView& c = f.g.chartView;
    EXPECT_FALSE(WaypointIsSet(c, 0));
    EXPECT_EQ(c.waypointX[1], chartToWorld(f.g, 572, 364).x);
    EXPECT_EQ(c.waypointX[2], chartToWorld(f.g, 532, 364).x);
    EXPECT_EQ(c.waypointX[5], chartToWorld(f.g, 562, 364).x);
}

TEST(ChartWaypoints, WaypointZeroIsSetAtTheBoatByItsCommandOnly) {
    ChartFixture f;
    f.placeStart(612, 264);
    f.g.chartView.waypointMode = 10;
    PrepareChartFrame(f.g);
    EXPECT_EQ(f.g.chartView.waypointX[0], 2083);
    EXPECT_EQ(f.g.chartView.waypointY[0], -2083);
    EXPECT_EQ(f.g.chartView.waypointMode, 0);
}

struct SelectCase {
    int32_t dx, dy;
    bool selected;
};

class ChartTargetSelection : public ::testing::TestWithParam<SelectCase> {};

TEST_P(ChartTargetSelection, AClickNearTheNumberPicksTheTarget) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.waypointMode = 1;
    f.click(600, 400);  // waypoint 1; its number stands at (596, 391)
    f.click(700, 200);  // waypoint 2
    f.g.chartView.waypointMode = 0;
    f.g.chartView.selectTarget = 1;
    f.click(596 + GetParam().dx, 391 + GetParam().dy);
    EXPECT_EQ(f.g.chartView.waypointAdvanceCount, GetParam().selected ? 1 : -1);
    EXPECT_EQ(f.g.chartView.selectTarget, GetParam().selected ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Distances, ChartTargetSelection,
                         ::testing::Values(SelectCase{14, 0, true}, SelectCase{15, 0, false},
                                           SelectCase{-14, 19, true}, SelectCase{0, 20, false},
                                           SelectCase{0, -19, true}));

TEST(ChartWaypoints, WithoutGpsEveryFrameClearsThemAndTheTarget) {
    for (const bool trouble : {true, false}) {
        ChartFixture f;
        f.placeStart();
        if (trouble)
            f.g.cruiseOptions.troubleNoGps = 1;
        else
            f.g.failures.failed[0] = 1;
        f.g.chartView.waypointMode = 1;
        f.click(600, 400);
        f.g.chartView.waypointAdvanceCount = 1;
        PrepareChartFrame(f.g);
        EXPECT_FALSE(WaypointIsSet(f.g.chartView, 1));
        EXPECT_EQ(f.g.chartView.waypointAdvanceCount, -1);
    }
}

TEST(ChartWaypoints, ANewCruiseStartsWithAnEmptyChart) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.waypointMode = 1;
    f.click(600, 400);
    f.g.chartView.waypointAdvanceCount = 1;
    // Back to the title and into the next cruise's chart.
    f.g.screenState.startPlaced = 0;
    PrepareChartFrame(f.g);
    EXPECT_FALSE(WaypointIsSet(f.g.chartView, 1));
    EXPECT_EQ(f.g.chartView.waypointAdvanceCount, -1);
}

TEST(ChartMarks, TheFifthMarkReplacesA) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.markAtClick = 1;
    for (int32_t k = 0; k < 5; ++k) f.click(520 + 100 * k, 300);
    EXPECT_EQ(f.g.chartView.markX[0], chartToWorld(f.g, 920, 300).x);
    EXPECT_EQ(f.g.chartView.markX[1], chartToWorld(f.g, 620, 300).x);
}

struct LineCase {
    const char* name;
    int32_t source;
    int32_t bearing;
};

class ChartLineSources : public ::testing::TestWithParam<LineCase> {};

TEST_P(ChartLineSources, ALineTakesTheClickAndTheChosenBearing) {
    ChartFixture f;
    f.placeStart();
    f.g.viewState.savedBearing = 45;
    f.g.viewState.savedBearingPrev = 300;
    f.g.radarState.savedEbl = 120;
    f.g.radarState.savedEblPrev = -10;
    f.g.chartView.bearingHundreds = 200;
    f.g.chartView.bearingTens = 70;
    f.g.chartView.bearingUnits = 5;
    f.g.chartView.lineRequest = GetParam().source;
    f.click(612, 264);
    const ChartView& c = f.g.chartView;
    EXPECT_EQ(c.lineSet[0], 1);
    EXPECT_EQ(c.lineX[0], 2083);
    EXPECT_EQ(c.lineY[0], -2083);
    EXPECT_EQ(c.lineBearing[0], GetParam().bearing);
    EXPECT_EQ(c.lineRequest, 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, ChartLineSources,
                         ::testing::Values(LineCase{"Typed", 1, 275}, LineCase{"Compass", 2, 45},
                                           LineCase{"CompassBefore", 3, 300}, LineCase{"RadarEbl", 4, 120},
                                           LineCase{"RadarEblBefore", 5, 350}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartLines, ATypedBearingWithAnUnsetDigitCountsItAsNought) {
    ChartFixture f;
    f.placeStart();
    ChartView& c = f.g.chartView;
    c.bearingHundreds = 300;
    c.bearingTens = -1;
    c.bearingUnits = 5;
    c.lineRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(c.lineBearing[0], 305);
    EXPECT_EQ(c.bearingHundreds, 0);
    EXPECT_EQ(c.bearingTens, -1);
    EXPECT_EQ(c.bearingUnits, -1);
}

TEST(ChartLines, NothingTypedDrawsNoLine) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.lineRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(f.g.chartView.lineSet[0], 0);
    EXPECT_EQ(f.g.chartView.lineRequest, 0);
}

TEST(ChartLines, TheFourthLineReplacesTheFirst) {
    ChartFixture f;
    f.placeStart();
    for (int32_t k = 0; k < 4; ++k) {
        f.g.viewState.savedBearing = 10 * (k + 1);
        f.g.chartView.lineRequest = 2;
        f.click(600, 300);
    }
    EXPECT_EQ(f.g.chartView.lineBearing[0], 40);
    EXPECT_EQ(f.g.chartView.lineBearing[1], 20);
}

TEST(ChartCircles, ASavedVrmBecomesACircleOfThatManyTenthsOfAMile) {
    ChartFixture f;
    f.placeStart();
    f.g.radarState.vrmDistance = RadarVrmDistance(10, 300);  // 1.0 mile reads 9 tenths
    RadarSaveVrm(f.g);
    f.g.chartView.circleRequest = 2;
    f.click(612, 264);
    EXPECT_EQ(f.g.chartView.circleX[0], 2083);
    EXPECT_EQ(f.g.chartView.circleRadius[0], 270);
}

TEST(ChartCircles, ATypedRadiusAddsItsThreeDigits) {
    ChartFixture f;
    f.placeStart();
    f.g.areaGrid.unitsPerMile = 140;
    ChartView& c = f.g.chartView;
    c.radiusTens = 100;
    c.radiusUnits = 20;
    c.radiusTenths = 5;  // 12.5 miles
    c.circleRequest = 1;
    f.click(600, 300);
    EXPECT_EQ(c.circleRadius[0], 1750);
    EXPECT_EQ(c.radiusTens, 0);
    EXPECT_EQ(c.radiusUnits, -1);
    EXPECT_EQ(c.radiusTenths, -1);
}

TEST(ChartErase, ClearsLinesCirclesMarksAndTheToolButKeepsWaypoints) {
    ChartFixture f;
    f.placeStart();
    ChartView& c = f.g.chartView;
    c.waypointMode = 1;
    c.markAtClick = 1;
    c.rangeBearingTool = 1;
    f.g.viewState.savedBearing = 90;
    c.lineRequest = 2;
    f.g.radarState.savedVrm = 5;
    c.circleRequest = 2;
    f.click(600, 300);
    c.eraseLines = 1;
    PrepareChartFrame(f.g);
    EXPECT_EQ(c.lineSet[0], 0);
    EXPECT_EQ(c.circleRadius[0], 0);
    EXPECT_EQ(c.markSet[0], 0);
    EXPECT_EQ(c.rangeBearingTool, 0);
    EXPECT_EQ(c.toolAnchorSet, 0);
    EXPECT_TRUE(WaypointIsSet(c, 1));
    EXPECT_EQ(c.eraseLines, 0);
}

TEST(ChartRangeBearingTool, MeasuresFromTheClickedAnchorToTheMouse) {
    ChartFixture f;
    f.placeStart();
    f.g.chartView.rangeBearingTool = 1;
    f.click(512, 364);                  // anchor at the origin
    f.g.screenState.steerMouseX = 512;  // 100 pixels north: 2083 units, 6.94 miles
    f.g.screenState.steerMouseY = 264;
    PrepareChartFrame(f.g);
    EXPECT_EQ(f.g.chartView.toolDistance, 69);
    EXPECT_EQ(f.g.chartView.toolBearing, 0);
    f.g.screenState.steerMouseX = 412;  // due west: -89.997 + 0.5 truncates to -89
    f.g.screenState.steerMouseY = 364;
    PrepareChartFrame(f.g);
    EXPECT_EQ(f.g.chartView.toolBearing, 271);
}

}  // namespace
}  // namespace vel
