#pragma once
#include "common/game.h"

namespace vel {

// Wave crests and ripples are strewn over a 400-unit square centred 100
// units ahead along the view bearing.
void PlaceWaveCrest(Game& g, int32_t i);
void PlaceRipple(Game& g, int32_t i);
// Every crest and ripple drifts downwind at two thirds of the wind speed.
void DriftSeaItems(Game& g);
// Distance from (x, y) to the nearest wave crest other than `except` (all
// crests when except < 0); 50000 when none is nearer.
double NearestCrestDistance(const Game& g, double x, double y, int32_t except);

}  // namespace vel
