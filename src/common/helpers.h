#pragma once
// Numeric helpers shared by every subsystem. The conversion factors are the
// program's own (not exact pi/180): positions and bearings depend on them.
#include <cmath>
#include <cstdint>

#include "common/game.h"

namespace vel {

inline constexpr double kDegToRad = 0.017453529976437735;
inline constexpr double kRadToDeg = 57.295;

// Truncation toward zero, written where a formula converts to a whole number.
inline int32_t Trunc(double v) { return static_cast<int32_t>(v); }

// One wrap only: a value more than one turn out of range stays out of range.
inline int32_t NormaliseAngle(int32_t a) {
    if (a >= 360) return a - 360;
    if (a < 0) return a + 360;
    return a;
}

// rand() / (32000 / max(|n|, 2)): may exceed n slightly (random(100) <= 102).
// Any n is safe: a magnitude above 32000 draws from rand()'s whole range.
int32_t random(Rng& rng, int32_t n);

// Compass bearing of an offset east (dx) and north (dy).
int32_t BearingOf(double dx, double dy);

// Distance in tenths of a nautical mile, capped for far-apart points.
double DistanceTenths(double x1, double y1, double x2, double y2, int32_t unitsPerMile);

void BuildTrigTables(TrigTables& t);
void FillRandomTable(RandomTable& t, Rng& rng);
// Every slot empty (kind 22 far off the area), 49 in use.
void ResetObjectList(ObjectList& list);

inline constexpr int32_t kEmptyObjectKind = 22;
inline constexpr double kEmptyObjectPos = -9000.0;
inline constexpr int32_t kObjectsInUse = 49;

}  // namespace vel
