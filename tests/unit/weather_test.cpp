#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "sim/weather.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;

// A steady synoptic wind with nothing on top: no sea breeze (mainland to the
// south of the islands area), no veer, no gust.
std::unique_ptr<Game> WeatherGame(int32_t baseDirection, int32_t baseSpeed) {
    auto g = SailingGame();
    Weather& w = g->weather;
    std::tie(w.baseDirection, w.baseSpeed) = std::pair(baseDirection, baseSpeed);
    w.veer = w.gust = w.gustShift = g->simClock.cycleA = 0;
    std::tie(w.highTemperature, w.floorTemperature, w.cloudCover, w.humidity) = std::tuple(80, 60, 1, 2);
    return g;
}

TEST(WindRules, SeaStateShelterAndAirTemperature) {
    const struct {
        int32_t wind, exposure, exposureMin, storm, sea;
    } seas[] = {
        {10, 900, 900, 0, 0}, {11, 900, 900, 0, 1}, {16, 900, 900, 0, 1}, {17, 900, 900, 0, 2}, {21, 900, 900, 0, 3},
        // Short fetch upwind, or land close to either side of it, lowers the class.
        {25, 450, 450, 0, 0}, {25, 600, 900, 0, 2}, {25, 900, 899, 0, 2}, {25, 900, 299, 0, 1}, {12, 900, 100, 0, 0},
        // A thunderstorm always raises some sea.
        {6, 900, 900, 2, 1}, {6, 0, 0, 1, 0},
    };
    for (const auto& c : seas)
        EXPECT_EQ(SeaStateClass(c.wind, c.exposure, c.exposureMin, c.storm), c.sea) << c.wind << " " << c.exposure;
    // Half the wind always reaches the boat, in whole knots, never below six.
    EXPECT_EQ(std::tuple(ShelteredWind(20, 900), ShelteredWind(20, 450), ShelteredWind(21, 0), ShelteredWind(0, 900)),
              std::tuple(20, 15, 10, 6));
    // The degree factor makes sin 90 a shade under 1: 79, not 80.
    EXPECT_EQ(std::tuple(AirTemperature(11, 80, 40), AirTemperature(5, 80, 40), AirTemperature(23, 80, 20),
                         AirTemperature(23, 80, 60)),
              std::tuple(79, 55, 55 - 24, 60));
}

// Wind against the current (set from boatCurrentFrom, the other way on a
// negative speed): in the real areas within 59 degrees of dead against; in the
// generated ones where the two cancel on one axis of the 100-scaled tables.
TEST(WindRules, WindAgainstTheCurrent) {
    for (auto [real, from, speed, wind, against] :
         {std::tuple{1, 0, 5, 121, 1}, {1, 0, 5, 120, 0}, {1, 0, 5, 239, 1}, {1, 0, 5, 240, 0}, {1, 180, -5, 180, 1},
          {0, 0, 5, 180, 1}, {0, 90, 5, 240, 1}, {0, 90, 5, 200, 0}}) {
        auto g = SailingGame();
        std::tie(g->cruiseOptions.isRealArea, g->cruiseOptions.currentsOn, g->weather.windDirection) =
            std::tuple(real, 1, wind);
        std::tie(g->tideState.boatCurrentFrom, g->tideState.boatCurrentSpeed) = std::pair(from, speed);
        EXPECT_EQ(WindAgainstCurrent(*g), against) << real << " " << from << " " << wind;
    }
}

TEST(Wind, OfATickFromTheSynopticWindAndWhatLiesOnIt) {
    struct Case {
        const char* what;
        int32_t base, speed;
        std::function<void(Game&)> set;
        int32_t direction, windSpeed, maxWind;  // -1: not this case's point
    };
    const Case cases[] = {
        {"strong wind capped at difficulty + 20 before shelter", 90, 24,
         [](Game& g) { g.cruiseOptions.troubleStrongWind = 1, g.cruiseOptions.difficulty = 2; }, 90, 22, 22},
        {"a thunderstorm adds five gusts and the difficulty", 0, 10,
         [](Game& g) { g.cruiseOptions.difficulty = 2, g.weather.storm = 2, g.weather.gust = 3; }, 0, 30, 13},
        // 55 + trunc(sin 135 x 25) = 72; (72 - 60) / (1 x 1) = 12 knots from the sea.
        {"sea breeze turns a light northerly onshore", 0, 10,
         [](Game& g) { g.areaGrid.mainlandSide = 1, g.weather.humidity = 1, g.simClock.hour = 14; }, 180, 6, -1},
        {"veers two degrees an hour from nine", 90, 15, [](Game& g) { g.weather.veer = 1, g.simClock.hour = 15; }, 102,
         -1, -1},
        {"no gust drawn under the chart", 90, 15,
         [](Game& g) {
             g.weather.gust = 2, g.weather.gustShift = 7, g.simClock.cycleA = 10, g.screenState.chartShown = 1;
         },
         97, -1, -1},
    };
    for (const Case& c : cases) {
        auto g = WeatherGame(c.base, c.speed);
        c.set(*g);
        UpdateEnvironment(*g);
        const Weather& w = g->weather;
        EXPECT_EQ(w.windDirection, c.direction) << c.what;
        EXPECT_TRUE(c.windSpeed < 0 || w.windSpeed == c.windSpeed) << c.what << ": " << w.windSpeed;
        EXPECT_TRUE(c.maxWind < 0 || w.maxWind == c.maxWind) << c.what << ": " << w.maxWind;
    }
}

