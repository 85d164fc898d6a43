#include <gtest/gtest.h>

#include <QImage>

#include "real_area_fixture.h"
#include "sailing_view_fixture.h"
#include "shell/chart_nav.h"
#include "sim/cruise_start.h"
#include "view_fixture.h"
#include "views/chart.h"
#include "views/real_chart.h"
#include "views/real_land.h"
#include "views/real_radar.h"
#include "views/real_scene.h"
#include "views/sky.h"
#include "views/true_land.h"
#include "world/terrain.h"

namespace vel {
namespace {

using test::ViewFixture;

constexpr gfx::Color kShoalTint = gfx::Rgb(127, 200, 255);

// What a chart pixel shows, by its colour; nullopt for lines, dots and text.
enum class ChartSurface { Water, Shoal, Land };

std::optional<ChartSurface> SurfaceOfPixel(gfx::Color c) {
    if (c == test::kLand) return ChartSurface::Land;
    if (c == kShoalTint) return ChartSurface::Shoal;
    if (c == test::kWater) return ChartSurface::Water;
    return std::nullopt;
}

// The chart paints land exactly where the depth query reads dry, and water
// where it floats, in every real area at a far and a near zoom: each pixel
// away from a change of colour is held against the query at its point.
TEST(RealChartLand, PaintedLandIsWhereTheDepthQueryIsDry) {
    struct Case {
        int32_t areaCode, zoom, panX, panY;
    };
    for (const Case c : {Case{11, 32, 0, 0}, Case{12, 32, 0, 0}, Case{12, 8, 0, -6000}, Case{20, 32, 0, 0},
                         Case{20, 4, -1600, 600}, Case{30, 16, 0, 0}}) {
        ViewFixture f;
        f.g.cruiseOptions.areaCode = c.areaCode;
        f.g.cruiseOptions.region = c.areaCode == 12 ? 2 : c.areaCode == 30 ? 3 : 1;
        f.g.rng.srand(3);
        FillRandomTable(f.g.randomTable, f.g.rng);
        StartCruise(f.g);
        f.g.chartView.scale = c.zoom;
        f.g.chartView.panX = c.panX;
        f.g.chartView.panY = c.panY;
        PrepareChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        const ChartFrame frame = MainChartFrame(f.g);
        DrawRealAreaLayers(*dc, f.g, frame);
        dc.reset();
        // Beyond the area's data lies the grey frame, not part of the chart's sea.
        const std::vector<LabelBox> grey = RealAreaFrameRects(f.g, frame);
        const auto framed = [&](int32_t x, int32_t y) {
            for (const LabelBox& b : grey)
                if (x >= b.left - 3 && x <= b.right + 3 && y >= b.top - 3 && y <= b.bottom + 3) return true;
            return false;
        };
        int32_t counted[3] = {}, wrong = 0;
        const int32_t top = f.g.screenState.height / 15 + 2;
        for (int32_t y = top; y < f.g.screenState.height - 3; y += 5) {
            for (int32_t x = 3; x < f.g.screenState.width - 3; x += 5) {
                const auto seen = SurfaceOfPixel(f.at(x, y));
                if (!seen || framed(x, y)) continue;
                bool shore = false;
                for (const auto& [dx, dy] : {std::pair{-2, 0}, {2, 0}, {0, -2}, {0, 2}})
                    shore = shore || SurfaceOfPixel(f.at(x + dx, y + dy)) != seen;
                if (shore) continue;
                const ChartPoint w = chartToWorld(f.g, x, y);
                const bool dry = DepthAt(f.g, w.x, w.y, 2) == 0;
                ++counted[static_cast<int>(*seen)];
                wrong += dry != (*seen == ChartSurface::Land);
            }
        }
        const int32_t total = counted[0] + counted[1] + counted[2];
        SCOPED_TRACE(testing::Message() << "area " << c.areaCode << " zoom " << c.zoom);
        EXPECT_GT(counted[static_cast<int>(ChartSurface::Land)], 50);
        EXPECT_GT(counted[static_cast<int>(ChartSurface::Water)], 500);
        EXPECT_LE(wrong * 500, total) << wrong << " of " << total;
    }
}

// The land kept between frames is the land drawn afresh; a pan draws anew.
TEST(RealChartLand, KeptLandIsTheLandDrawnAfreshUntilThePanChanges) {
    ViewFixture f;
    f.g.cruiseOptions.areaCode = 20;
    f.g.cruiseOptions.region = 1;
    StartCruise(f.g);
    f.g.chartView.scale = 8;
    gfx::ShapeCache cache;
    const auto draw = [&](gfx::ShapeCache* kept) {
        PrepareChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        dc->UseShapeCache(kept);
        dc->SelectBrush(22);
        DrawTrueLand(*dc, f.g, MainChartFrame(f.g));
        dc.reset();
        return f.surface->image().copy();
    };
    const QImage first = draw(&cache);
    EXPECT_EQ(draw(&cache), first);
    EXPECT_EQ(draw(nullptr), first);
    f.g.chartView.panX += 700;
    const QImage panned = draw(&cache);
    EXPECT_NE(panned, first);
    EXPECT_EQ(draw(nullptr), panned);
}

// Only the stretch of an outline that the data says returns an echo shows
// on the radar: none at all when the stretch is empty.
TEST(RealRadar, IslandEchoesComeOnlyFromTheirEchoRange) {
    struct Case {
        int32_t first, last;
        bool nearSide, farSide;  // outline points 14 and 50
    };
    for (const Case c : {Case{0, 72, true, true}, Case{32, 69, false, true}, Case{73, 72, false, false}}) {
        ViewFixture f;
        test::LayOutRealArea(f.g, 30, 416);
        f.g.areaGrid.radarFirst[2] = c.first;
        f.g.areaGrid.radarLast[2] = c.last;
        f.g.ownBoat.cellX = -4000;
        f.g.ownBoat.cellY = 3800;
        const RadarGeometry r{168, 563, 12, 0, 349, 336};
        auto dc = f.freshDc(gfx::kBlack);
        dc->SelectPen(35);  // (0,255,0) 3
        DrawRealCoastEchoes(*dc, f.g, r);
        dc.reset();
        auto echoNear = [&](int32_t k) {
            const auto& o = f.g.areaGrid.islandOutline[2][k];
            const RadarEcho e = RadarEchoAt(f.g, r, o[0], o[1]);
            for (int32_t dy = -2; dy <= 2; ++dy)
                for (int32_t dx = -2; dx <= 2; ++dx)
                    if (f.at(e.p.x + dx, e.p.y + dy) == test::kGreen) return true;
            return false;
        };
        SCOPED_TRACE(testing::Message() << "echo points " << c.first << ".." << c.last);
        EXPECT_EQ(echoNear(14), c.nearSide);
        EXPECT_EQ(echoNear(50), c.farSide);
    }
}

// In the Exumas the sea is the bank's turquoise, deep blue over the sound;
// from the sound by day, looking toward the bank (south-west to west), the
// bank shows as a band under the horizon.
TEST(RealSea, ExumasBankAndSoundColours) {
    constexpr gfx::Color kTurquoise = gfx::Rgb(0, 201, 201), kSound = gfx::Rgb(0, 63, 127);
    struct Case {
        double x, y;
        int32_t heading;
        gfx::Color nearWater, underHorizon;
    };
    // (1000, 4500) lies in the sound a few hundred units east of its edge;
    // (-3000, 4500) on the bank west of it.
    for (const Case c : {Case{1000, 4500, 200, kSound, kTurquoise}, Case{1000, 4500, 90, kSound, kSound},
                         Case{1000, 4500, 300, kSound, kSound}, Case{-3000, 4500, 200, kTurquoise, kTurquoise}}) {
        auto g = test::ViewGame();
        test::LayOutRealArea(*g, 30, 416);
        g->ownBoat.x = c.x;
        g->ownBoat.y = c.y;
        g->viewState.viewHeading = c.heading;
        ComputeFrameLight(*g);
        test::Canvas canvas(1024, 768);
        drawSea(canvas.dc, *g, 0, 0, 1024, g->screenState.panelTop);
        drawExumasBankBand(canvas.dc, *g);
        SCOPED_TRACE(testing::Message() << "boat " << c.x << "," << c.y << " looking " << c.heading);
        EXPECT_EQ(canvas.at(500, g->screenState.panelTop - 20), c.nearWater);
        EXPECT_EQ(canvas.at(500, g->viewState.horizonY + 2), c.underHorizon);
    }
}

// A real island stands in the view where it lies ahead within fifteen
// miles, however far its centre; behind the boat or beyond that it is not
// drawn. Counted as land-green pixels above the horizon row band.
TEST(RealIslandView, DrawnAheadWithinFifteenMiles) {
    constexpr gfx::Color kLandGreen = gfx::Rgb(0, 127, 0);
    struct Case {
        double boatY;     // the island (R 1500, long axis north-east) stands at (2000, 1000)
        int32_t heading;  // the view's
        bool seen;
    };
    // 310 units to the mile: 15 miles is 4650 units from the near shore.
    for (const Case c : {Case{3000, 0, true}, Case{3000, 180, false}, Case{7000, 0, true}, Case{9000, 0, false}}) {
        auto g = test::ViewGame();
        test::LayOutRealArea(*g, 12, 310);  // region 2: land in (0,127,0)
        g->ownBoat.x = 2000;
        g->ownBoat.y = c.boatY;
        g->viewState.viewHeading = g->viewState.eyeHeading = c.heading;
        ComputeFrameLight(*g);
        test::Canvas canvas(1024, 768);
        drawRealIsland(canvas.dc, *g, 1);
        SCOPED_TRACE(testing::Message() << "boat at y " << c.boatY << " looking " << c.heading);
        EXPECT_EQ(canvas.count(kLandGreen) > 20, c.seen);
    }
}

}  // namespace
}  // namespace vel
