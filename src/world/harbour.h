#pragma once
// The harbour of a generated area: the anchorage point near the marina's
// cove (in the islands area, in the bay of the first island) and the two
// mooring buoys.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Feet of water that any boat of the program floats in.
inline constexpr int32_t kNavigableDepth = 8;
// The anchored fleet lies within this many units of the harbour point.
inline constexpr int32_t kAnchorageReach = 200;

// Sets AreaGrid.harbourX/harbourY in navigable water, with the whole
// anchorage around it navigable where the area allows.
void ChooseHarbourPoint(Game& g);

// Places the two mooring buoys (Moorings) in the marina's cove, or near the
// harbour point where the cove is too shallow or the area has none.
void PlaceMooringBuoys(Game& g);

}  // namespace vel
