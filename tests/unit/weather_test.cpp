#include <gtest/gtest.h>

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
    w.baseDirection = baseDirection;
    w.baseSpeed = baseSpeed;
    w.veer = 0;
    w.gust = w.gustShift = 0;
    w.highTemperature = 80;
    w.floorTemperature = 60;
    w.cloudCover = 1;
    w.humidity = 2;
    g->simClock.cycleA = 0;
    return g;
}

// ---- Rules of the wind at the boat -------------------------------------------

struct SeaCase {
    int32_t wind, exposure, exposureMin, storm, sea;
};

class SeaState : public ::testing::TestWithParam<SeaCase> {};

TEST_P(SeaState, ClassByWindFetchAndStorm) {
    const SeaCase c = GetParam();
    EXPECT_EQ(SeaStateClass(c.wind, c.exposure, c.exposureMin, c.storm), c.sea);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeaState,
                         ::testing::Values(SeaCase{10, 900, 900, 0, 0}, SeaCase{11, 900, 900, 0, 1},
                                           SeaCase{16, 900, 900, 0, 1}, SeaCase{17, 900, 900, 0, 2},
                                           SeaCase{20, 900, 900, 0, 2}, SeaCase{21, 900, 900, 0, 3},
                                           // Short fetch straight upwind scales the class down.
                                           SeaCase{25, 450, 450, 0, 0}, SeaCase{25, 600, 900, 0, 2},
                                           // Land close to either side of upwind.
                                           SeaCase{25, 900, 899, 0, 2}, SeaCase{25, 900, 299, 0, 1},
                                           SeaCase{12, 900, 100, 0, 0},
                                           // A thunderstorm always raises some sea.
                                           SeaCase{6, 900, 900, 2, 1}, SeaCase{6, 0, 0, 1, 0}));

TEST(Shelter, FullyShelteredBoatKeepsHalfTheWindButNeverBelowSix) {
    EXPECT_EQ(ShelteredWind(20, 900), 20);
    EXPECT_EQ(ShelteredWind(20, 0), 10);
    EXPECT_EQ(ShelteredWind(20, 450), 15);
    EXPECT_EQ(ShelteredWind(21, 900), 20);  // halves are whole knots
    EXPECT_EQ(ShelteredWind(8, 0), 6);
    EXPECT_EQ(ShelteredWind(0, 900), 6);
}

TEST(AirTemperature, FollowsTheDayAboveTheFloor) {
    // The degree factor makes sin 90 a shade under 1: 79, not 80.
    EXPECT_EQ(AirTemperature(11, 80, 40), 79);
    EXPECT_EQ(AirTemperature(5, 80, 40), 55);
    EXPECT_EQ(AirTemperature(23, 80, 20), 55 - 24);  // sin 270 degrees is a shade above -1
    EXPECT_EQ(AirTemperature(23, 80, 60), 60);
}

// ---- The wind of a tick -------------------------------------------------------

TEST(Wind, StrongWindIsCappedAtDifficultyPlusTwentyBeforeShelter) {
    auto g = WeatherGame(90, 24);
    g->cruiseOptions.troubleStrongWind = 1;
    g->cruiseOptions.difficulty = 2;
    UpdateEnvironment(*g);
    const Weather& w = g->weather;
    EXPECT_EQ(w.windDirection, 90);
    EXPECT_EQ(w.maxWind, 22);
    EXPECT_EQ(w.exposure, 900);  // open water all round
    EXPECT_EQ(w.windSpeed, (w.exposure * (22 / 2)) / 900 + 22 / 2);
}

TEST(Wind, ThunderstormAddsFiveTimesTheGustAndTheDifficulty) {
    auto g = WeatherGame(0, 10);
    g->cruiseOptions.difficulty = 2;
    g->weather.storm = 2;
    g->weather.gust = 3;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.windSpeed, 10 + 3 + 5 * 3 + 2);
    EXPECT_EQ(g->weather.maxWind, 13);
}

TEST(Wind, SeaBreezeTurnsALightNortherlyOnshoreInTheAfternoon) {
    auto g = WeatherGame(0, 10);
    g->areaGrid.mainlandSide = 1;
    g->weather.humidity = 1;
    g->simClock.hour = 14;
    // 55 + trunc(sin 135 x 25) = 72; (72 - 60) / (1 x 1) = 12 knots from the sea.
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.windDirection, 180);
    EXPECT_EQ(g->weather.windSpeed, 6);
}

