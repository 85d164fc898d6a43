#pragma once
#include "common/game.h"

namespace vel {

// Area parameters, the area build, the day's weather and tide, the vessels,
// and a clean clock and boat.
void StartCruise(Game& g);

}  // namespace vel
