#pragma once
// The radar's range, EBL and VRM rules and the two save commands, shared by
// the menu, the keys and the buttons drawn inside the radar inset.
#include <cstdint>

#include "common/game.h"

namespace vel {

inline constexpr int32_t kRadarRangeMin = 3;
inline constexpr int32_t kRadarRangeMax = 48;

void RadarRangeUp(Game& g);    // twice the range, at most 48
void RadarRangeDown(Game& g);  // half the range, at least 3
void RadarEblRight(Game& g);   // +5 degrees, kept in 0..359
void RadarEblLeft(Game& g);    // -5 degrees, kept in 0..359
void RadarVrmUp(Game& g);      // +0.5 mile
void RadarVrmDown(Game& g);    // -0.5 mile, never below 0
// Keep the VRM distance or the EBL bearing for plotting on the chart; the
// one kept before moves to the "previous" slot.
void RadarSaveVrm(Game& g);
void RadarSaveEbl(Game& g);

// The VRM as the chart plots it: tenths of a mile of this area, matched to
// the ring the radar draws.
int32_t RadarVrmDistance(int32_t vrm, int32_t unitsPerMile);

}  // namespace vel