TEST(Wind, VeersTwoDegreesAnHourFromNine) {
    for (auto [veer, direction] : {std::pair{1, 102}, std::pair{-1, 78}}) {
        auto g = WeatherGame(90, 15);
        g->weather.veer = veer;
        g->simClock.hour = 15;
        UpdateEnvironment(*g);
        EXPECT_EQ(g->weather.windDirection, direction);
    }
}

TEST(Wind, GustsAreDrawnOnlyOnTheirCycleAndNotUnderTheChart) {
    auto g = WeatherGame(90, 15);
    g->weather.gust = 2;
    g->weather.gustShift = 7;
    g->simClock.cycleA = 10;
    g->screenState.chartShown = 1;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.gust, 2);
    EXPECT_EQ(g->weather.windDirection, 97);
    g->screenState.chartShown = 0;
    for (uint32_t seed = 1; seed < 40; ++seed) {
        g->rng.srand(seed);
        UpdateEnvironment(*g);
        EXPECT_GE(g->weather.gust, 0);
        EXPECT_LE(g->weather.gust, 4);
        EXPECT_GE(g->weather.gustShift, -10);
        EXPECT_LE(g->weather.gustShift, 10);
    }
}

TEST(Sea, StrongWindBuildsTheSeaTowardStateThreeByHalves) {
    auto g = WeatherGame(0, 22);
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.windSpeed, 22);
    EXPECT_DOUBLE_EQ(g->weather.waveHeight, 1.5);
    EXPECT_EQ(g->weather.waveState, 1);
    UpdateEnvironment(*g);
    EXPECT_DOUBLE_EQ(g->weather.waveHeight, 2.25);
    EXPECT_EQ(g->weather.waveState, 2);
}

TEST(Sea, RoughWaterAtAnchorCostsCalm) {
    auto g = WeatherGame(0, 22);
    g->ownBoat.anchored = 1;
    g->weather.waveHeight = 3.0;
    g->score.anchorageCalm = 10;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.waveState, 3);
    EXPECT_EQ(g->score.anchorageCalm, 7);
}

TEST(WindAgainstCurrent, OpposingWindAndCurrent) {
    const struct {
        int32_t real, from, speed, wind, against;
    } cases[] = {
        {0, 90, 15, 270, 1},   // flood from the east, wind from the west
        {0, 90, 15, 90, 0},    // both from the east
        {0, 90, 15, 0, 0},     // across
        {0, 90, -15, 90, 1},   // on the ebb the current comes from the west
        {0, 0, 15, 180, 1},    // north-south currents compare on the cosine
        {0, 180, 15, 180, 0},
        {1, 100, 15, 230, 1},  // real areas: 121..239 degrees apart
        {1, 100, 15, 220, 0},
        {1, 300, 15, 61, 1},
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->cruiseOptions.currentsOn = 1;
        g->cruiseOptions.isRealArea = c.real;
        g->tideState.boatCurrentFrom = c.from;
        g->tideState.boatCurrentSpeed = c.speed;
        g->weather.windDirection = c.wind;
        EXPECT_EQ(WindAgainstCurrent(*g), c.against) << c.from << " " << c.wind;
        g->cruiseOptions.currentsOn = 0;
        EXPECT_EQ(WindAgainstCurrent(*g), 0);
    }
}

// ---- Fog ---------------------------------------------------------------------

TEST(Fog, ColdFloorAndDampAir) {
    const struct {
        int32_t hour, floor, humidity, area;
        bool fog;
    } cases[] = {
        {8, 61, 3, 1, true},  {8, 62, 3, 1, false}, {8, 55, 2, 1, true},  {8, 56, 2, 1, false},
        {12, 61, 3, 1, false}, {12, 59, 3, 1, true}, {12, 53, 2, 1, true}, {15, 61, 3, 1, true},
        {8, 61, 3, 4, false}, {8, 57, 3, 4, true},  {12, 55, 3, 4, true}, {8, 40, 1, 1, false},
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->simClock.hour = c.hour;
        g->weather.floorTemperature = c.floor;
        g->weather.humidity = c.humidity;
        g->cruiseOptions.areaCode = c.area;
        EXPECT_EQ(FogConditions(*g), c.fog) << c.hour << " " << c.floor << " " << c.humidity << " " << c.area;
    }
}

