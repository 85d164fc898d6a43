#include "world/real_terrain.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/geo.h"
#include "world/shore.h"
#include "world/terrain.h"

namespace vel {
namespace {

// The Chesapeake's true shore with a plain slope of 28 ft a mile (0.2 ft a
// unit), the boat at a point of open water more than 1500 units from any
// shore, and one drying shoal of radius 200 units 1000 units north of it.
class RealProbe : public testing::Test {
  protected:
    void SetUp() override {
        g = std::make_unique<Game>();
        AreaGrid& a = g->areaGrid;
        a.areaCode = g->cruiseOptions.areaCode = 12;
        a.isRealArea = g->cruiseOptions.isRealArea = 1;
        a.unitsPerMile = 140;
        LoadShoreMap(g->shoreMap, 12);
        const TrueShoreTable& t = *g->shoreMap.table;
        for (int32_t y = t.y0 + 2000; y < t.y0 + t.ny * t.cell && x == 0; y += 211)
            for (int32_t cx = t.x0 + 2000; cx < t.x0 + t.nx * t.cell; cx += 223) {
                const ShoreSample s = ShoreAt(g->shoreMap, cx, y);
                if (!s.land && s.distance > 1500) {
                    x = cx, this->y = y;
                    break;
                }
            }
        ASSERT_NE(x, 0);
        const GeoProjection& p = *ProjectionForArea(12);
        const LatLon c = LatLonFromArea(p, {double(x), double(y - 1000)});
        centre[0] = {c.lat, c.lon};
        LoadDepthFacts(g->shoreMap, {12, 4, 28, 60, 6, {}, shoal}, p);
    }
    std::unique_ptr<Game> g;
    int32_t x = 0, y = 0;
    GeoPt centre[1] = {};
    const DepthFact shoal[1] = {{DepthShape::Circle, DepthRule::AtMost, 0, 2646, centre}};  // 200 units
};

// Below 5 ft within 25 units of the shoal's rim: the probe at 800 north is
// the first, at 225 from its centre.
TEST_F(RealProbe, ShoalAheadFindsTheFirstShallowsAlongItsDirection) {
    g->ownBoat.heading = 0;
    EXPECT_EQ(ShoalAheadReal(*g, 1, x, y), 800);
    EXPECT_EQ(ShoalAheadReal(*g, 5, x, y), 800);   // five degrees off still meets it
    g->ownBoat.heading = 180;
    EXPECT_EQ(ShoalAheadReal(*g, 1, x, y), 900);   // clear water astern
    g->tideState.currentFrom = 0;                  // upstream: toward the current's source
    EXPECT_EQ(ShoalAheadReal(*g, 0, x, y), 800);
    g->tideState.currentFrom = 400;
    EXPECT_EQ(ShoalAheadReal(*g, 0, x, y), 900);   // no such direction
}

// A rock is a cone of a foot in five units that the chart leaves out.
TEST_F(RealProbe, RocksRiseToTheSurfaceOffTheChart) {
    const double open = RealDepth(*g, x, y, 1, 0);
    g->rockList.realCount = 1;
    g->rockList.x[0] = x;
    g->rockList.y[0] = y;
    EXPECT_EQ(RealDepth(*g, x, y, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(RealDepth(*g, x + 20, y - 10, 0, 0), 6.0);
    EXPECT_DOUBLE_EQ(RealDepth(*g, x, y, 2, 0), open);
}

}  // namespace
}  // namespace vel
