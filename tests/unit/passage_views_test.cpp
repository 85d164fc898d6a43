#include <gtest/gtest.h>

#include <cmath>

#include "sailing_view_fixture.h"
#include "view_fixture.h"
#include "views/chart_layers.h"
#include "views/passage_chart.h"
#include "views/passage_scene.h"
#include "views/place_labels.h"
#include "views/radar.h"

namespace vel {
namespace {

using test::ViewFixture;

constexpr gfx::Color kGrey = gfx::Rgb(127, 127, 127);

void MakePassage(Game& g, int32_t areaCode) {
    AreaGrid& a = g.areaGrid;
    a.areaCode = areaCode;
    a.region = areaCode <= 6 ? 5 : 6;
    a.isPassage = 1;
}

// Probes 1500 units either side of each limit, on the chart's middle lines.
class PassageFrames : public ::testing::TestWithParam<int32_t> {};

TEST_P(PassageFrames, CoverTheChartOutsideThePassageWatersOnly) {
    ViewFixture f;
    MakePassage(f.g, GetParam());
    f.g.chartView.scale = 128;
    const ChartFrame frame = MainChartFrame(f.g);
    const PassageLimits lim = *PassageLimitsFor(f.g.areaGrid);
    auto dc = f.freshDc();
    DrawGreyFrames(*dc, PassageFrameRects(f.g, frame));
    dc.reset();
    struct Probe {
        int32_t x, y;
        bool covered;
    };
    const Probe probes[] = {
        {lim.west - 1500, 0, true},  {lim.west + 1500, 0, false}, {lim.east + 1500, 0, true},
        {lim.east - 1500, 0, false}, {0, lim.north - 1500, true}, {0, lim.north + 1500, false},
        {0, lim.south + 1500, lim.southCovered}, {0, lim.south - 1500, false},
    };
    for (const Probe& p : probes) {
        const gfx::Point s = frame.toScreen(p.x, p.y);
        ASSERT_TRUE(frame.contains(s)) << p.x << " " << p.y;
        EXPECT_EQ(f.at(s.x, s.y) == kGrey, p.covered) << p.x << " " << p.y;
    }
}

// The Maine-Nova Scotia chart stays open to the south.
INSTANTIATE_TEST_SUITE_P(BothRegions, PassageFrames, ::testing::Values(5, 8));

TEST(PassageNames, AidAndLightLabelsFollowTheNamesSwitchAndTheZoom) {
    ViewFixture f;
    MakePassage(f.g, 5);
    ChartFrame chart = MainChartFrame(f.g);
    ChartFrame mini = chart;
    mini.mini = true;
    struct Case {
        NameStyle style;
        int32_t markNames, zoom;
        bool mini, shown;
    };
    const Case cases[] = {
        {NameStyle::Place, 0, 128, false, true},      {NameStyle::Anchorage, 0, 128, true, true},
        {NameStyle::AidLabel, 1, 128, true, true},    {NameStyle::AidLabel, 0, 4, false, false},
        {NameStyle::LightLabel, 1, 16, false, true},  {NameStyle::LightLabel, 1, 17, false, false},
        {NameStyle::LightLabel, 1, 8, true, false},   {NameStyle::LightLabel, 0, 8, false, false},
    };
    for (const Case& c : cases) {
        f.g.chartView.showMarkNames = c.markNames;
        ChartFrame& frame = c.mini ? mini : chart;
        frame.zoom = c.zoom;
        EXPECT_EQ(PlaceNameShown(f.g, frame, c.style), c.shown) << static_cast<int>(c.style) << " " << c.zoom;
    }
}

// An island 1000 units east of the boat on the radar at range 12: its echo
// stands about 91 pixels right of the centre (168, 566).
int32_t IslandEchoPixels(int32_t boatX, int32_t count = 1) {
    ViewFixture f;
    MakePassage(f.g, 5);
    AreaGrid& a = f.g.areaGrid;
    a.islandCount = count;
    a.islandX[1] = boatX + 1000;
    a.islandY[1] = 0;
    for (int32_t k = 0; k < 37; ++k) {
        const double t = (k % 36) * 10 * kDegToRad;
        a.islandOutline[1][k][0] = a.islandX[1] + static_cast<int32_t>(150 * std::sin(t));
        a.islandOutline[1][k][1] = static_cast<int32_t>(-150 * std::cos(t));
    }
    f.g.ownBoat.x = f.g.ownBoat.cellX = boatX;
    f.g.radarState.range = 12;
    auto dc = f.freshDc();
    drawRadar(*dc, f.g, 0, 349, 336, 729);
    dc.reset();
    return f.count(230, 301, 540, 591, [&](int x, int y) { return f.at(x, y) == test::kGreen; });
}

TEST(PassageRadar, IslandsBeyondTheBanksEastLimitAnswerOnlyFromBeyondIt) {
    const int32_t east = PassageState{}.bankEastX;
    EXPECT_GT(IslandEchoPixels(east - 2000), 0);  // island west of the limit
    EXPECT_EQ(IslandEchoPixels(east - 2000, 0), 0);  // but left from an earlier area
    EXPECT_EQ(IslandEchoPixels(east - 500), 0);   // island beyond, boat not
    EXPECT_GT(IslandEchoPixels(east + 1), 0);
}

// A landmass whose nearest shore lies `distance` north of the boat, seen
// looking north over an empty sea.
int32_t CoastPixels(double distance) {
    auto g = test::ViewGame();
    MakePassage(*g, 7);
    AreaGrid& a = g->areaGrid;
    a.islandCount = 1;
    a.isLandmass[1] = 1;
    const double r = 5000.0, cy = -distance - r;
    for (int32_t k = 0; k < 181; ++k) {
        const double t = (k % 180) * 2 * kDegToRad;
        a.landX[1][k] = static_cast<int32_t>(r * std::sin(t));
        a.landY[1][k] = static_cast<int32_t>(cy - r * std::cos(t));
    }
    test::Canvas c(g->screenState.width, g->screenState.height);
    drawPassageCoasts(c.dc, *g);
    return c.count(gfx::Rgb(0, 127, 0));
}

TEST(PassageCoasts, ShowWithinSightAndNotBeyond) {
    EXPECT_GT(CoastPixels(2000), 1000);
    EXPECT_GT(CoastPixels(kPassageCoastSight - 300), 0);
    EXPECT_EQ(CoastPixels(kPassageCoastSight + 300), 0);
}

}  // namespace
}  // namespace vel

