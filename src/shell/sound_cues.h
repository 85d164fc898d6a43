#pragma once
#include "common/game.h"

namespace vel {

// Sounds of the sails, the water and the engine after each tick.
void PlayTickSoundCues(Game& g);

}  // namespace vel
