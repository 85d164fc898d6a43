#pragma once
// The hand-bearing compass over the sailing view: the sight line with its
// magnetic reading, and the frame of the binoculars.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// Drawn by the sailing view after the own boat while the compass is in use,
// in place of the heading dial, the small dials and the sea-state label.
void drawCompassOverlay(gfx::DC& dc, const Game& g, int32_t bottom);

// The thick rounded frame of the binoculars; nothing unless both the compass
// and the binoculars are in use.
void drawBinocularFrame(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace vel
