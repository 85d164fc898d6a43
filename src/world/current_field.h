#pragma once
// The current field of the passages and the real areas: each area's ordered
// list of zones sets the direction, the local tide timing and the strength
// at a point; the tide's phase, the depth and the land upstream do the rest.
#include <cstdint>
#include <span>

#include "common/game.h"

namespace vel {

// What the zones set at a point. Zones are tested in list order; a later
// match overrides an earlier one field by field.
struct CurrentZone {
    int32_t from = 0;        // flood comes-from direction, degrees
    int32_t phaseShift = 0;  // hours added to the area's low water
    double factor = 1.0;     // strength factor F
    bool exempt = false;     // no shallow-water and no lee weakening
};

enum class ZoneShape : int32_t {
    Box,      // a: xMin, xMax, yMin, yMax, strict bounds
    StripNS,  // a: the six corner values of InStripNS (inside = 1)
    StripEW,  // a: the six corner values of InStripEW (inside = 1)
    Band      // a: centre x, y, and DistanceTenths in [a[2], a[3])
};

// A field a row leaves as an earlier row set it.
inline constexpr int32_t kZoneKeep = -999;

struct ZoneRow {
    ZoneShape shape;
    int32_t a[6];
    int32_t from = kZoneKeep;
    int32_t phaseShift = kZoneKeep;
    double factor = kZoneKeep;
    int32_t exempt = kZoneKeep;  // 0 or 1
};

bool ZoneContains(const ZoneRow& row, int32_t x, int32_t y, int32_t unitsPerMile);
// Applies every row that contains the point, in order.
void ApplyZoneTable(std::span<const ZoneRow> rows, int32_t x, int32_t y, int32_t unitsPerMile, CurrentZone& z);

// Sets the area's defaults in `z` and applies its zones at (x, y); false
// for an area with no current field (the generated areas).
bool LookUpCurrentZone(const Game& g, int32_t x, int32_t y, CurrentZone& z);

// The current at (x, y): TideState.currentSpeed, currentFrom and
// localLowWaterHour; with forBoat 1 also boatCurrentSpeed and boatCurrentFrom.
// The chart's atlas reads it TideState.chartHoursAhead hours on.
void CurrentAt(Game& g, int32_t x, int32_t y, int32_t forBoat);

// In the Florida-Bahamas passages: inside the Gulf Stream, or north-east of
// the banks, where the stream's own speed runs whatever the tide.
bool InGulfStreamSet(const AreaGrid& a, int32_t x, int32_t y);

}  // namespace vel
