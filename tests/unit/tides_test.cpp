#include <gtest/gtest.h>

#include <set>

#include "sim/tick.h"
#include "world/tides.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::EmptyArea;
using test::RoundIsland;
using test::StraightCoast;

// ---- Parameters of the cruise -------------------------------------------------

struct Drawn {
    std::set<int32_t> maxCurrents, offsets;
};

Drawn DrawMany(int32_t region, int32_t areaCode, int32_t mainland, int32_t currentsOn,
               void (*check)(const TideState&)) {
    Drawn d;
    auto g = EmptyArea(areaCode, region);
    g->areaGrid.mainlandSide = mainland;
    g->cruiseOptions.currentsOn = currentsOn;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        g->rng.srand(seed * 7919u);
        DrawTideParameters(*g);
        check(g->tideState);
        d.maxCurrents.insert(g->tideState.maxCurrent);
        d.offsets.insert(g->tideState.dailyOffset);
    }
    return d;
}

TEST(TideParameters, GeneratedAreasRunOneAndAHalfToTwoAndAHalfKnots) {
    const Drawn d = DrawMany(1, 1, 1, 1, [](const TideState& t) {
        EXPECT_GE(t.maxCurrent, 15);
        EXPECT_LE(t.maxCurrent, 25);
        EXPECT_EQ(t.range, t.maxCurrent / 5);
        EXPECT_GE(t.dailyOffset, 7);
        EXPECT_LE(t.dailyOffset, 19);
        EXPECT_EQ(t.virtualFrom, 90);
    });
    EXPECT_TRUE(d.maxCurrents.count(15) && d.maxCurrents.count(24));
    EXPECT_TRUE(d.offsets.count(7) && d.offsets.count(18));
}

TEST(TideParameters, ByRegionAndArea) {
    DrawMany(6, 7, 4, 1, [](const TideState& t) {
        EXPECT_GE(t.maxCurrent, 15);
        EXPECT_LE(t.maxCurrent, 30);
        EXPECT_EQ(t.range, 2 * t.maxCurrent / 5);
        EXPECT_EQ(t.virtualFrom, 180);
    });
    DrawMany(1, 20, 1, 1, [](const TideState& t) { EXPECT_EQ(t.range, t.maxCurrent / 2); });
    DrawMany(2, 3, 3, 1, [](const TideState& t) { EXPECT_EQ(t.virtualFrom, 270); });
    DrawMany(5, 5, 4, 1, [](const TideState& t) {
        EXPECT_GE(t.maxCurrent, 10);
        EXPECT_LE(t.maxCurrent, 15);
    });
}

TEST(TideParameters, CurrentsOffStillLeaveTheGulfStreamRunning) {
    DrawMany(1, 1, 1, 0, [](const TideState& t) {
        EXPECT_EQ(t.maxCurrent, 0);
        EXPECT_EQ(t.range, 0);
    });
    DrawMany(5, 6, 4, 0, [](const TideState& t) {
        EXPECT_EQ(t.maxCurrent, 0);
        EXPECT_GE(t.gulfStreamSpeed, 40);
        EXPECT_LE(t.gulfStreamSpeed, 60);
    });
}

// ---- Low water of the day ----------------------------------------------------

TEST(DayTide, LowWaterComesAnHourLaterEachDayAndWrapsPastEarlyMorning) {
    struct Case {
        int32_t dailyOffset, day, dayOffset, lowWater;
    };
    const Case cases[] = {
        {12, 1, 0, 7}, {12, 2, 0, 8}, {12, 1, 1, 8}, {19, 5, 0, 18},
        {7, 1, 0, 14},  // 2 would be too early: 14 instead
        {10, 1, 0, 17}, {11, 1, 0, 6}, {7, 3, 0, 16},
    };
    for (const Case& c : cases) {
        auto g = EmptyArea();
        g->tideState.dailyOffset = c.dailyOffset;
        g->simClock.day = c.day;
        SetDayTide(*g, c.dayOffset);
        EXPECT_EQ(g->tideState.lowWaterHour, c.lowWater) << c.dailyOffset << " " << c.day << " " << c.dayOffset;
    }
}

TEST(DayTide, SecondLowWaterTwelveHoursFromTheFirstWithinTheDay) {
    EXPECT_EQ(SecondLowWaterHour(6), 18);
    EXPECT_EQ(SecondLowWaterHour(11), 23);
    EXPECT_EQ(SecondLowWaterHour(12), 0);
    EXPECT_EQ(SecondLowWaterHour(19), 7);
}

// ---- Height of tide ------------------------------------------------------------

TEST(TideHeight, NothingAtLowWaterTheWholeRangeSixHoursOn) {
    auto g = EmptyArea();
    g->tideState.range = 5;
    struct Case {
        int32_t hour, tenths;
    };
    // The program's degree factor leaves the top just short of 50.
    for (const Case c : {Case{10, 0}, Case{11, 3}, Case{12, 12}, Case{13, 25}, Case{16, 49}, Case{19, 24},
                         Case{22, 0}, Case{7, 25}}) {
        EXPECT_EQ(TideHeight(*g, c.hour, 10), c.tenths) << c.hour;
    }
    g->cruiseOptions.currentsOn = 0;
    EXPECT_EQ(TideHeight(*g, 16, 10), 0);
}

