#pragma once
// The ships' lane through the generated river. The banks wind and bend, and
// islands and rocks lie in the stream, so the lane is charted once they are
// all placed, through the water that stays deep for both ships' tracks.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Each ship keeps this far to its own starboard of the lane's middle.
inline constexpr int32_t kRiverLaneOffset = 100;

void ChartRiverLane(Game& g);

// The lane's middle at x; beyond either end, the end's.
double RiverLaneY(const AreaGrid& a, double x);
// The heading along the lane at x, eastward or westward.
int32_t RiverLaneHeading(const AreaGrid& a, double x, bool eastward);

}  // namespace vel
