#pragma once
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "views/label_placer.h"

namespace vel {

// The small chart inset, centred on the boat, with its own two zoom buttons.
void drawMiniChart(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

// The inset's frame: centred on the boat at the mini chart's own zoom.
ChartFrame MiniChartFrame(const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);

// The zoom buttons the inset shows: zoom in from 2, zoom out below 12.
bool MiniZoomInShown(const Game& g);
bool MiniZoomOutShown(const Game& g);
// Where those shown stand, for an inset whose top left is (left, top).
std::vector<LabelBox> MiniChartButtonBoxes(const Game& g, int32_t left, int32_t top);

}  // namespace vel
