#pragma once
// Where the tidal current model meets the chart: its vectors drawn over the
// chart, and the current it finds under a chart point.
#include <cstdint>
#include <optional>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// World spacing of the atlas grid at `pixelsPerUnit`: about one arrow per
// kAtlasSpacingPixels, rounded to whole hundreds so that the arrows stay on
// the same points as the chart pans.
inline constexpr int32_t kAtlasSpacingPixels = 56;
int32_t AtlasGridStep(double pixelsPerUnit);

// The current atlas of the real areas and passages over the chart `f`: an
// arrow toward where the water goes at each grid point, its length by the
// speed (full length from 4 knots). Asks the current field without leaving
// anything of its answers behind.
void drawCurrentVectors(gfx::DC& dc, Game& g, const ChartFrame& f);

// Current at a world point in tenths of a knot, in the areas with a current
// field; the chart then writes it on its status line.
std::optional<int32_t> ChartCurrentTenths(Game& g, int32_t x, int32_t y);

}  // namespace vel