TEST(Fog, MaineFogBankOffshoreAtMidday) {
    auto g = SailingGame();
    g->simClock.hour = 12;
    g->weather.floorTemperature = 56;
    g->weather.humidity = 2;
    g->cruiseOptions.areaCode = 20;
    g->ownBoat.x = 9001.0;
    EXPECT_TRUE(FogConditions(*g));
    g->ownBoat.x = 9000.0;
    EXPECT_FALSE(FogConditions(*g));
}

TEST(Fog, OptionsAndDifficulty) {
    auto g = WeatherGame(0, 10);
    g->weather.floorTemperature = 50;
    g->weather.humidity = 3;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.fog, 1);
    EXPECT_EQ(g->weather.fogSeen, 1);
    g->cruiseOptions.noFog = 1;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.fog, 0);
    EXPECT_EQ(g->weather.fogSeen, 1);
    g->cruiseOptions.noFog = 0;
    g->cruiseOptions.difficulty = 1;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.fog, 0);
    g->weather.floorTemperature = 70;
    g->cruiseOptions.troubleFog = 1;
    UpdateEnvironment(*g);
    EXPECT_EQ(g->weather.fog, 1);
}

// ---- The day's synoptic weather -------------------------------------------------

struct SystemCase {
    int32_t start, high, day, region, r50;
    int32_t position, octant, base, temperature, humidity, cloud;
};

class Synoptic : public ::testing::TestWithParam<SystemCase> {};

TEST_P(Synoptic, PositionWindAndSky) {
    const SystemCase c = GetParam();
    auto g = SailingGame();
    Weather& w = g->weather;
    w.frontType = 0;
    w.systemStart = c.start;
    w.highPressure = c.high;
    w.regionWarmth = 10;
    w.cruiseWind = 12;
    w.dailyTrend = 0;
    g->simClock.day = c.day;
    g->cruiseOptions.region = c.region;
    g->randomTable.r100[50] = c.r50;
    DailyWeather(*g, 0);
    EXPECT_EQ(w.systemPosition, c.position);
    EXPECT_EQ(w.windOctant, c.octant);
    EXPECT_EQ(w.baseDirection, c.base);
    EXPECT_EQ(w.highTemperature, c.temperature);
    EXPECT_EQ(w.humidity, c.humidity);
    EXPECT_EQ(w.cloudCover, c.cloud);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Synoptic,
    ::testing::Values(
        // A high in the south-east sends a southerly: cloudy, warm, damp.
        SystemCase{10, 1, 1, 1, 10, 3, 5, 180, 90, 3, 2},
        // A high moving back from the east; dry draw.
        SystemCase{5, 1, 1, 1, 80, 4, 6, 225, 90, 2, 1},
        // A low in the south-east: a north-easterly, cool and dry, overcast.
        SystemCase{5, 0, 1, 1, 10, 4, 2, 45, 75, 1, 3},
        // The southern region is never dry.
        SystemCase{5, 0, 1, 2, 10, 4, 2, 45, 75, 2, 3},
        // Easterly from a high in the north.
        SystemCase{8, 1, 1, 1, 10, 1, 3, 90, 85, 2, 1},
        // Wraps of the octant: 10 + 5 = 15 is 7; 4 - 5 = -1 is 7.
        SystemCase{10, 1, 5, 1, 10, 7, 3, 90, 85, 2, 1}, SystemCase{4, 1, 5, 1, 10, 7, 3, 90, 85, 2, 1},
        // Beside a low in the north the wind steps round by six octants.
        SystemCase{0, 0, 1, 1, 10, 1, 5, 180, 90, 3, 3}));

TEST(Synoptic, HighWestOfTheAreaWeakensTheWindDayByDayToAFloorOfSeven) {
    auto g = SailingGame();
    Weather& w = g->weather;
    w.systemStart = 10;
    w.highPressure = 1;
    w.cruiseWind = 15;
    w.dailyTrend = 1;
    g->simClock.day = 1;  // position 3: not west of the area, the wind grows
    DailyWeather(*g, 0);
    EXPECT_EQ(w.baseSpeed, 16);
    g->simClock.day = 4;  // position 6
    DailyWeather(*g, 0);
    EXPECT_EQ(w.baseSpeed, 11);
    EXPECT_EQ(w.veer, 1);
    w.cruiseWind = 10;
    g->simClock.day = 5;
    DailyWeather(*g, 0);
    EXPECT_EQ(w.baseSpeed, 7);
}

