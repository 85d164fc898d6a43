#include "world/tides.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "world/current_field.h"
#include "world/terrain.h"

namespace vel {
namespace {

bool GeneratedArea(const AreaGrid& a) { return a.isPassage == 0 && a.isRealArea == 0; }

// One stream for the whole area, along the coast; inside a cove or beyond
// the shore line it runs in and out of the cove instead. Signed: the flood
// positive, the ebb negative.
void UpdateVirtualCurrent(Game& g) {
    TideState& t = g.tideState;
    const AreaGrid& a = g.areaGrid;
    const int32_t bx = Trunc(g.ownBoat.x);
    const int32_t by = Trunc(g.ownBoat.y);
    int32_t from = t.virtualFrom;
    if (a.areaCode != 2 && a.isPassage == 0 && std::abs(static_cast<int64_t>(by)) > std::abs(a.coastBaseY))
        from = by >= 0 ? 0 : 180;
    const double phase = (g.simClock.hour - t.lowWaterHour) * 30 * kDegToRad;
    int32_t s = Trunc(t.maxCurrent * std::sin(phase));
    const int32_t depth = SounderDepth(g, bx, by);
    if (depth < 15) s = s * depth / 15;
    // The upstream probe looks against this tick's stream.
    t.boatCurrentSpeed = s;
    t.boatCurrentFrom = from;
    s = s * ShoalAheadVirtual(g, 0, bx, by) / 900;
    if (DistanceTenths(bx, by, a.harbourX, a.harbourY, a.unitsPerMile) < 20.0) s = 0;
    t.boatCurrentSpeed = t.currentSpeed = s;
    t.boatCurrentFrom = t.currentFrom = from;
}

}  // namespace

void DrawTideParameters(Game& g) {
    TideState& t = g.tideState;
    const AreaGrid& a = g.areaGrid;
    const int32_t on = g.cruiseOptions.currentsOn;
    if (a.region == 5)
        t.maxCurrent = (random(g.rng, 5) + 10) * on;
    else if (a.region == 6)
        t.maxCurrent = (random(g.rng, 15) + 15) * on;
    else
        t.maxCurrent = (random(g.rng, 10) + 15) * on;
    t.range = t.maxCurrent / 5;
    if (a.areaCode == 20) t.range = t.maxCurrent / 2;
    if (a.region == 6) t.range = 2 * t.maxCurrent / 5;
    if (a.region == 5) t.gulfStreamSpeed = random(g.rng, 20) + 40;
    t.dailyOffset = random(g.rng, 12) + 7;
    t.virtualFrom = a.mainlandSide == 1 ? 90 : a.mainlandSide == 3 ? 270 : 180;
}

void SetDayTide(Game& g, int32_t dayOffset) {
    TideState& t = g.tideState;
    const int32_t n = dayOffset + t.dailyOffset + g.simClock.day;
    t.lowWaterHour = n - 6 < 6 ? n + 6 : n - 6;
}

int32_t SecondLowWaterHour(int32_t lowWaterHour) {
    return lowWaterHour + 12 <= 23 ? lowWaterHour + 12 : lowWaterHour - 12;
}

int32_t TideHeight(const Game& g, int32_t hour, int32_t lowWaterHour) {
    if (g.cruiseOptions.currentsOn == 0) return 0;
    const double half = (hour - lowWaterHour) * 30 / 2.0 * kDegToRad;
    const double s = std::sin(half);
    return Trunc(10 * g.tideState.range * s * s);
}

int32_t SounderDepth(const Game& g, int32_t x, int32_t y) {
    int32_t d = DepthAt(g, x, y, 0);
    if (d > 0) d += g.tideState.height / 10;
    const int32_t draft = g.boatDesign.draft;
    if (d > 0 && d < draft) d = draft - 1;
    return d < 1 ? 1 : d;
}

void UpdateTideAndCurrent(Game& g) {
    TideState& t = g.tideState;
    const bool generated = GeneratedArea(g.areaGrid);
    // The current field of the passages and real areas sets the local tide
    // timing the height follows.
    if (!generated) CurrentAt(g, Trunc(g.ownBoat.x), Trunc(g.ownBoat.y), 1);
    t.height = TideHeight(g, g.simClock.hour, generated ? t.lowWaterHour : t.localLowWaterHour);
    if (generated) UpdateVirtualCurrent(g);
}

}  // namespace vel
