#pragma once
// The true coast of the passages and the real areas seen from the boat: the
// shore faces turned to the eye rise from the waterline, far coast first so
// that the near coast stands in front of it, dressed by area (low sand and
// scrub in the south and on the Bay, wooded granite down east, bluffs,
// beaches and towns in Southern New England).
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// Nothing where the area has no true shoreline.
void drawTrueCoast(gfx::DC& dc, Game& g);

// How far off the coast still shows, area units.
double CoastSightRange(const Game& g);

}  // namespace vel
