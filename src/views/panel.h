#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The control panel below the sailing view; handles its buttons' clicks.
void DrawControlPanel(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace vel
