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
// How fleet vessel j is built, as CruiseOptions.boatType counts (1 monohull,
// 2 catamaran, 3 and 4 single- and twin-screw trawler), and how large it is
// against a boat of size 1 (vesselSize 1..3, 0 unset).
int32_t FleetBoatType(int32_t j);
double FleetBoatScale(int32_t vesselSize);
// Distance to the nearest anchored vessel; too close, and the one beep for
// touching one.
void CheckAnchoredVessels(Game& g);

}  // namespace vel
