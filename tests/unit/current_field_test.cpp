#include "world/current_field.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace vel {
namespace {

TEST(CurrentZones, ShapesUseStrictBoxesAndHalfOpenBands) {
    // A box, its bounds strict; a band of 2.0 to 3.5 miles around (0, 0),
    // where 599 units at 300 a mile are 19.97 tenths and the same units are
    // less far at 310 a mile; a north-south strip 0..1000 wide between
    // y = 0 (south) and y = -1000.
    const ZoneRow box{ZoneShape::Box, {-100, 100, -50, 50}}, band{ZoneShape::Band, {0, 0, 20, 35}},
        ns{ZoneShape::StripNS, {0, 0, 0, -1000, 1000, 1000}};
    for (auto [r, x, y, perMile, in] :
         {std::tuple{&box, 0, 0, 300, true}, {&box, 100, 0, 300, false}, {&box, 0, -50, 300, false},
          {&band, 599, 0, 300, false}, {&band, 600, 0, 300, true}, {&band, 0, 1049, 300, true},
          {&band, 0, 1050, 300, false}, {&band, 0, 1050, 310, true}, {&ns, 500, -500, 300, true},
          {&ns, -1, -500, 300, false}, {&ns, 500, 10, 300, false}})
        EXPECT_EQ(ZoneContains(*r, x, y, perMile), in) << "(" << x << ", " << y << ") at " << perMile;
}

TEST(CurrentZones, LaterZonesOverrideEarlierOnesFieldByField) {
    const ZoneRow rows[] = {
        {ZoneShape::Box, {-1000, 1000, -1000, 1000}, 120, kZoneKeep, 0.5, kZoneKeep},
        {ZoneShape::Box, {0, 1000, -1000, 1000}, kZoneKeep, -1, kZoneKeep, 1},
        {ZoneShape::Box, {500, 1000, -1000, 1000}, 200, kZoneKeep, kZoneKeep, kZoneKeep},
        {ZoneShape::Box, {5000, 6000, -1000, 1000}, 10, 1, 9.0, 0},  // elsewhere
    };
    CurrentZone z{90, 0, 1.0, false};
    ApplyZoneTable(rows, -10, 0, 300, z);
    EXPECT_EQ(std::tuple(z.from, z.phaseShift, z.factor, z.exempt), std::tuple(120, 0, 0.5, false));
    z = CurrentZone{90, 0, 1.0, false};
    ApplyZoneTable(rows, 600, 0, 300, z);
    EXPECT_EQ(std::tuple(z.from, z.phaseShift, z.factor, z.exempt), std::tuple(200, -1, 0.5, true));
}

TEST(CurrentZones, GulfStreamSetsBetweenItsEdgesAndNorthEastOfTheBanks) {
    AreaGrid a;
    a.region = 5;
    a.gulfWestX = -18000;
    a.gulfEastX = -7700;
    EXPECT_TRUE(InGulfStreamSet(a, -17999, 20000));
    EXPECT_FALSE(InGulfStreamSet(a, -18000, 0));
    EXPECT_FALSE(InGulfStreamSet(a, -7600, 8000));         // on the bank: south of the line
    EXPECT_TRUE(InGulfStreamSet(a, -7700, 4471));          // the line runs at y = 5964 + 0.194 x
    EXPECT_FALSE(InGulfStreamSet(a, -7700, 4472));
    EXPECT_TRUE(InGulfStreamSet(a, 10000, 7901));
    a.region = 6;
    EXPECT_FALSE(InGulfStreamSet(a, -10000, 0));
}

TEST(CurrentField, GeneratedAreasHaveNoZoneField) {
    auto g = std::make_unique<Game>();
    g->areaGrid.areaCode = 1;
    CurrentZone z;
    EXPECT_FALSE(LookUpCurrentZone(*g, 0, 0, z));
}

}  // namespace
}  // namespace vel
