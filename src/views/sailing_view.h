#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "views/projection.h"

namespace vel {

// The pseudo-3D view from the boat, drawn from nothing every running frame.
void drawSailingView(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace vel
