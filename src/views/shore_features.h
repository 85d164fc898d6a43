#pragma once
// The fixed features of a generated shore: the marina pier with its piles
// and buildings, and the landmarks inland (towers, a tank, a stack, a dome).
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

void drawShoreFeatures(gfx::DC& dc, Game& g);

}  // namespace vel
