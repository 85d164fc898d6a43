#pragma once
#include "common/game.h"

namespace vel {

// The own anchors: setting, holding, dragging and the swing about them.
void UpdateAnchors(Game& g);
// Tying up at the pier of a generated area or alongside a real-area dock.
void UpdateDocking(Game& g);
// Picking up, lying to and letting go of the mooring buoys.
void UpdateBuoys(Game& g);

}  // namespace vel
