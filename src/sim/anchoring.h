#pragma once
#include "common/game.h"

namespace vel {

// Anchors, pier and buoys, after the boat has moved; may set its position.
void UpdateMadeFast(Game& g);

}  // namespace vel
