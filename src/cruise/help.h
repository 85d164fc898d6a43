#pragma once
#include "common/game.h"
#include "gfx/dc.h"
#include "shell/pacer.h"

namespace vel {

// The help page over the frame.
void DrawHelp(gfx::DC& dc, Game& g);

}  // namespace vel