TEST(Synoptic, TomorrowLeavesTodaysWindDirection) {
    auto g = SailingGame();
    g->weather.systemStart = 5;
    g->weather.highPressure = 1;
    DailyWeather(*g, 0);
    const int32_t today = g->weather.baseDirection;
    DailyWeather(*g, 1);
    EXPECT_EQ(g->weather.systemPosition, 3);
    EXPECT_EQ(g->weather.baseDirection, today);
}

TEST(Synoptic, ClockSetFarBeyondTheCruiseKeepsTheOctantInRange) {
    auto g = SailingGame();
    g->weather.systemStart = 10;
    g->simClock.day = 40;
    DailyWeather(*g, 1);
    EXPECT_GE(g->weather.systemPosition, 1);
    EXPECT_LE(g->weather.systemPosition, 8);
    EXPECT_GE(g->weather.windOctant, 1);
    EXPECT_LE(g->weather.windOctant, 8);
}

// ---- The cold front -------------------------------------------------------------

std::unique_ptr<Game> FrontGame(int32_t type, int32_t hour) {
    auto g = SailingGame();
    Weather& w = g->weather;
    w.frontType = type;
    w.frontHour = hour;
    w.systemStart = type == 1 ? 7 : 6;
    w.afterFrontSoutherly = 0;
    w.cruiseWind = 15;
    w.dailyTrend = 2;
    return g;
}

TEST(Front, OnDayOneTheWindGoesNorthWestAtItsHour) {
    auto g = FrontGame(1, 15);
    g->simClock.cruiseHours = 14;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.highPressure, 0);
    EXPECT_EQ(g->weather.systemPosition, 8);
    EXPECT_EQ(g->weather.baseDirection, 225);
    EXPECT_EQ(g->weather.baseSpeed, 17);
    g->simClock.cruiseHours = 15;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.highPressure, 1);
    EXPECT_EQ(g->weather.systemPosition, 6);
    EXPECT_EQ(g->weather.baseDirection, 315);
    EXPECT_EQ(g->weather.baseSpeed, 13);
}

TEST(Front, ArrivesOnceThroughTheTick) {
    auto g = FrontGame(1, 15);
    g->simClock.cruiseHours = 10;
    DailyWeather(*g, 0);
    g->simClock.cruiseHours = 14;
    CheckFrontArrival(*g);
    EXPECT_EQ(g->weather.frontArrived, 0);
    EXPECT_EQ(g->weather.baseDirection, 225);
    g->simClock.cruiseHours = 15;
    CheckFrontArrival(*g);
    EXPECT_EQ(g->weather.frontArrived, 1);
    EXPECT_EQ(g->weather.highPressure, 1);
    EXPECT_EQ(g->weather.baseDirection, 315);
    g->weather.baseDirection = 0;
    CheckFrontArrival(*g);
    EXPECT_EQ(g->weather.baseDirection, 0);
}

TEST(Front, OnDayTwoTheLowHoldsUntilItsHour) {
    auto g = FrontGame(2, 30);
    g->simClock.day = 1;
    g->simClock.cruiseHours = 20;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.systemPosition, 7);
    DailyWeather(*g, 1);  // tomorrow, before the front
    EXPECT_EQ(g->weather.systemPosition, 8);
    EXPECT_EQ(g->weather.highPressure, 0);
    g->simClock.day = 2;
    g->simClock.cruiseHours = 30;
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.highPressure, 1);
    EXPECT_EQ(g->weather.systemPosition, 6);
    g->simClock.day = 3;  // behind the front, moving back from the north-west
    DailyWeather(*g, 0);
    EXPECT_EQ(g->weather.systemPosition, 5);
}

// ---- Storms --------------------------------------------------------------------

TEST(Storm, ThunderComesTheHourBeforeTheFront) {
    auto g = FrontGame(2, 30);
    g->cruiseOptions.stepDivisor = 2919;  // no chance storms at this rate
    g->cruiseOptions.difficulty = 2;
    g->weather.regionWarmth = 0;
    g->weather.stormHour = kNoStormHour;
    g->simClock.cruiseHours = 27;
    UpdateStorm(*g);
    EXPECT_EQ(g->weather.stormHour, kNoStormHour);
    g->simClock.cruiseHours = 28;
    UpdateStorm(*g);
    // 29 on the day clock never comes: a day-two front brings no thunder of its own.
    EXPECT_EQ(g->weather.stormHour, 29.0);
}

