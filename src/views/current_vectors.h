#pragma once
// Where the tidal current model meets the chart: its vectors drawn over the
// chart, and the current it finds under a chart point.
#include <cstdint>
#include <optional>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The current atlas over the chart about world point (centreX, centreY) at
// zoom `scale`: an arrow downstream at each grid point of open water, its
// length by the speed, TideState.chartHoursAhead hours on. Areas without a
// current field (the generated ones) show none. The tide's record is left
// as it was found.
void drawCurrentVectors(gfx::DC& dc, Game& g, int32_t centreX, int32_t centreY, int32_t scale);

// Current at a world point in tenths of a knot, when the area's current
// model can tell; the chart then writes it on its status line.
std::optional<int32_t> ChartCurrentTenths(Game& g, int32_t x, int32_t y);

// Grid spacing of the atlas in pixels, and the arrow length for a speed in
// tenths of a knot (capped short of the next grid point).
inline constexpr int32_t kAtlasGridPixels = 56;
int32_t AtlasArrowLength(int32_t tenths);

}  // namespace vel