// ---- The current at the boat in a generated area --------------------------

struct CurrentFixture : ::testing::Test {
    std::unique_ptr<Game> g = EmptyArea();
    void SetUp() override {
        TideState& t = g->tideState;
        t.maxCurrent = 20;
        t.range = 5;
        t.lowWaterHour = 10;
        t.virtualFrom = 90;
        g->boatDesign.draft = 5;
        g->ownBoat.x = 0.0;
        g->ownBoat.y = 3000.0;
    }
    TideState& AtHour(int32_t hour, double minutes = 0.0) {
        g->simClock.hour = hour;
        g->simClock.dayHours = hour + minutes / 60.0;
        UpdateTideAndCurrent(*g);
        return g->tideState;
    }
};

TEST_F(CurrentFixture, SlackAtLowWaterFloodStrongestThreeHoursOnEbbThreeHoursAfterHigh) {
    EXPECT_EQ(AtHour(10).boatCurrentSpeed, 0);
    EXPECT_EQ(AtHour(10).height, 0);
    // The degree factor puts the peak a hair short of the maximum.
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 19);
    EXPECT_EQ(AtHour(13).boatCurrentFrom, 90);
    EXPECT_EQ(AtHour(13).height, 25);
    EXPECT_EQ(AtHour(16).boatCurrentSpeed, 0);
    EXPECT_EQ(AtHour(19).boatCurrentSpeed, -19);
    EXPECT_EQ(AtHour(19).boatCurrentFrom, 90);
}

TEST_F(CurrentFixture, TideStepsOncePerHour) {
    EXPECT_EQ(AtHour(12, 59.0).height, 12);
    EXPECT_EQ(AtHour(12, 0.0).height, 12);
    EXPECT_EQ(AtHour(13, 0.0).height, 25);
}

TEST_F(CurrentFixture, ShallowWaterSlowsTheStream) {
    g->rockList.count = 1;
    g->rockList.x[1] = 0;
    g->rockList.y[1] = 3090;  // 9 ft charted, downstream of the probes
    // 9 ft plus 2 of tide: 19 x 11 / 15.
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 13);
}

TEST_F(CurrentFixture, LandUpstreamShelters) {
    RoundIsland(g->areaGrid, 1, 400, 3000, 100);  // its shore 300 upstream
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 6);     // 19 x 300 / 900
    EXPECT_EQ(AtHour(19).boatCurrentSpeed, -19);   // the ebb comes from the open side
}

TEST_F(CurrentFixture, StillWaterWithinTwoMilesOfTheHarbour) {
    g->areaGrid.harbourX = 590;
    g->areaGrid.harbourY = 3000;
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 0);
    g->areaGrid.harbourX = 610;
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 19);
}

TEST_F(CurrentFixture, InACoveOrBeyondTheCoastLineTheStreamRunsInAndOut) {
    g->areaGrid.areaCode = 1;
    StraightCoast(g->areaGrid, -8000);
    g->ownBoat.y = -4000.0;
    EXPECT_EQ(AtHour(13).boatCurrentFrom, 180);
    g->ownBoat.y = 4000.0;
    EXPECT_EQ(AtHour(13).boatCurrentFrom, 0);
    g->ownBoat.y = 3000.0;
    EXPECT_EQ(AtHour(13).boatCurrentFrom, 90);
    g->areaGrid.areaCode = 2;
    g->ownBoat.y = 4000.0;
    EXPECT_EQ(AtHour(13).boatCurrentFrom, 90);
}

TEST_F(CurrentFixture, CurrentsOffMeanNoTideAndNoStream) {
    g->cruiseOptions.currentsOn = 0;
    g->tideState.maxCurrent = 0;
    EXPECT_EQ(AtHour(13).boatCurrentSpeed, 0);
    EXPECT_EQ(AtHour(16).height, 0);
}

TEST_F(CurrentFixture, EveryTickAsksForTheCurrentAtTheBoat) {
    g->simClock.hour = 13;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->tideState.boatCurrentSpeed, 19);
}

TEST(Sounder, ReadsChartedDepthPlusTideButNeverBelowOneOrBetweenZeroAndTheDraft) {
    auto g = EmptyArea();
    g->boatDesign.draft = 6;
    g->tideState.height = 25;
    g->rockList.count = 1;
    g->rockList.x[1] = 0;
    g->rockList.y[1] = 0;
    EXPECT_EQ(SounderDepth(*g, 0, 90), 11);  // 9 + 2
    EXPECT_EQ(SounderDepth(*g, 0, 20), 5);   // 2 + 2 < draft: draft - 1
    EXPECT_EQ(SounderDepth(*g, 0, 0), 1);    // dry: no tide added
}

}  // namespace
}  // namespace vel
