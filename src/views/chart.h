#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The chart, on which every cruise begins.
void drawChart(gfx::DC& dc, Game& g);

}  // namespace vel
