#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The results screen.
void ShowResults(gfx::DC& dc, Game& g, Pacer& pacer);

}  // namespace vel
