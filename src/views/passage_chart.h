#pragma once
// The chart layers of the four passages: the grey frame outside the waters
// of the passage, the bank, the legend of its chart, and the reef
// marks of the Bahamian cays.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"
#include "world/aids.h"

namespace vel {

// The waters a passage's chart shows, in area units; beyond them the chart
// is covered. The Maine-Nova Scotia chart stays open to the south, where the
// Gulf of Maine runs out to sea.
struct PassageLimits {
    int32_t west, east, north, south;
    bool southCovered;
};
std::optional<PassageLimits> PassageLimitsFor(const AreaGrid& a);

// The Great Bahama Bank of the Florida-Bahamas passages, in a paler blue:
// east of the stream, south of the bank line, west of the bank's east
// limit, where the water is nowhere deeper than 15 feet.
void DrawPassageBank(gfx::DC& dc, const Game& g, const ChartFrame& f);

// Grey strips over the chart outside the passage's limits.
std::vector<LabelBox> PassageFrameRects(const Game& g, const ChartFrame& f);

// The legend in the corner of the whole-passage chart, and where it stands.
void DrawPassageLegend(gfx::DC& dc, const Game& g, const ChartFrame& f);
std::optional<LabelBox> PassageLegendBox(const gfx::DC& dc, const Game& g, const ChartFrame& f);

// The low cays and reefs of the Bahamas side (islands 26 and up of the
// Florida-Bahamas passages), marked by a ring of fixed screen size.
bool IsPassageReef(const AreaGrid& a, int32_t island);
int32_t PassageReefRingPixels(int32_t zoom);
void DrawPassageReefRing(gfx::DC& dc, gfx::Point centre, int32_t radius, gfx::Color c, const ChartFrame& f);

// The passages' own marks in the object list: 23 red and 24 green lit
// buoys, 25 a light on a beacon tower; nullptr for any other kind.
const AidKind* FindPassageMarkKind(int32_t kind);

// In the Florida-Bahamas passages the first rock of the list is a light.
bool RockIsPassageLight(const AreaGrid& a, int32_t rock);

}  // namespace vel
