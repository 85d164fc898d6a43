#pragma once
// Navigation aids on the charts: the light symbol, the aid symbols of the
// generated areas and the passages.
#include <cstdint>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "world/aids.h"

namespace vel {

// The colour a light shows, as the chart draws its flare.
enum class LightColour { White, Red, Green };

// A flare above and to the right of (x, y) and a small disc on the point:
// code 0 and 1 a white disc, 2 a disc in the light's colour, 17 disc and rim
// both in the light's colour.
void DrawLight(gfx::DC& dc, bool mono, int32_t x, int32_t y, int32_t code, LightColour colour);

// The aids of the generated areas and the passages that stand on the frame:
// towers and the pier of the generated coasts, buoys, beacons, lighthouses.
struct ChartAid {
    enum What { Landmark, Pier, Aid, Lighthouse } what;
    gfx::Point at;      // the symbol's point; a pier's north-west corner
    gfx::Point corner;  // a pier's south-east corner
    const AidKind* kind;  // Aid only
    const char* label;
};
std::vector<ChartAid> ChartAids(const Game& g, const ChartFrame& f);

// Their symbols (the labels are laid out with the chart's other labels).
void DrawChartAids(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
