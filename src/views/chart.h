#pragma once
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The chart, on which every cruise begins: the user clicks the start, then
// plots and navigates on it. Stops simulated time while it is up.
void drawChart(gfx::DC& dc, Game& g);

// The chart's state for this frame before anything is drawn: first opening
// in a cruise, lost GPS, erasing, zoom about a clicked point, the centre, the
// point under the mouse, the start placement and the recorded click.
void PrepareChartFrame(Game& g);

// The depth the status line shows under the mouse: what the sounder would
// read there, so a submerged rock never shows as deep water.
int32_t ChartPointerDepth(const Game& g);

}  // namespace vel
