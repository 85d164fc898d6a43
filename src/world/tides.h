#pragma once
// Tide and the current at the boat.
#include <cstdint>

#include "common/game.h"

namespace vel {

// The cruise's tidal range, strongest current and tide timing.
void DrawTideParameters(Game& g);

// Low water of day SimClock.day + dayOffset.
void SetDayTide(Game& g, int32_t dayOffset);
// Tide height and the current at the own boat, once per tick.
void UpdateTideAndCurrent(Game& g);

// The day's second low water, twelve hours from the first within the day.
int32_t SecondLowWaterHour(int32_t lowWaterHour);

// Height of tide in tenths of a foot at `hour` for a low water at
// `lowWaterHour`: steps once per hour, 0 at low water, the range six hours on.
int32_t TideHeight(const Game& g, int32_t hour, int32_t lowWaterHour);

// What the echo sounder reads at a point: the charted depth plus the tide
// over water, draft - 1 over water shallower than the draft, at least 1.
int32_t SounderDepth(const Game& g, int32_t x, int32_t y);

// Per tick at the own boat: TideState.height, and the current
// (boatCurrentSpeed, signed in the generated areas, and boatCurrentFrom).
void UpdateTideAndCurrent(Game& g);

}  // namespace vel
