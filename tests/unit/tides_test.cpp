#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

#include "sim/tick.h"
#include "world/tides.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::EmptyArea;
using test::RoundIsland;
using test::StraightCoast;

// Four hundred draws of the cruise's tide in one area; check each.
void DrawMany(int32_t region, int32_t areaCode, int32_t mainland, int32_t currentsOn,
              const std::function<void(const TideState&)>& check) {
    auto g = EmptyArea(areaCode, region);
    g->areaGrid.mainlandSide = mainland;
    g->cruiseOptions.currentsOn = currentsOn;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        g->rng.srand(seed * 7919u);
        DrawTideParameters(*g);
        check(g->tideState);
    }
}

TEST(TideParameters, RangeAndStreamByRegionAndAreaAndTheGulfStreamRunsWithCurrentsOff) {
    std::set<int32_t> maxCurrents, offsets;
    DrawMany(1, 1, 1, 1, [&](const TideState& t) {
        EXPECT_TRUE(t.maxCurrent >= 15 && t.maxCurrent <= 25 && t.dailyOffset >= 7 && t.dailyOffset <= 19);
        EXPECT_EQ(std::pair(t.range, t.virtualFrom), std::pair(t.maxCurrent / 5, 90));
        maxCurrents.insert(t.maxCurrent);
        offsets.insert(t.dailyOffset);
    });
    EXPECT_TRUE(maxCurrents.count(15) && maxCurrents.count(24) && offsets.count(7) && offsets.count(18));
    DrawMany(6, 7, 4, 1, [](const TideState& t) {
        EXPECT_TRUE(t.maxCurrent >= 15 && t.maxCurrent <= 30);
        EXPECT_EQ(std::pair(t.range, t.virtualFrom), std::pair(2 * t.maxCurrent / 5, 180));
    });
    DrawMany(2, 3, 3, 1, [](const TideState& t) { EXPECT_EQ(t.virtualFrom, 270); });
    DrawMany(1, 1, 1, 0, [](const TideState& t) { EXPECT_EQ(std::pair(t.maxCurrent, t.range), std::pair(0, 0)); });
    DrawMany(5, 6, 4, 0, [](const TideState& t) {
        EXPECT_TRUE(t.maxCurrent == 0 && t.gulfStreamSpeed >= 40 && t.gulfStreamSpeed <= 60);
    });
}

// Offset + day - 6, or + 6 where that would fall before 06:00.
TEST(DayTide, LowWaterComesAnHourLaterEachDayAndWrapsPastEarlyMorning) {
    for (auto [dailyOffset, day, dayOffset, lowWater] :
         {std::tuple{12, 1, 0, 7}, {12, 2, 0, 8}, {12, 1, 1, 8}, {10, 1, 0, 17}, {11, 1, 0, 6}}) {
        auto g = EmptyArea();
        std::tie(g->tideState.dailyOffset, g->simClock.day) = std::pair(dailyOffset, day);
        SetDayTide(*g, dayOffset);
        EXPECT_EQ(g->tideState.lowWaterHour, lowWater) << dailyOffset << " " << day << " " << dayOffset;
    }
    for (auto [first, second] : {std::pair{11, 23}, {12, 0}}) EXPECT_EQ(SecondLowWaterHour(first), second);
}

TEST(TideHeight, NothingAtLowWaterTheWholeRangeSixHoursOn) {
    auto g = EmptyArea();
    g->tideState.range = 5;
    // The program's degree factor leaves the top just short of 50.
    for (auto [hour, tenths] : {std::pair{10, 0}, {11, 3}, {12, 12}, {13, 25}, {16, 49}, {19, 24}, {22, 0}, {7, 25}})
        EXPECT_EQ(TideHeight(*g, hour, 10), tenths) << hour;
}

