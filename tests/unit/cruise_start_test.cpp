#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "world/tides.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

// A real area's own region, not one left in the options (area 11's is 1), rules.
TEST(CruiseStart, AreaParametersByAreaAndTheChartFromItsFullView) {
    for (auto [code, region, unitsPerMile, fullScale, scale, variation, real, passage] :
         {std::tuple{1, 1, 300, 75, 32, 14, 0, 0}, {3, 2, 300, 75, 32, 10, 0, 0}, {2, 3, 300, 75, 32, 7, 0, 0},
          {5, 5, 300, 100, 100, 6, 0, 1}, {8, 6, 300, 100, 100, 18, 0, 1}, {11, 2, 310, 70, 70, 14, 1, 0},
          {12, 2, 140, 51, 51, 10, 1, 0}, {20, 1, 175, 50, 50, 17, 1, 0}, {30, 3, 416, 100, 100, 7, 1, 0}}) {
        auto g = StartedCruise({code, region}, 1, 5, [](Game& x) { x.chartView.panX = x.chartView.panY = 7; });
        EXPECT_EQ(std::tuple(g->areaGrid.unitsPerMile, g->chartView.fullScale, g->chartView.scale, g->chartView.panX,
                             g->chartView.panY, g->navState.variation, g->cruiseOptions.isRealArea,
                             g->cruiseOptions.isPassage),
                  std::tuple(unitsPerMile, fullScale, scale, 0, 0, variation, real, passage))
            << code;
        EXPECT_DOUBLE_EQ(g->simClock.minutesPerUnit, 61.2 / unitsPerMile);
        // Only the real areas with a mainland load a shore profile:
        // against x in Southern New England and Maine, against y in the bay.
        EXPECT_EQ(std::pair(g->areaGrid.shoreXMin > -30000, g->areaGrid.westYMax > -30000),
                  std::pair(code == 11 || code == 20, code == 12))
            << code;
        EXPECT_TRUE(region != 6 || g->ownBoat.anchorRode == 150);
    }
}

// An unknown area code draws a generated area; the Bahamian islands are never
// a real area and always the islands area.
TEST(CruiseStart, UnchosenOrUnknownAreaDrawsAGeneratedOne) {
    std::set<int32_t> codes, regions;
    uint32_t seed = 1;
    for (int32_t code : {0, -3, 9, 13, 99})
        for (int n = 0; n < 60; ++n, ++seed) {
            auto g = StartedCruise({code, 0}, seed);
            const CruiseOptions& o = g->cruiseOptions;
            ASSERT_TRUE(o.areaCode >= 1 && o.areaCode <= 3 && o.region >= 1 && o.region <= 3) << code;
            EXPECT_TRUE(o.region != 3 || o.areaCode == 2);
            EXPECT_EQ(std::tuple(o.isRealArea, o.isPassage, g->areaGrid.areaCode, g->areaGrid.unitsPerMile),
                      std::tuple(0, 0, o.areaCode, 300));
            codes.insert(o.areaCode);
            regions.insert(o.region);
        }
    EXPECT_EQ(std::pair(codes.size(), regions.size()), std::pair(std::size_t{3}, std::size_t{3}));
    for (int32_t code : {1, 2, 4}) {
        auto g = StartedCruise({code, 3}, 1, 5, [](Game& x) { x.cruiseOptions.isRealArea = 1; });
        EXPECT_EQ(std::tuple(g->cruiseOptions.isRealArea, g->areaGrid.isRealArea, g->areaGrid.areaCode,
                             g->areaGrid.islandCount),
                  std::tuple(0, 0, 2, 20))
            << code;
    }
}

TEST(CruiseStart, BeginnerCourseIsAnEasyUnmirroredSouthernCoastWithoutCurrents) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto g = StartedCruise({3, 1, 1}, seed, 7);
        const CruiseOptions& o = g->cruiseOptions;
        EXPECT_EQ(std::tuple(o.areaCode, o.region, o.difficulty, o.currentsOn, o.noFailElectronics, o.noFailEngine,
                             o.noBroaching),
                  std::tuple(1, 2, 1, 0, 1, 1, 1));
        EXPECT_EQ(std::tuple(g->areaGrid.mainlandSide, g->areaGrid.mirrored, g->tideState.maxCurrent,
                             g->navState.variation, g->weather.dailyTrend),
                  std::tuple(1, 0, 0, 10, 0));  // nor does the wind build from day to day
    }
}

TEST(CruiseStart, TheBoatRunsBeforeTheDaysWindExceptOnAPassageAndMoonlightReturnsOutsideThem) {
    for (auto [code, region] : {std::pair{2, 1}, {5, 5}, {7, 6}}) {
        auto g = StartedCruise({code, region}, 1, 5, [](Game& x) {
            x.weather.baseDirection = 250;
            x.cruiseOptions.troubleNoMoonlight = 1;
            x.weather.moonlight = 0;
        });
        const OwnBoat& b = g->ownBoat;
        const bool passage = code != 2;
        const int32_t wind = g->weather.baseDirection;
        EXPECT_EQ(std::tuple(b.heading, b.trueWindAngle, b.tack, g->cruiseOptions.troubleNoMoonlight),
                  std::tuple(passage ? wind : NormaliseAngle(wind + 180), passage ? 0 : 180, 1, passage ? 1 : 0))
            << code;
        EXPECT_DOUBLE_EQ(b.headingExact, b.heading);
        EXPECT_TRUE(passage || g->weather.moonlight == 1);
    }
}

// Every world table is cleared at each start.
TEST(CruiseStart, NothingOfTheLastCruisesWorldRemains) {
    auto g = StartedCruise({4, 1}, 3);
    g->simClock.day = 6;
    g->cruiseOptions.areaCode = 2;
    g->cruiseOptions.region = 1;
    StartCruise(*g);
    const AreaGrid& a = g->areaGrid;
    EXPECT_EQ(std::tuple(a.coastStep, a.coastY[100], a.coveStart[0], a.riverBend, a.coveInnerY[0], a.pierBerthX),
              std::tuple(0, 0, 0, 0, 0, kParkedPosition));  // the islands have no pier
    // The tide of day 1, not of the day the last cruise ended on.
    const int32_t t = g->tideState.dailyOffset + 1;
    EXPECT_EQ(std::pair(g->tideState.lowWaterHour, g->simClock.day), std::pair(t - 6 < 6 ? t + 6 : t - 6, 1));
}

}  // namespace
}  // namespace vel
