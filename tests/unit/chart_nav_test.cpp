#include <gtest/gtest.h>

#include <tuple>

#include "shell/chart_nav.h"
#include "shell/input.h"
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

TEST(ChartZoom, InFromTheWholeAreaThenByHalvesDownTo4) {
    ViewFixture f;
    // Mended: a zoom of nought is treated as the closest, not divided by.
    EXPECT_DOUBLE_EQ(ChartPixelsPerUnit(f.g.screenState, 0), ChartPixelsPerUnit(f.g.screenState, 4));
    f.g.chartView.scale = 75;
    for (int32_t want : {64, 32, 16, 8, 4, 4}) {
        ChartZoomIn(f.g);
        EXPECT_EQ(f.g.chartView.scale, want);
    }
    SetArea(f.g, Area::Real, 70);
    f.g.chartView.scale = 70;
    ChartZoomIn(f.g);
    EXPECT_EQ(f.g.chartView.scale, 35);
}

// Mended: a passage's full view re-centres at its own full scale.
TEST(ChartZoom, OutDoublesWithinTheAreaLimitsAndRecentresByItsRule) {
    const struct {
        Area area;
        int32_t fullScale, from;
        ZoomOutBy by;
        int32_t to;
        bool recentred;
    } cases[] = {
        {Area::Generated, 75, 8, ZoomOutBy::Menu, 16, false}, {Area::Generated, 75, 16, ZoomOutBy::Menu, 32, true},
        {Area::Generated, 75, 32, ZoomOutBy::Key, 32, true},  {Area::Real, 70, 64, ZoomOutBy::Menu, 70, true},
        {Area::Real, 70, 16, ZoomOutBy::Menu, 32, false},     {Area::Real, 70, 16, ZoomOutBy::Key, 32, true},
        {Area::Real, 100, 32, ZoomOutBy::Menu, 64, false},    {Area::Passage, 75, 64, ZoomOutBy::Menu, 75, true},
        {Area::Passage, 75, 64, ZoomOutBy::Key, 75, true},    {Area::Passage, 75, 16, ZoomOutBy::Key, 32, false},
    };
    for (const auto& c : cases) {
        ViewFixture f;
        SetArea(f.g, c.area, c.fullScale);
        f.g.chartView.scale = c.from;
        f.g.chartView.panX = 1200;
        f.g.chartView.panY = -900;
        ChartZoomOut(f.g, c.by);
        EXPECT_EQ(std::pair(f.g.chartView.scale, f.g.chartView.panX == 0 && f.g.chartView.panY == 0),
                  std::pair(c.to, c.recentred))
            << static_cast<int>(c.area) << " from " << c.from;
    }
}

// Mended: the clicked point converts at the zoom in force when it was clicked.
TEST(ChartRightClick, TheClickedPointCentresTheCloserChart) {
    ViewFixture f;
    f.g.chartView.scale = 32;
    std::tie(f.g.chartView.centreOnBoat, f.g.screenState.chartShown) = std::pair(1, 1);
    PrepareChartFrame(f.g);  // centre (0, 0)
    OnLButtonDblClk(f.g, 612, 464);
    EXPECT_EQ(std::pair(f.g.chartView.scale, f.g.chartView.centreOnBoat), std::pair(16, 1));
    OnRButtonDown(f.g, 612, 464);  // only a double click keeps centring on the boat
    EXPECT_EQ(f.g.chartView.centreOnBoat, 0);
    f.g.chartView.scale = 32;
    ChartZoomAboutPoint(f.g, 612, 464, false);
    PrepareChartFrame(f.g);
    EXPECT_EQ(std::tuple(f.g.chartView.scale, f.g.chartView.centreX, f.g.chartView.centreY, f.g.chartView.zoomAtClick),
              std::tuple(16, 2083, 2083, 0));
}

}  // namespace
}  // namespace vel