// A stream of 2 knots from the east, low water at 10, the boat at (0, 3000).
struct Stream {
    std::unique_ptr<Game> g = EmptyArea();
    Stream() {
        std::tie(g->tideState.maxCurrent, g->tideState.range, g->tideState.lowWaterHour, g->tideState.virtualFrom) =
            std::tuple(20, 5, 10, 90);
        g->boatDesign.draft = 5;
        g->ownBoat.y = 3000.0;
    }
    TideState& at(int32_t hour, double minutes = 0.0) {
        g->simClock.hour = hour;
        g->simClock.dayHours = hour + minutes / 60.0;
        UpdateTideAndCurrent(*g);
        return g->tideState;
    }
    int32_t speedAt(int32_t hour) { return at(hour).boatCurrentSpeed; }
};

TEST(Current, SlackAtLowWaterFloodThreeHoursOnEbbThreeHoursAfterHighSteppingByTheHour) {
    Stream s;
    // The degree factor puts the peak a hair short of the maximum.
    for (auto [hour, speed, height] : {std::tuple{10, 0, 0}, {13, 19, 25}, {16, 0, 49}, {19, -19, 24}}) {
        const TideState& t = s.at(hour);
        EXPECT_EQ(std::tuple(t.boatCurrentSpeed, t.boatCurrentFrom, t.height), std::tuple(speed, 90, height)) << hour;
    }
    EXPECT_EQ(s.at(12, 59.0).height, 12);
    s.g->simClock.hour = 13;  // every tick asks for the current at the boat
    UpdateEnvironment(*s.g);
    EXPECT_EQ(s.g->tideState.boatCurrentSpeed, 19);
}

TEST(Current, ShallowWaterSlowsLandUpstreamSheltersTheHarbourIsStillCovesRunInAndOut) {
    Stream shallow;
    shallow.g->rockList.count = 1;
    shallow.g->rockList.x[1] = 0;
    shallow.g->rockList.y[1] = 3090;  // 9 ft charted, downstream of the probes
    EXPECT_EQ(shallow.speedAt(13), 13);  // 9 ft plus 2 of tide: 19 x 11 / 15
    Stream lee;
    RoundIsland(lee.g->areaGrid, 1, 400, 3000, 100);  // its shore 300 upstream
    EXPECT_EQ(std::pair(lee.speedAt(13), lee.speedAt(19)), std::pair(6, -19));  // 19 x 300 / 900; the ebb is open
    for (auto [harbourX, speed] : {std::pair{590, 0}, {610, 19}}) {  // still within two miles
        Stream h;
        h.g->areaGrid.harbourX = harbourX;
        h.g->areaGrid.harbourY = 3000;
        EXPECT_EQ(h.speedAt(13), speed) << harbourX;
    }
    Stream cove;
    cove.g->areaGrid.areaCode = 1;
    StraightCoast(cove.g->areaGrid, -8000);
    for (auto [area, y, from] : {std::tuple{1, -4000.0, 180}, {1, 4000.0, 0}, {1, 3000.0, 90}, {2, 4000.0, 90}}) {
        cove.g->areaGrid.areaCode = area;
        cove.g->ownBoat.y = y;
        EXPECT_EQ(cove.at(13).boatCurrentFrom, from) << area << " " << y;
    }
    Stream off;
    off.g->cruiseOptions.currentsOn = 0;
    off.g->tideState.maxCurrent = 0;
    EXPECT_EQ(std::pair(off.speedAt(13), off.at(16).height), std::pair(0, 0));
}

TEST(Sounder, ReadsChartedDepthPlusTideButNeverBelowOneOrBetweenZeroAndTheDraft) {
    auto g = EmptyArea();
    g->boatDesign.draft = 6;
    g->rockList.count = 1;
    g->rockList.x[1] = g->rockList.y[1] = 0;
    // Charted 9, 2 and dry. Under the draft reads draft - 1 unless the tide
    // lifts the boat off; dry takes no tide.
    for (auto [y, tide, reading] : {std::tuple{90, 25, 11}, {90, 0, 9}, {20, 25, 5}, {20, 40, 6}, {0, 40, 1}}) {
        g->tideState.height = tide;
        EXPECT_EQ(SounderDepth(*g, 0, y), reading) << y << " " << tide;
    }
}

}  // namespace
}  // namespace vel
