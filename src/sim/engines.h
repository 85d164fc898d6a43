#pragma once
#include <cstdint>

#include "common/game.h"

namespace vel {

// No engine, or a failed one, cannot run.
void StopUnavailableEngine(Game& g);
// Drive under power with the sails down, against the windage W. Splitting
// twin screws turns the boat on the spot and leaves the gear in neutral.
int32_t EngineDrive(Game& g, int32_t windage);
// Sideways push of the screws that turns the bow (propeller walk, split
// twin screws); 0 with the engine off.
int32_t PropellerTurn(const Game& g);

}  // namespace vel
