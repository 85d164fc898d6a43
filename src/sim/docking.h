#pragma once
#include "common/game.h"

namespace vel {

// Tying up at the pier of a generated area.
void UpdateDocking(Game& g);
// Lying alongside the dock of an area drawn from real waters.
void UpdateAlongside(Game& g);
// Picking up, lying to, letting go and re-arming for the two mooring buoys.
void UpdateBuoys(Game& g);
// Vessel j (1: the own boat) lies 15 units downstream of the buoy at (bx, by).
void LieToBuoy(Game& g, int32_t bx, int32_t by, int32_t j);
// Tied to a pier or dock, failed equipment is mended for good.
void RepairAtPier(Game& g);

}  // namespace vel
