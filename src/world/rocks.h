#pragma once
// Rocks of the generated areas: the first ones off the islands, the coves
// and the river's bends, the rest scattered; their visibility by difficulty.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Fills RockList 1..count (rocks 16..18, the cove heads, come with the
// coastline and are kept).
void PlaceRocks(Game& g);

// Whether rock j (from 1) shows at all tides at this difficulty.
int32_t RockVisible(int32_t j, int32_t difficulty);

}  // namespace vel
