#pragma once
#include "common/game.h"

namespace vel {

// Sounds of the sails, the water and the engine after each tick.
void PlayTickSoundCues(Game& g);
// Fog horns of ships and lighthouses, from the vessel step of the tick.
void PlayFogSignals(Game& g);

}  // namespace vel
