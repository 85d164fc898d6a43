#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The weather forecast screen.
void DrawForecast(gfx::DC& dc, Game& g, Pacer& pacer);

}  // namespace vel