TEST(Sea, BuildsTowardStateThreeByHalvesAndRoughWaterAtAnchorCostsCalm) {
    auto g = WeatherGame(0, 22);
    const Weather& w = g->weather;
    for (auto [height, state] : {std::pair{1.5, 1}, {2.25, 2}}) {  // exact in binary
        UpdateEnvironment(*g);
        EXPECT_EQ(std::pair(w.waveHeight, w.waveState), std::pair(height, state));
    }
    std::tie(g->ownBoat.anchored, g->weather.waveHeight, g->score.anchorageCalm) = std::tuple(1, 3.0, 10);
    UpdateEnvironment(*g);
    EXPECT_EQ(std::pair(w.waveState, g->score.anchorageCalm), std::pair(3, 7));
}

// From its hour a storm is an hour of distant thunder (1), then half an hour
// overhead (2); none at the easiest difficulty.
TEST(Storm, AnHourOfDistantThunderThenHalfAnHourOverhead) {
    for (auto [difficulty, hours, storm] :
         {std::tuple{2, 12.0, 0}, {2, 12.5, 1}, {2, 13.0, 2}, {2, 13.4, 2}, {2, 13.5, 0}, {1, 13.0, 0}}) {
        auto g = SailingGame();
        std::tie(g->cruiseOptions.difficulty, g->weather.stormHour, g->simClock.dayHours) =
            std::tuple(difficulty, 12.0, hours);
        UpdateStormState(*g);
        EXPECT_EQ(g->weather.storm, storm) << difficulty << " " << hours;
    }
}

TEST(Fog, ColdFloorAndDampAirByHourAndArea) {
    const struct {
        int32_t hour, floor, humidity, area;
        double x;
        bool fog;
    } cases[] = {
        {8, 61, 3, 1, 0, true},   {8, 62, 3, 1, 0, false},  {8, 55, 2, 1, 0, true},   {8, 56, 2, 1, 0, false},
        {12, 61, 3, 1, 0, false}, {12, 59, 3, 1, 0, true},  {15, 61, 3, 1, 0, true},  {8, 61, 3, 4, 0, false},
        {8, 57, 3, 4, 0, true},   {8, 40, 1, 1, 0, false},  {12, 53, 1, 1, 0, false}, {12, 55, 2, 4, 0, false},
        // Maine's fog bank lies offshore at midday, in damp air.
        {12, 56, 2, 20, 9001, true}, {12, 56, 2, 20, 9000, false}, {12, 56, 1, 20, 9001, false},
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        std::tie(g->simClock.hour, g->weather.floorTemperature, g->weather.humidity, g->cruiseOptions.areaCode) =
            std::tuple(c.hour, c.floor, c.humidity, c.area);
        g->ownBoat.x = c.x;
        EXPECT_EQ(FogConditions(*g), c.fog) << c.hour << " " << c.floor << " " << c.humidity << " " << c.area;
    }
    // In fog conditions: none at the easiest difficulty or with the no-fog option.
    for (auto [difficulty, noFog, fog] : {std::tuple{2, 0, 1}, {1, 0, 0}, {2, 1, 0}}) {
        auto g = WeatherGame(0, 10);
        std::tie(g->weather.floorTemperature, g->weather.humidity) = std::pair(50, 3);
        std::tie(g->cruiseOptions.difficulty, g->cruiseOptions.noFog) = std::pair(difficulty, noFog);
        UpdateEnvironment(*g);
        EXPECT_EQ(g->weather.fog, fog) << difficulty << " " << noFog;
    }
}

