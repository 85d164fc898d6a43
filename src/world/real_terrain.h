#pragma once
// Depth in the real areas: the true shore and the charted depths, and the
// rocks; the shoal-ahead probe over them; and the Exumas' deep-sound and
// west-bank tests.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Depth in feet at (x, y). mode 2: as charted (no rocks). The extra islands
// of withExtra are part of the true shore already. Any point of the plane
// answers, however far off the area (beyond its data: land).
double RealDepth(const Game& g, int32_t x, int32_t y, int32_t mode, int32_t withExtra);

// The shore's other coordinate at `at` along a profile of 300 equal steps
// (entries 1..300; `step` nonzero), as the depth query reads it.
double ShoreProfileAt(const int32_t* run, const int32_t* value, double step, double at);

// The Exumas: inside the deep water of Exuma Sound, and west of the cays on
// the bank.
bool InDeepSound(int32_t x, int32_t y);
bool OnWestBank(int32_t x, int32_t y);


}  // namespace vel
