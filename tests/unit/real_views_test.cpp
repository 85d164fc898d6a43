#include <gtest/gtest.h>

#include "real_area_fixture.h"
#include "shell/chart_nav.h"
#include "view_fixture.h"
#include "views/chart.h"
#include "views/real_chart.h"
#include "views/real_land.h"

namespace vel {
namespace {

using test::ViewFixture;

constexpr gfx::Color kShoalTint = gfx::Rgb(127, 200, 255);

// What a chart pixel shows, by its colour; nullopt for lines, dots and text.
std::optional<ChartSurface> SurfaceOfPixel(gfx::Color c) {
    if (c == test::kLand) return ChartSurface::Land;
    if (c == kShoalTint) return ChartSurface::Shoal;
    if (c == test::kWater) return ChartSurface::Water;
    return std::nullopt;
}

// The chart's fill and the point query that the depth consistency check
// relies on must be the same shapes: mainland behind each kind of profile,
// islands and shoals, at a near and a far zoom.
TEST(RealChartLand, PaintedSurfaceMatchesTheSurfaceQuery) {
    struct Case {
        int32_t areaCode, zoom, panX, panY;
    };
    for (const Case c : {Case{11, 32, 0, 0}, Case{11, 8, 3500, 2000}, Case{12, 32, 0, 0}, Case{12, 8, 3500, 2000},
                         Case{30, 16, 0, 0}}) {
        ViewFixture f;
        test::LayOutRealArea(f.g, c.areaCode, 310);
        f.g.chartView.scale = c.zoom;
        f.g.chartView.panX = c.panX;
        f.g.chartView.panY = c.panY;
        PrepareChartFrame(f.g);
        auto dc = f.freshDc(test::kWater);
        DrawRealAreaLayers(*dc, f.g, MainChartFrame(f.g));
        dc.reset();
        int32_t counted[3] = {}, wrong = 0;
        for (int32_t y = 1; y < f.g.screenState.height - 1; y += 5) {
            for (int32_t x = 1; x < f.g.screenState.width - 1; x += 5) {
                const auto seen = SurfaceOfPixel(f.at(x, y));
                if (!seen) continue;
                const ChartPoint w = chartToWorld(f.g, x, y);
                const ChartSurface want = ChartSurfaceAt(f.g, w.x, w.y);
                ++counted[static_cast<int>(want)];
                wrong += *seen != want;
            }
        }
        const int32_t total = counted[0] + counted[1] + counted[2];
        SCOPED_TRACE(testing::Message() << "area " << c.areaCode << " zoom " << c.zoom);
        EXPECT_GT(counted[static_cast<int>(ChartSurface::Land)], 50);
        EXPECT_GT(counted[static_cast<int>(ChartSurface::Shoal)], 5);
        EXPECT_GT(counted[static_cast<int>(ChartSurface::Water)], 1000);
        EXPECT_LT(wrong * 200, total) << wrong << " of " << total;
    }
}

}  // namespace
}  // namespace vel
