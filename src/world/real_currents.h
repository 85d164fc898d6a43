#pragma once
// The current fields of the real areas: their zone tables for the current
// model (world/current_field.h).
#include <cstdint>

#include "common/game.h"
#include "world/current_field.h"

namespace vel {

// Sets the area's default flood direction, timing and strength in `z` and
// applies its zone table at (x, y).
void LookUpRealZone(const Game& g, int32_t x, int32_t y, CurrentZone& z);

// Hours the Chesapeake's tide runs behind its mouth at (x, y).
int32_t ChesapeakePhaseShift(int32_t x, int32_t y, int32_t unitsPerMile);

}  // namespace vel
