#pragma once
// The land of the true shoreline on the chart and the mini chart.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// Fills the land rings that reach the frame with the brush already selected,
// without a rim; lakes stay the colour beneath. Nothing when the area has no
// true shoreline.
void DrawTrueLand(gfx::DC& dc, const Game& g, const ChartFrame& f);

// Shoal water: the pale fill and a dotted danger line.
void SelectShoal(gfx::DC& dc, const ChartFrame& f);
void DottedRing(gfx::DC& dc, const gfx::Point* pts, int32_t n, const ChartFrame& f);

// The charted shoals and banks of the true waters, painted pale where the
// depth query holds them shallow.
void DrawShoalFacts(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
