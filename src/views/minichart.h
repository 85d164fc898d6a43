#pragma once
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The small chart inset, centred on the boat, with its own two zoom buttons.
void drawMiniChart(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

// The zoom buttons the inset shows: zoom in from 2, zoom out below 12.
bool MiniZoomInShown(const Game& g);
bool MiniZoomOutShown(const Game& g);

}  // namespace vel
