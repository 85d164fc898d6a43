#pragma once
#include "common/game.h"

namespace vel {

// Object-list entry of anchored vessel j (0 or 2..9).
inline constexpr int FleetEntry(int j) { return 40 + j; }

// Generated areas at cruise start: the convoy, ships 1 and 2, and the
// anchored fleet around the harbour point (the world lays the buoys).
void PlaceAnchorage(Game& g);
// Vessel j swings to the wind about its anchor or mooring; when the own boat
// lies at anchor or on buoy 1, the whole fleet lies as it does.
void MoveAnchoredVessel(Game& g, int32_t j);
// Distance to the nearest anchored vessel; too close, and the one beep for
// touching one.
void CheckAnchoredVessels(Game& g);

}  // namespace vel
