#pragma once
// Ships under way: a container ship on its lane, with its lights at night.
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// Object-list entry `entry` (ship entry - 34 is the ship's number), standing
// at screen (x, row).
void drawShip(gfx::DC& dc, Game& g, int32_t entry, int32_t x, int32_t row, int32_t kind);

}  // namespace vel
