#pragma once
#include "common/game.h"

namespace vel {

// Equipment failures by the hour and difficulty.
void UpdateFailures(Game& g);

}  // namespace vel
