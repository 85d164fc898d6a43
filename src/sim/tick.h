#pragma once
#include "common/game.h"

namespace vel {

// The four simulation steps, always in this order.
void UpdateEnvironment(Game& g);   // weather, depth reading and alarm, tide and current
void UpdateSteering(Game& g);      // heading
void UpdateSpeed(Game& g);         // speed, heel, apparent wind; engines
void AdvanceClockAndMove(Game& g); // clock, motion, moorings, vessels, hazards

void RunSimulationSteps(Game& g);

// The clock at departure; the cruise's weather is drawn against it.
void ResetClock(Game& g);
// Clock, position, made-fast state, sail plan and failure times at the start
// of a cruise.
void ResetClockAndBoat(Game& g);
// Downwind from the day's wind, or head to wind on a passage.
void SetStartHeading(Game& g);

}  // namespace vel