TEST(Synoptic, PositionWindAndSkyOfTheDay) {
    const struct {
        int32_t start, high, day, region, r50;
        int32_t position, octant, base, temperature, humidity, cloud;
    } cases[] = {
        {5, 1, 1, 1, 80, 4, 6, 225, 90, 2, 1},   // moving back from the east; dry draw
        {5, 0, 1, 1, 10, 4, 2, 45, 75, 1, 3},    // a low in the south-east: cool and dry
        {5, 0, 1, 2, 10, 4, 2, 45, 75, 2, 3},    // the southern region is never dry
        {8, 1, 1, 1, 10, 1, 3, 90, 85, 2, 1},
        {4, 1, 5, 1, 10, 7, 3, 90, 85, 2, 1},    // 4 - 5 = -1 wraps to 7
        {0, 0, 1, 1, 10, 1, 5, 180, 90, 3, 3},   // beside a low the wind steps round six octants
        {2, 0, 1, 1, 10, 3, 1, 0, 75, 1, 2},     // but not from octant 1: a low to the east, wind from the north
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        Weather& w = g->weather;
        std::tie(w.frontType, w.systemStart, w.highPressure, w.regionWarmth, w.cruiseWind, w.dailyTrend) =
            std::tuple(0, c.start, c.high, 10, 12, 0);
        std::tie(g->simClock.day, g->cruiseOptions.region, g->randomTable.r100[50]) =
            std::tuple(c.day, c.region, c.r50);
        DailyWeather(*g, 0);
        EXPECT_EQ(std::tuple(w.systemPosition, w.windOctant, w.baseDirection, w.highTemperature, w.humidity,
                             w.cloudCover),
                  std::tuple(c.position, c.octant, c.base, c.temperature, c.humidity, c.cloud))
            << c.start << " " << c.high << " day " << c.day;
    }
}

std::unique_ptr<Game> FrontGame(int32_t type, int32_t hour) {
    auto g = SailingGame();
    Weather& w = g->weather;
    std::tie(w.frontType, w.frontHour, w.systemStart, w.afterFrontSoutherly, w.cruiseWind, w.dailyTrend) =
        std::tuple(type, hour, type == 1 ? 7 : 6, 0, 15, 2);
    return g;
}

TEST(Front, OnDayOneTheWindGoesNorthWestOnceAtItsHour) {
    auto g = FrontGame(1, 15);
    const Weather& w = g->weather;
    g->simClock.cruiseHours = 14;
    DailyWeather(*g, 0);
    EXPECT_EQ(std::tuple(w.highPressure, w.systemPosition, w.baseDirection, w.baseSpeed), std::tuple(0, 8, 225, 17));
    CheckFrontArrival(*g);
    EXPECT_EQ(w.frontArrived, 0);
    g->simClock.cruiseHours = 15;
    CheckFrontArrival(*g);
    EXPECT_EQ(std::tuple(w.frontArrived, w.highPressure, w.systemPosition, w.baseDirection, w.baseSpeed),
              std::tuple(1, 1, 6, 315, 13));
    g->weather.baseDirection = 0;
    CheckFrontArrival(*g);
    EXPECT_EQ(w.baseDirection, 0);
}

// A day-two front: the low holds until its hour; behind it the system moves
// back from the north-west.
TEST(Front, OnDayTwoTheLowHoldsUntilItsHour) {
    auto g = FrontGame(2, 30);
    g->simClock.cruiseHours = 20;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.systemPosition, 7);
    DailyWeather(*g, 1);  // tomorrow, before the front
    EXPECT_EQ(std::pair(g->weather.systemPosition, g->weather.highPressure), std::pair(8, 0));
    std::tie(g->simClock.day, g->simClock.cruiseHours) = std::pair(2, 30);
    DailyWeather(*g, 0);
    EXPECT_EQ(std::pair(g->weather.systemPosition, g->weather.highPressure), std::pair(6, 1));
    g->simClock.day = 3;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.systemPosition, 5);
}

// Behind the front the wind comes round southerly on a draw by region: random(10)
// runs 0..9 with 3200 / 32768 each and 10 with the rest, so 8 and up comes about
// 22 cruises in a hundred, under 9 about 88, under 6 about 59.
TEST(CruiseWeather, TheFrontTurnsSoutherlyByRegion) {
    for (auto [region, share] : {std::pair{1, 0.219}, {5, 0.879}, {2, 0.586}}) {
        auto g = SailingGame();
        g->cruiseOptions.region = region;
        int southerly = 0;
        for (int i = 0; i < 400; ++i) {
            GenerateCruiseWeather(*g);
            southerly += g->weather.afterFrontSoutherly;
        }
        EXPECT_NEAR(southerly / 400.0, share, 0.05) << region;
    }
}

// The strong-wind trouble draws 20 to 25 knots, random(5) reaching 5 at most.
TEST(CruiseWeather, TheFogMoonlessAndStrongWindTroublesAreKept) {
    auto g = SailingGame();
    g->cruiseOptions.difficulty = 3;
    g->cruiseOptions.troubleFog = g->cruiseOptions.troubleNoMoonlight = g->cruiseOptions.troubleStrongWind = 1;
    GenerateCruiseWeather(*g);
    EXPECT_EQ(std::tuple(g->weather.floorTemperature, g->weather.highPressure, g->weather.moonlight), std::tuple(55, 0, 0));
    EXPECT_TRUE(g->weather.cruiseWind >= 20 && g->weather.cruiseWind <= 25) << g->weather.cruiseWind;
    EXPECT_EQ(g->weather.stormHour, kNoStormHour);  // mended: was a thunderstorm at 00:00
}

}  // namespace
}  // namespace vel