namespace vel {
namespace {

// The rock list is filled from entry 1; entry 0 stays at the origin. The
// first rock of the Florida-Bahamas passages is a light, labelled "Fl"
// while mark names are shown.
TEST(ChartRocks, DrawnFromTheFirstEntryAndTheFloridaLightLabelled) {
    for (const int32_t markNames : {0, 1}) {
        test::ViewFixture f;
        MakePassage(f.g, 5);
        f.g.chartView.showMarkNames = markNames;
        RockList& r = f.g.rockList;
        r.count = 2;
        r.x[1] = 4000, r.y[1] = 0, r.visible[1] = 1;
        r.x[2] = -4000, r.y[2] = 0, r.visible[2] = 0;
        const ChartFrame frame = MainChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        DrawRocks(*dc, f.g, frame);
        ChartLabels(*dc, f.g, frame).draw(*dc);
        dc.reset();
        const auto inked = [&](gfx::Point p, int32_t dx0, int32_t dx1, gfx::Color c) {
            return f.count(p.x + dx0, p.x + dx1 + 1, p.y - 10, p.y + 11,
                           [&](int x, int y) { return f.at(x, y) == c; });
        };
        const gfx::Point first = frame.toScreen(4000, 0), second = frame.toScreen(-4000, 0), origin = frame.toScreen(0, 0);
        EXPECT_GT(inked(first, -5, 5, gfx::kWhite), 0);
        EXPECT_GT(inked(second, -5, 5, gfx::kWhite), 0);
        EXPECT_EQ(inked(origin, -5, 5, gfx::kWhite), 0);
        EXPECT_EQ(inked(first, 9, 25, gfx::kBlack) > 0, markNames == 1);
        EXPECT_EQ(inked(second, 9, 25, gfx::kBlack), 0);
    }
}

}  // namespace
}  // namespace vel
