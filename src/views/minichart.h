#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The small chart inset.
void drawMiniChart(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace vel
