#pragma once
#include <cstdint>

#include "common/game.h"

namespace vel {

// Drifting sea-surface items: wave crests and ripples.
inline constexpr int32_t kWaveCrests = 80;
inline constexpr int32_t kRipples = 200;

// Ships, buoys and the anchored fleet of a generated area or passage, at cruise start.
void PlaceVirtualVessels(Game& g);
// Harbour point and anchorage of the passages, from the boat's position.
void ChooseZonePoints(Game& g);
// Harbour point and anchorage of the real areas, from the boat's position.
void ChooseRealZonePoints(Game& g);
// One wave crest or ripple laid ahead of the boat.
void PlaceWaveCrest(Game& g, int32_t i);
void PlaceRipple(Game& g, int32_t i);
// Passage and real-area zone lines crossed by the last move.
void CheckZoneCrossings(Game& g);
// Ships on their lanes with the drifting items, and the ship collision check.
void MoveShips(Game& g);
// Anchored vessel j swinging to wind or current.
void MoveAnchoredVessel(Game& g, int32_t j);
// Distance from a point to the nearest wave crest (except one); 50000 when none.
double NearestCrestDistance(const Game& g, double x, double y, int32_t except);

}  // namespace vel
