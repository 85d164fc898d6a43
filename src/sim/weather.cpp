#include "sim/weather.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/boat_state.h"
#include "sim/hazards.h"
#include "sim/tick.h"
#include "world/terrain.h"
#include "world/tides.h"

namespace vel {
namespace {

// ---- Cruise parameters -----------------------------------------------------

int32_t DrawFrontType(Game& g) {
    const int32_t d = g.cruiseOptions.difficulty;
    if (d < 4) return 0;
    const int32_t below = d >= 6 ? 5 : 3;
    if (random(g.rng, 10) < below) return 1;
    if (random(g.rng, 10) < below) return 2;
    return 0;
}

int32_t DrawAfterFrontSoutherly(Game& g) {
    switch (g.cruiseOptions.region) {
        case 1:
        case 6: return random(g.rng, 10) > 7 ? 1 : 0;
        case 3:
        case 5: return random(g.rng, 10) < 9 ? 1 : 0;
        default: return random(g.rng, 10) < 6 ? 1 : 0;
    }
}

// The front fixes where the system starts and when it passes.
void PlaceFront(Game& g) {
    Weather& w = g.weather;
    const int32_t departure = g.cruiseOptions.departureHour;
    if (w.frontType == 1) {
        w.systemStart = 7;
        w.highPressure = 0;
        w.frontHour = random(g.rng, 23 - departure) + 1 + departure;
    } else if (w.frontType == 2) {
        w.systemStart = 6;
        w.highPressure = 0;
        w.frontHour = random(g.rng, 12) + 24;
    } else {
        w.frontHour = 240;
    }
}

// What one cruise's weather leaves behind is cleared with the new draw.
void ClearCruiseWeather(Weather& w) {
    w.frontArrived = 0;
    w.fog = w.fogSeen = 0;
    w.storm = 0;
    w.stormHour = kNoStormHour;
    w.maxWind = 0;
    w.waveHeight = 0.0;
    w.waveState = 0;
    w.gust = w.gustShift = 0;
    w.windAgainstCurrent = 0;
}

// ---- The day's synoptic state ----------------------------------------------

// One add or subtract of 8, as the system moves at most one round; a clock
// set far beyond the fifth day is folded all the way.
int32_t WrapOctant(int32_t p) {
    if (p > 8) p -= 8;
    else if (p < 1) p += 8;
    if (p < 1 || p > 8) p = ((p - 1) % 8 + 8) % 8 + 1;
    return p;
}

void ApplyFront(Game& g, int dayOffset, int32_t n) {
    Weather& w = g.weather;
    const bool beforeFront = g.simClock.cruiseHours < w.frontHour;
    const bool southerly = w.afterFrontSoutherly != 0;
    if (w.frontType == 1) {
        if (dayOffset == 0 && g.simClock.day == 1) {
            if (beforeFront) {
                w.systemStart = 7;
                w.systemPosition = 8;
                w.highPressure = 0;
            } else {
                w.highPressure = 1;
                w.systemPosition = 6;
            }
        } else if (n > 1) {
            w.highPressure = 1;
            w.systemStart = southerly ? 5 : 7;
            w.systemPosition = southerly ? 5 + n : 7 - n;
        }
    } else if (w.frontType == 2) {
        if (n < 2 || (n == 2 && beforeFront)) {
            w.highPressure = 0;
            w.systemStart = 6;
            w.systemPosition = 6 + n;
        } else if (n == 2) {
            w.highPressure = 1;
            w.systemPosition = 6;
        } else {
            w.highPressure = 1;
            w.systemStart = southerly ? 4 : 8;
            w.systemPosition = southerly ? 4 + n : 8 - n;
        }
    }
}

// Temperature, humidity and cloud follow where the wind comes from.
void SetSky(Game& g) {
    Weather& w = g.weather;
    const int32_t octant = w.windOctant;
    w.humidity = g.randomTable.r100[50] < 50 ? 3 : 2;
    w.highTemperature = w.regionWarmth + 80;
    w.cloudCover = 1;
    if (octant == 8 || octant == 1 || octant == 2) {
        w.highTemperature = w.regionWarmth + 65;
        w.humidity = 1;
    }
    if (octant == 7 || octant == 3) {
        w.highTemperature = w.regionWarmth + 75;
        w.humidity = 2;
    }
    if (octant == 2 || octant == 5) w.cloudCover = 2;
    if (g.cruiseOptions.region == 2) w.humidity = std::max(w.humidity, 2);
    if (w.highPressure == 0) w.cloudCover += 1;
}

// ---- The wind of this tick -------------------------------------------------

int32_t SeaBreeze(const Game& g, int32_t temperature) {
    const Weather& w = g.weather;
    if (g.areaGrid.mainlandSide != 1 && g.cruiseOptions.areaCode != 1) return 0;
    const int32_t damping = std::max(1, w.cloudCover * w.humidity);
    return (temperature - w.floorTemperature) / damping;
}

int32_t Exposure(const Game& g, int32_t dirCode) {
    const int32_t x = Trunc(g.ownBoat.x), y = Trunc(g.ownBoat.y);
    const CruiseOptions& o = g.cruiseOptions;
    if (o.isRealArea || o.isPassage) return ShoalAheadReal(g, dirCode, x, y);
    return ShoalAheadVirtual(g, dirCode, x, y);
}

void UpdateShelter(Game& g) {
    Weather& w = g.weather;
    w.exposure = Exposure(g, 1);
    w.exposureMin = std::min({w.exposure, Exposure(g, 7), Exposure(g, -7)});
    w.windSpeed = ShelteredWind(w.windSpeed, w.exposure);
}

void UpdateWind(Game& g) {
    Weather& w = g.weather;
    const SimClock& c = g.simClock;
    const CruiseOptions& o = g.cruiseOptions;
    const int32_t t = AirTemperature(c.hour, w.highTemperature, w.floorTemperature);
    const int32_t m = g.areaGrid.mainlandSide == 1 ? -1 : 1;
    const double base = w.baseDirection * kDegToRad;
    const int32_t wx = Trunc(std::cos(base) * w.baseSpeed) + m * SeaBreeze(g, t);
    const int32_t wy = Trunc(std::sin(base) * w.baseSpeed);
    const int32_t d0 = BearingOf(wy, wx);
    const int32_t d1 = NormaliseAngle(d0 + 2 * (c.hour - 9) * w.veer);
    if (c.cycleA == 10 && g.screenState.chartShown == 0) {
        w.gust = random(g.rng, 4);
        w.gustShift = random(g.rng, 20) - 10;
    }
    w.windDirection = WrapDegrees(w.gustShift + d1);
    const double strength = std::sqrt(static_cast<double>(wx) * wx + static_cast<double>(wy) * wy);
    w.windSpeed = std::min(Trunc(strength) + w.gust, o.difficulty + 20);
    w.maxWind = std::max(w.maxWind, w.windSpeed);
    if (w.storm == 2) w.windSpeed += 5 * w.gust + o.difficulty;
    UpdateShelter(g);
}

// ---- Fog and sea ------------------------------------------------------------

void UpdateFog(Game& g) {
    Weather& w = g.weather;
    const CruiseOptions& o = g.cruiseOptions;
    w.fog = 0;
    if (o.noFog == 0 && o.difficulty > 1 && FogConditions(g)) w.fog = 1;
    if (o.troubleFog) w.fog = 1;
    if (w.fog) w.fogSeen = 1;
}

// Where the current really comes from: a virtual current running on the ebb
// carries a negative speed and comes from the opposite side.
int32_t CurrentComesFrom(const TideState& t) {
    return WrapDegrees(t.boatCurrentSpeed < 0 ? t.boatCurrentFrom + 180 : t.boatCurrentFrom);
}

void UpdateSeaState(Game& g) {
    Weather& w = g.weather;
    const OwnBoat& b = g.ownBoat;
    int32_t sea = SeaStateClass(w.windSpeed, w.exposure, w.exposureMin, w.storm);
    w.windAgainstCurrent = WindAgainstCurrent(g);
    const int32_t current = std::abs(g.tideState.boatCurrentSpeed);
    if (b.onBuoy && w.windAgainstCurrent) w.windSpeed += current / 10;
    if (current > 10) sea += w.windAgainstCurrent;
    w.waveHeight = (sea + w.waveHeight) * 0.5;
    w.waveState = Trunc(w.waveHeight);
    if (MadeFast(b)) g.score.anchorageCalm = std::min(g.score.anchorageCalm, 10 - w.waveState);
}

}  // namespace

int32_t AirTemperature(int32_t hour, int32_t highTemperature, int32_t floorTemperature) {
    const double swing = std::sin((hour - 5) * 15 * kDegToRad) * (highTemperature - 55);
    return std::max(55 + Trunc(swing), floorTemperature);
}

int32_t ShelteredWind(int32_t windSpeed, int32_t exposure) {
    return std::max(6, (exposure * (windSpeed / 2)) / 900 + windSpeed / 2);
}

int32_t SeaStateClass(int32_t windSpeed, int32_t exposure, int32_t exposureMin, int32_t storm) {
    int32_t w = windSpeed <= 10 ? 0 : windSpeed <= 16 ? 1 : windSpeed <= 20 ? 2 : 3;
    if (exposure < 900) w = exposure * w / 900;
    if (exposureMin < 900 && w > 0) w -= 1;
    if (exposureMin < 300 && w > 0) w -= 1;
    if (storm == 2) w = std::max(w, 1);
    return w;
}

bool FogConditions(const Game& g) {
    const int32_t f = g.weather.floorTemperature, h = g.weather.humidity;
    const int32_t area = g.cruiseOptions.areaCode, hour = g.simClock.hour;
    const bool river = area == 4;
    if (hour < 10 || hour > 14)
        return (f < 62 && h > 2 && !river) || (f < 56 && h > 1 && !river) || (f < 58 && h > 2 && river);
    return (f < 60 && h > 2 && !river) || (f < 54 && h > 1 && !river) || (f < 56 && h > 2 && river) ||
           (f < 57 && h > 1 && area == 20 && g.ownBoat.x > 9000);
}

int32_t WindAgainstCurrent(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    if (o.currentsOn == 0) return 0;
    const int32_t c = CurrentComesFrom(g.tideState);
    const int32_t wd = g.weather.windDirection;
    if (o.isRealArea || o.isPassage) {
        const int32_t between = std::abs(c - wd);
        return (between >= 121 && between <= 239) ? 1 : 0;
    }
    // A current running north or south is compared on its cosine.
    const auto& table = (c == 0 || c == 180) ? g.trigTables.cos100 : g.trigTables.sin100;
    return std::abs(table[c] + table[wd]) < 50 ? 1 : 0;
}

void GenerateCruiseWeather(Game& g) {
    Weather& w = g.weather;
    const CruiseOptions& o = g.cruiseOptions;
    ClearCruiseWeather(w);
    w.frontType = DrawFrontType(g);
    w.moonlight = 1;
    if (o.isPassage && o.difficulty >= 6 && random(g.rng, 100) > 50) w.moonlight = 0;
    if (o.troubleNoMoonlight) w.moonlight = 0;
    w.highPressure = random(g.rng, 10) > 5 ? 1 : 0;
    w.cruiseWind = o.troubleStrongWind ? 20 + random(g.rng, 5) : 10 + random(g.rng, 10);
    w.regionWarmth = (o.region == 1 || o.region == 6) ? 0 : 10;
    if (o.areaCode == 11) w.regionWarmth = 2;
    w.floorTemperature = random(g.rng, 6) + 62 + w.regionWarmth - o.difficulty;
    w.systemStart = random(g.rng, 5) + 5;
    if (o.introCourse) {
        w.systemStart = 0;
        w.highPressure = 1;
    }
    if (o.troubleFog) {
        w.highPressure = 0;
        w.systemStart = random(g.rng, 2) + 5;
        w.floorTemperature = 55;
    }
    DrawTideParameters(g);
    const int32_t trend = random(g.rng, 4);
    w.dailyTrend = o.introCourse ? 0 : trend;
    if (o.region == 3) {
        w.systemStart = random(g.rng, 3) - 1;
        w.highPressure = 1;
    }
    if (o.region == 5 && random(g.rng, 100) > 50) {
        w.systemStart = random(g.rng, 3) + 7;
        w.highPressure = 1;
    }
    PlaceFront(g);
    w.afterFrontSoutherly = DrawAfterFrontSoutherly(g);
}

void DailyWeather(Game& g, int arg) {
    Weather& w = g.weather;
    const int32_t n = g.simClock.day + arg;
    const bool clockwise = w.systemStart < 4 || w.systemStart > 7;
    const int32_t sense = clockwise ? 1 : -1;
    w.systemPosition = w.systemStart + sense * n;
    ApplyFront(g, arg, n);
    w.systemPosition = WrapOctant(w.systemPosition);

    if (w.highPressure) {
        w.windOctant = w.systemPosition + 2;
        if (w.windOctant > 8) w.windOctant -= 6;
    } else {
        w.windOctant = w.systemPosition - 2;
        if (w.windOctant < 1) w.windOctant += 6;
    }
    if (arg == 0) w.baseDirection = NormaliseAngle(45 * w.windOctant - 45);
    const int32_t s = (w.highPressure && w.systemPosition > 5) ? -1 : 1;
    w.baseSpeed = std::max(7, n * s * w.dailyTrend + w.cruiseWind);
    SetSky(g);
    w.veer = sense;
    SetDayTide(g, arg);
}

void UpdateEnvironment(Game& g) {
    UpdateWind(g);
    UpdateTideAndCurrent(g);
    ReadDepth(g);
    DepthAlarm(g);
    UpdateFog(g);
    UpdateSeaState(g);
}

void UpdateStorm(Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    const SimClock& c = g.simClock;
    Weather& w = g.weather;
    if (o.difficulty <= 1) return;
    int32_t p = ((w.regionWarmth / 2 + o.difficulty) * 40) / std::max(1, o.stepDivisor);
    if (c.hour < 13) p /= 2;
    if (g.rng.rand() < p * 3 / 2 && w.storm == 0) w.stormHour = c.dayHours;
    // Thunder comes ahead of the front.
    if (w.frontHour - 3 < c.cruiseHours && c.cruiseHours <= w.frontHour) w.stormHour = w.frontHour - 1;
}

void UpdateStormState(Game& g) {
    if (g.cruiseOptions.difficulty <= 1) return;
    Weather& w = g.weather;
    const double h = g.simClock.dayHours;
    if (w.stormHour < h && h < w.stormHour + 1.0) w.storm = 1;
    else if (w.stormHour + 1.0 <= h && h < w.stormHour + 1.5) w.storm = 2;
    else w.storm = 0;
}

void CheckFrontArrival(Game& g) {
    Weather& w = g.weather;
    if (g.simClock.cruiseHours < w.frontHour || w.frontArrived) return;
    DailyWeather(g, 0);
    UpdateEnvironment(g);
    w.frontArrived = 1;
    w.highPressure = 1;
}

}  // namespace vel
