#pragma once
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The camera: where the view looks, from the boat's heading and the look keys.
void updateViewHeading(Game& g);
// The pseudo-3D view from the boat.
void drawSailingView(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace vel
