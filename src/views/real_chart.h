#pragma once
// The chart layers of the four real areas, shared by the chart and the mini
// chart: the mainland behind its shore profiles, the islands and charted
// shoals from their outlines, rocks and the mark list's symbols; and the
// grey frames beyond the area's limits.
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// Nothing outside the real areas.
void DrawRealAreaLayers(gfx::DC& dc, const Game& g, const ChartFrame& f);
// The grey frames beyond the area's limits, on the frame's screen.
std::vector<LabelBox> RealAreaFrameRects(const Game& g, const ChartFrame& f);

}  // namespace vel
