#pragma once
#include "common/game.h"

namespace vel {

// Leeway angle for the present wind, heel and speed.
void UpdateLeeway(Game& g);

}  // namespace vel
