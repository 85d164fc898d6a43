#pragma once
// Where the tidal current model meets the chart: its vectors drawn over the
// chart, and the current it finds under a chart point.
#include <cstdint>
#include <optional>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The current atlas over the chart about world point (centreX, centreY) at
// zoom `scale`. Nothing yet: the current model draws no vectors so far.
void drawCurrentVectors(gfx::DC& dc, const Game& g, int32_t centreX, int32_t centreY, int32_t scale);

// Current at a world point in tenths of a knot, when the area's current
// model can tell; the chart then writes it on its status line.
std::optional<int32_t> ChartCurrentTenths(const Game& g, int32_t x, int32_t y);

}  // namespace vel
