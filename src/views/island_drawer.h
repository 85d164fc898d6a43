#pragma once
// Islands and rocks of the generated areas as seen from the boat.
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// Island i (1..islandCount): a block of land raised from its outline.
void drawIsland(gfx::DC& dc, Game& g, int32_t i);
// Rocks that show above water, as dark rounded heads.
void drawRoundRocks(gfx::DC& dc, Game& g);
// A single rock head at a screen point (the object list's rocks).
void drawRockHead(gfx::DC& dc, const Game& g, int32_t x, int32_t row, int32_t radius);

// The height of island i's land in pixels at the bottom of the view.
int32_t IslandLandHeight(const Game& g, int32_t i);

}  // namespace vel
