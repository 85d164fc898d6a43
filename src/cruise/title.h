#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// Working dimensions of the boat from the design options.
void ApplyBoatDesign(Game& g);

// Clears what one cruise leaves behind, so every cruise starts clean.
void ResetCruiseFlags(Game& g);

// One frame of the title screen; menuBarHeight decides the large-font layout.
void DrawTitle(gfx::DC& dc, Game& g, Pacer& pacer, int32_t menuBarHeight);

}  // namespace vel
