// The chart's land and the depth query agree across each real area: where
// the chart paints land the water is dry, where it paints open water away
// from any shore the boat floats.
#include <gtest/gtest.h>

#include <cstdio>

#include "views/real_land.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

struct Agreement {
    int32_t land = 0, water = 0, wrongLand = 0, wrongWater = 0;
    double share() const {
        const int32_t n = land + water;
        return n == 0 ? 0.0 : 1.0 - static_cast<double>(wrongLand + wrongWater) / n;
    }
};

// Points within `band` units of a change of surface stand on a shoreline
// (outlines are rough by up to a twentieth of their radius); shoals are
// drying banks and count neither way.
Agreement Sample(const Game& g, int32_t half, int32_t step, int32_t band) {
    Agreement a;
    for (int32_t y = -half; y <= half; y += step) {
        for (int32_t x = -half; x <= half; x += step) {
            const ChartSurface s = ChartSurfaceAt(g, x, y);
            if (s == ChartSurface::Shoal) continue;
            const bool shore = ChartSurfaceAt(g, x - band, y) != s || ChartSurfaceAt(g, x + band, y) != s ||
                               ChartSurfaceAt(g, x, y - band) != s || ChartSurfaceAt(g, x, y + band) != s;
            if (shore) continue;
            const int32_t depth = DepthAt(g, x, y, 1);
            if (s == ChartSurface::Land) {
                ++a.land;
                a.wrongLand += depth > 1;
            } else {
                ++a.water;
                a.wrongWater += depth <= 0;
            }
        }
    }
    return a;
}

TEST(RealLandAndDepth, ChartLandIsDryAndOpenWaterFloats) {
    struct Area {
        int32_t code, region;
    };
    for (const Area area : {Area{11, 1}, Area{12, 2}, Area{20, 1}, Area{30, 3}}) {
        const auto g = test::StartedCruise({area.code, area.region}, 7);
        const Agreement a = Sample(*g, 24000, 250, 120);
        std::printf("area %d: land %d (%d wet), open water %d (%d dry): %.2f%% agree\n", area.code, a.land,
                    a.wrongLand, a.water, a.wrongWater, 100.0 * a.share());
        SCOPED_TRACE(testing::Message() << "area " << area.code);
        EXPECT_GT(a.land, 300);  // the cays of the Exumas are small
        EXPECT_GT(a.water, 1000);
        EXPECT_GE(a.share(), 0.98);
        // Land the chart paints is dry, whatever the island's group.
        EXPECT_EQ(a.wrongLand, 0);
    }
}

}  // namespace
}  // namespace vel
