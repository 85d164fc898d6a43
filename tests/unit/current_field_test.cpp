#include "world/current_field.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace vel {
namespace {

TEST(CurrentZones, ShapesUseStrictBoxesAndHalfOpenBands) {
    const ZoneRow box{ZoneShape::Box, {-100, 100, -50, 50}};
    EXPECT_TRUE(ZoneContains(box, 0, 0, 300));
    EXPECT_FALSE(ZoneContains(box, 100, 0, 300));   // bounds are strict
    EXPECT_FALSE(ZoneContains(box, 0, -50, 300));
    // A band of 2.0 to 3.5 miles around (0, 0) at 300 units per mile.
    const ZoneRow band{ZoneShape::Band, {0, 0, 20, 35}};
    EXPECT_FALSE(ZoneContains(band, 599, 0, 300));  // 19.97 tenths
    EXPECT_TRUE(ZoneContains(band, 600, 0, 300));
    EXPECT_TRUE(ZoneContains(band, 0, 1049, 300));
    EXPECT_FALSE(ZoneContains(band, 0, 1050, 300));
    EXPECT_TRUE(ZoneContains(band, 0, 1050, 310));  // the same units are less far at 310 a mile
    // North-south strip 0..1000 wide between y = 0 (south) and y = -1000.
    const ZoneRow ns{ZoneShape::StripNS, {0, 0, 0, -1000, 1000, 1000}};
    EXPECT_TRUE(ZoneContains(ns, 500, -500, 300));
    EXPECT_FALSE(ZoneContains(ns, -1, -500, 300));
    EXPECT_FALSE(ZoneContains(ns, 500, 10, 300));
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
