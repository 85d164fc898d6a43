#pragma once
#include <cstdint>

#include "common/game.h"

namespace vel {

// Apparent wind from the true wind and the boat's speed; returns the wind
// pressure (1.2 times the square of the apparent wind in knots).
int32_t ComputeApparentWind(Game& g);
// 100 close to the wind, 30 near the beam or dead downwind with a cruising
// spinnaker, else 0: what the spinnaker takes back from its bonus.
int32_t SpinnakerFactor(const Game& g);
// Eases the sheet when heeled or over-trimmed, trims it while luffing.
void AutoTrim(Game& g, int32_t heelLimit);
// Leeway angle for the present wind, heel and speed.
void UpdateLeeway(Game& g);
// Heads the boat close-hauled on its present tack.
void SetCloseHauled(Game& g);
// Heel beyond which the boat loses speed and the automatic trim eases.
int32_t HeelLimit(const Game& g);
// Target speed through the water (tenths of a knot) for a drive P.
double TargetSpeed(const Game& g, int32_t drive);
// A sailboat starts under genoa and main; a trawler with its sails stowed.
void ResetSailPlan(Game& g);

}  // namespace vel
