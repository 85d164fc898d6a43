#pragma once
// The chart layers of the four real areas, shared by the chart and the mini
// chart: the mainland behind its shore profiles, the islands and charted
// shoals from their outlines, rocks, the mark list, and the area's names
// and labels; and the grey frames beyond the area's limits.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// Nothing outside the real areas.
void DrawRealAreaLayers(gfx::DC& dc, const Game& g, const ChartFrame& f);
void DrawRealAreaFrames(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
