#pragma once
#include "common/game.h"

namespace vel {

// The cruise's tide and current parameters, drawn with the weather's.
void DrawTideParameters(Game& g);
// Low water of day SimClock.day + dayOffset.
void SetDayTide(Game& g, int32_t dayOffset);
// Tide height and the current at the own boat, once per tick.
void UpdateTideAndCurrent(Game& g);

}  // namespace vel