TEST(Storm, DistantThunderForAnHourThenTheStormForHalfAnHour) {
    const struct {
        double hours;
        int32_t storm;
    } cases[] = {{14.0, 0}, {14.01, 1}, {14.99, 1}, {15.0, 2}, {15.49, 2}, {15.5, 0}};
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->weather.stormHour = 14.0;
        g->simClock.dayHours = c.hours;
        UpdateStormState(*g);
        EXPECT_EQ(g->weather.storm, c.storm) << c.hours;
    }
    auto easy = SailingGame();
    easy->cruiseOptions.difficulty = 1;
    easy->weather.stormHour = 14.0;
    easy->simClock.dayHours = 14.5;
    UpdateStormState(*easy);
    EXPECT_EQ(easy->weather.storm, 0);
}

// ---- The cruise's draw ------------------------------------------------------------

TEST(CruiseWeather, DrawnWithinTheirRanges) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        auto g = SailingGame();
        g->cruiseOptions.difficulty = 10;
        g->cruiseOptions.troubleStrongWind = 1;
        g->rng.srand(seed);
        GenerateCruiseWeather(*g);
        const Weather& w = g->weather;
        // random(n) reaches n itself now and then: rand() / (32000 / n).
        EXPECT_GE(w.cruiseWind, 20);
        EXPECT_LE(w.cruiseWind, 25);
        EXPECT_GE(w.floorTemperature, 62 + 10 - 10);
        EXPECT_LE(w.floorTemperature, 68 + 10 - 10);
        if (w.frontType == 1) {
            EXPECT_GE(w.frontHour, 10);
            EXPECT_LE(w.frontHour, 24);
        } else if (w.frontType == 2) {
            EXPECT_GE(w.frontHour, 24);
            EXPECT_LE(w.frontHour, 36);
        } else {
            EXPECT_EQ(w.frontHour, 240);
        }
        EXPECT_EQ(w.stormHour, kNoStormHour);
        EXPECT_EQ(w.maxWind, 0);
    }
}

TEST(CruiseWeather, NoFrontBelowDifficultyFour) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto g = SailingGame();
        g->cruiseOptions.difficulty = 3;
        g->cruiseOptions.troubleStrongWind = 0;
        g->rng.srand(seed);
        GenerateCruiseWeather(*g);
        EXPECT_EQ(g->weather.frontType, 0);
        EXPECT_EQ(g->weather.frontHour, 240);
        EXPECT_GE(g->weather.cruiseWind, 10);
        EXPECT_LE(g->weather.cruiseWind, 20);
    }
}

TEST(CruiseWeather, RegionWarmthAndTroubles) {
    const struct {
        int32_t region, area, warmth;
    } cases[] = {{1, 1, 0}, {6, 7, 0}, {2, 1, 10}, {3, 2, 10}, {1, 11, 2}};
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->cruiseOptions.region = c.region;
        g->cruiseOptions.areaCode = c.area;
        GenerateCruiseWeather(*g);
        EXPECT_EQ(g->weather.regionWarmth, c.warmth);
    }
    auto fog = SailingGame();
    fog->cruiseOptions.difficulty = 3;
    fog->cruiseOptions.troubleFog = 1;
    fog->cruiseOptions.troubleNoMoonlight = 1;
    GenerateCruiseWeather(*fog);
    EXPECT_EQ(fog->weather.floorTemperature, 55);
    EXPECT_EQ(fog->weather.highPressure, 0);
    EXPECT_GE(fog->weather.systemStart, 5);
    EXPECT_LE(fog->weather.systemStart, 7);
    EXPECT_EQ(fog->weather.moonlight, 0);
    auto intro = SailingGame();
    intro->cruiseOptions.difficulty = 1;
    intro->cruiseOptions.introCourse = 1;
    GenerateCruiseWeather(*intro);
    EXPECT_EQ(intro->weather.systemStart, 0);
    EXPECT_EQ(intro->weather.highPressure, 1);
    EXPECT_EQ(intro->weather.dailyTrend, 0);
}

}  // namespace
}  // namespace vel
