#pragma once
#include "common/game.h"

namespace vel {

// Low water of day SimClock.day + dayOffset.
void SetDayTide(Game& g, int32_t dayOffset);

}  // namespace vel
