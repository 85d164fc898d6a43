#include <gtest/gtest.h>

#include <set>

#include "world/tides.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

TEST(CruiseStart, AreaParametersByArea) {
    struct Case {
        int32_t code, region, unitsPerMile, fullScale, scale, variation, real, passage;
    };
    const Case cases[] = {
        {1, 1, 300, 75, 32, 14, 0, 0},   {3, 2, 300, 75, 32, 10, 0, 0},   {2, 3, 300, 75, 32, 7, 0, 0},
        {5, 5, 300, 75, 75, 6, 0, 1},    {8, 6, 300, 75, 75, 18, 0, 1},   {11, 1, 310, 70, 70, 14, 1, 0},
        {12, 2, 140, 51, 51, 10, 1, 0},  {20, 1, 175, 50, 50, 17, 1, 0},  {30, 3, 416, 100, 100, 7, 1, 0},
    };
    for (const Case& c : cases) {
        auto g = StartedCruise({c.code, c.region}, 1, 5, [](Game& x) { x.chartView.panX = x.chartView.panY = 7; });
        SCOPED_TRACE(c.code);
        EXPECT_EQ(g->areaGrid.unitsPerMile, c.unitsPerMile);
        EXPECT_DOUBLE_EQ(g->simClock.minutesPerUnit, 61.2 / c.unitsPerMile);
        EXPECT_EQ(g->chartView.fullScale, c.fullScale);
        EXPECT_EQ(g->chartView.scale, c.scale);
        EXPECT_EQ(g->chartView.panX, 0);
        EXPECT_EQ(g->chartView.panY, 0);
        EXPECT_EQ(g->navState.variation, c.variation);
        EXPECT_EQ(g->cruiseOptions.isRealArea, c.real);
        EXPECT_EQ(g->cruiseOptions.isPassage, c.passage);
        // Only the real areas with a mainland load a shore profile:
        // against x in Southern New England and Maine, against y in the bay.
        EXPECT_EQ(g->areaGrid.shoreXMin > -30000, c.code == 11 || c.code == 20);
        EXPECT_EQ(g->areaGrid.westYMax > -30000, c.code == 12);
        if (c.region == 6) {
            EXPECT_EQ(g->ownBoat.anchorRode, 150);
        }
    }
}

TEST(CruiseStart, UnchosenOrUnknownAreaDrawsAGeneratedOne) {
    std::set<int32_t> codes, regions;
    bool bahamas = false;
    uint32_t seed = 1;
    for (int32_t code : {0, -3, 9, 13, 99})
        for (int n = 0; n < 60; ++n, ++seed) {
            auto g = StartedCruise({code, 0}, seed);
            const CruiseOptions& o = g->cruiseOptions;
            ASSERT_TRUE(o.areaCode >= 1 && o.areaCode <= 3) << code;
            ASSERT_TRUE(o.region >= 1 && o.region <= 3);
            if (o.region == 3) {
                EXPECT_EQ(o.areaCode, 2);
            }
            EXPECT_EQ(o.isRealArea, 0);
            EXPECT_EQ(o.isPassage, 0);
            EXPECT_EQ(g->areaGrid.areaCode, o.areaCode);
            EXPECT_EQ(g->areaGrid.unitsPerMile, 300);
            codes.insert(o.areaCode);
            regions.insert(o.region);
            bahamas |= o.region == 3;
        }
    EXPECT_EQ(codes.size(), 3u);
    EXPECT_EQ(regions.size(), 3u);
    EXPECT_TRUE(bahamas);
}

TEST(CruiseStart, BahamianIslandsAreNeverARealAreaAndAlwaysTheIslandsArea) {
    for (int32_t code : {1, 2, 4}) {
        auto g = StartedCruise({code, 3}, 1, 5, [](Game& x) { x.cruiseOptions.isRealArea = 1; });
        EXPECT_EQ(g->cruiseOptions.isRealArea, 0);
        EXPECT_EQ(g->areaGrid.isRealArea, 0);
        EXPECT_EQ(g->areaGrid.areaCode, 2);
        EXPECT_EQ(g->areaGrid.islandCount, 20);
    }
}

TEST(CruiseStart, BeginnerCourseIsAnEasyUnmirroredSouthernCoastWithoutCurrents) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto g = StartedCruise({3, 1, 1}, seed, 7);
        const CruiseOptions& o = g->cruiseOptions;
        EXPECT_EQ(o.areaCode, 1);
        EXPECT_EQ(o.region, 2);
        EXPECT_EQ(o.difficulty, 1);
        EXPECT_EQ(o.currentsOn, 0);
        EXPECT_EQ(o.noFailElectronics, 1);
        EXPECT_EQ(o.noFailEngine, 1);
        EXPECT_EQ(o.noBroaching, 1);
        EXPECT_EQ(g->areaGrid.mainlandSide, 1);
        EXPECT_EQ(g->areaGrid.mirrored, 0);
        EXPECT_EQ(g->tideState.maxCurrent, 0);
        EXPECT_EQ(g->navState.variation, 10);
    }
}

TEST(CruiseStart, BoatRunsBeforeTheDaysWindExceptOnAPassage) {
    for (int32_t code : {1, 5}) {
        auto g = StartedCruise({code, code == 5 ? 5 : 1}, 1, 5, [](Game& x) { x.weather.baseDirection = 250; });
        const OwnBoat& b = g->ownBoat;
        const int32_t wind = g->weather.baseDirection;
        EXPECT_EQ(b.heading, code == 5 ? wind : NormaliseAngle(wind + 180));
        EXPECT_EQ(b.trueWindAngle, code == 5 ? 0 : 180);
        EXPECT_EQ(b.tack, 1);
        EXPECT_DOUBLE_EQ(b.headingExact, b.heading);
    }
}

TEST(CruiseStart, MoonlightComesBackOutsideThePassages) {
    for (int32_t code : {2, 7}) {
        auto g = StartedCruise({code, code == 7 ? 6 : 1}, 1, 5, [](Game& x) {
            x.cruiseOptions.troubleNoMoonlight = 1;
            x.weather.moonlight = 0;
        });
        EXPECT_EQ(g->cruiseOptions.troubleNoMoonlight, code == 7 ? 1 : 0);
        if (code == 2) {
            EXPECT_EQ(g->weather.moonlight, 1);
        }
    }
}

TEST(CruiseStart, NothingOfTheLastCruisesWorldRemains) {
    auto g = StartedCruise({4, 1}, 3);
    g->simClock.day = 6;
    g->cruiseOptions.areaCode = 2;
    g->cruiseOptions.region = 1;
    StartCruise(*g);
    const AreaGrid& a = g->areaGrid;
    EXPECT_EQ(a.coastStep, 0);
    EXPECT_EQ(a.coastY[100], 0);
    EXPECT_EQ(a.coveStart[0], 0);
    EXPECT_EQ(a.pierBerthX, kParkedPosition);  // the islands have no pier
    EXPECT_EQ(a.riverBend, 0);
    EXPECT_EQ(a.coveInnerY[0], 0);
    // The tide of day 1, not of the day the last cruise ended on.
    const int32_t t = g->tideState.dailyOffset + 1;
    EXPECT_EQ(g->tideState.lowWaterHour, t - 6 < 6 ? t + 6 : t - 6);
    EXPECT_EQ(g->simClock.day, 1);
}

}  // namespace
}  // namespace vel
