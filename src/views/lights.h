#pragma once
// Navigation aids on the charts: the light symbol, the aid symbols of the
// generated areas and the labels written beside them.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// The colour a light shows, as the chart draws its flare.
enum class LightColour { White, Red, Green };

// A flare above and to the right of (x, y) and a small disc on the point:
// code 0 and 1 a white disc, 2 a disc in the light's colour, 17 disc and rim
// both in the light's colour.
void DrawLight(gfx::DC& dc, bool mono, int32_t x, int32_t y, int32_t code, LightColour colour);

// Aids, lighthouses, landmarks and the pier of the current area, with their
// labels when ChartView.showMarkNames is on.
void DrawPlaceNames(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
