#include <gtest/gtest.h>

#include "shell/chart_nav.h"
#include "view_fixture.h"
#include "views/chart.h"

namespace vel {
namespace {

using test::ViewFixture;

enum class Area { Generated, Passage, Real };

void SetArea(Game& g, Area a, int32_t fullScale) {
    g.areaGrid.isPassage = a == Area::Passage;
    g.areaGrid.isRealArea = a == Area::Real;
    g.chartView.fullScale = fullScale;
}

TEST(ChartZoom, ZoomInFromTheWholeGeneratedAreaJumpsTo64ThenHalvesDownTo4) {
    ViewFixture f;
    f.g.chartView.scale = 75;
    for (int32_t want : {64, 32, 16, 8, 4, 4}) {
        ChartZoomIn(f.g);
        EXPECT_EQ(f.g.chartView.scale, want);
    }
}

TEST(ChartZoom, ZoomInFromTheWholeRealAreaHalvesIt) {
    ViewFixture f;
    SetArea(f.g, Area::Real, 70);
    f.g.chartView.scale = 70;
    ChartZoomIn(f.g);
    EXPECT_EQ(f.g.chartView.scale, 35);
}

struct ZoomOutCase {
    const char* name;
    Area area;
    int32_t fullScale, from;
    ZoomOutBy by;
    int32_t to;
    bool recentred;
};

class ChartZoomOut : public ::testing::TestWithParam<ZoomOutCase> {};

TEST_P(ChartZoomOut, DoublesWithinTheAreaLimitsAndRecentresByItsRule) {
    const ZoomOutCase& c = GetParam();
    ViewFixture f;
    SetArea(f.g, c.area, c.fullScale);
    f.g.chartView.scale = c.from;
    f.g.chartView.panX = 1200;
    f.g.chartView.panY = -900;
    vel::ChartZoomOut(f.g, c.by);
    EXPECT_EQ(f.g.chartView.scale, c.to);
    EXPECT_EQ(f.g.chartView.panX == 0 && f.g.chartView.panY == 0, c.recentred);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ChartZoomOut,
    ::testing::Values(
        ZoomOutCase{"GeneratedBelow32", Area::Generated, 75, 8, ZoomOutBy::Menu, 16, false},
        ZoomOutCase{"GeneratedReaching32", Area::Generated, 75, 16, ZoomOutBy::Menu, 32, true},
        ZoomOutCase{"GeneratedStopsAt32", Area::Generated, 75, 32, ZoomOutBy::Key, 32, true},
        ZoomOutCase{"RealCappedAtFullScale", Area::Real, 70, 64, ZoomOutBy::Menu, 70, true},
        ZoomOutCase{"RealMenuKeepsPanAt32", Area::Real, 70, 16, ZoomOutBy::Menu, 32, false},
        ZoomOutCase{"RealKeyRecentresAt32", Area::Real, 70, 16, ZoomOutBy::Key, 32, true},
        ZoomOutCase{"RealBelowFullScale", Area::Real, 100, 32, ZoomOutBy::Menu, 64, false},
        ZoomOutCase{"PassageWholeViewRecentres", Area::Passage, 75, 64, ZoomOutBy::Menu, 75, true},
        ZoomOutCase{"PassageKeyWholeView", Area::Passage, 75, 64, ZoomOutBy::Key, 75, true},
        ZoomOutCase{"PassageBelowWholeView", Area::Passage, 75, 16, ZoomOutBy::Key, 32, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartPan, OneStepMovesTheChart28Point8ScaledPixelsAtEveryZoom) {
    ViewFixture f;  // vScale 1.6: a step is 46 pixels
    for (int32_t z : {4, 16, 64}) {
        f.g.chartView.scale = z;
        f.g.chartView.panX = 0;
        f.g.chartView.panY = 0;
        ChartPan(f.g, 1, -1);
        EXPECT_EQ(f.g.chartView.panX, 30 * z);
        EXPECT_EQ(f.g.chartView.panY, -30 * z);
        EXPECT_NEAR(f.g.chartView.panX * ChartPixelsPerUnit(f.g.screenState, z), 28.8 * 1.6, 1e-9);
    }
}

TEST(ChartConversion, ScreenCentreShowsTheChartCentreAndOffsetsScaleByZoom) {
    ViewFixture f;
    f.g.chartView.centreX = 1000;
    f.g.chartView.centreY = -500;
    f.g.chartView.scale = 32;  // 0.048 pixels a unit
    const ChartPoint c = worldToChart(f.g, 1000, -500);
    EXPECT_EQ(c.x, 512);
    EXPECT_EQ(c.y, 364);
    // 124.8 and -52.8 pixels, truncated toward zero.
    const ChartPoint p = worldToChart(f.g, 1000 + 2600, -500 - 1100);
    EXPECT_EQ(p.x, 512 + 124);
    EXPECT_EQ(p.y, 364 - 52);
    // 100 pixels are 2083.3 units: truncated toward zero on both sides.
    const ChartPoint w = chartToWorld(f.g, 612, 264);
    EXPECT_EQ(w.x, 1000 + 2083);
    EXPECT_EQ(w.y, -500 - 2083);
}

TEST(ChartConversion, ZoomValueBelowTheClosestIsTreatedAsTheClosest) {
    ViewFixture f;
    EXPECT_DOUBLE_EQ(ChartPixelsPerUnit(f.g.screenState, 0), ChartPixelsPerUnit(f.g.screenState, 4));
}

TEST(ChartRightClick, TheClickedPointBecomesTheCentreOfTheCloserChart) {
    ViewFixture f;
    f.g.chartView.scale = 32;
    PrepareChartFrame(f.g);  // centre (0, 0)
    ChartZoomAboutPoint(f.g, 612, 464, false);
    EXPECT_EQ(f.g.chartView.scale, 16);
    PrepareChartFrame(f.g);
    // 100 pixels at the zoom the click was made on: 2083 units.
    EXPECT_EQ(f.g.chartView.centreX, 2083);
    EXPECT_EQ(f.g.chartView.centreY, 2083);
    EXPECT_EQ(f.g.chartView.zoomAtClick, 0);
}

TEST(ChartRightClick, ClearsCentringOnTheBoatUnlessADoubleClick) {
    ViewFixture f;
    f.g.chartView.centreOnBoat = 1;
    ChartZoomAboutPoint(f.g, 600, 300, true);
    EXPECT_EQ(f.g.chartView.centreOnBoat, 1);
    ChartZoomAboutPoint(f.g, 600, 300, false);
    EXPECT_EQ(f.g.chartView.centreOnBoat, 0);
}

TEST(MiniChartZoom, OutwardStepsOfThreeStopAt12AndInwardStopAt1) {
    ViewFixture f;
    f.g.viewState.miniChartScale = 1;
    for (int32_t want : {4, 7, 10, 12, 12}) {
        MiniChartZoomOut(f.g);
        EXPECT_EQ(f.g.viewState.miniChartScale, want);
    }
    for (int32_t want : {9, 6, 3, 1, 1}) {
        MiniChartZoomIn(f.g);
        EXPECT_EQ(f.g.viewState.miniChartScale, want);
    }
}

}  // namespace
}  // namespace vel
