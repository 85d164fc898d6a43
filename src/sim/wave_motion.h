#pragma once
#include "common/game.h"

namespace vel {

// Pitching and slamming, advanced once per drawn frame before the own boat
// is drawn.
void AdvanceWaveMotion(Game& g);

}  // namespace vel
