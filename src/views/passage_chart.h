#pragma once
// The chart layers of the four passages: the grey frame outside the waters
// of the passage, the names, lights and legend of its chart, and the reef
// marks of the Bahamian cays.
#include <cstdint>
#include <optional>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/chart_layers.h"

namespace vel {

// The waters a passage's chart shows, in area units; beyond them the chart
// is covered. The Maine-Nova Scotia chart stays open to the south, where the
// Gulf of Maine runs out to sea.
struct PassageLimits {
    int32_t west, east, north, south;
    bool southCovered;
};
std::optional<PassageLimits> PassageLimitsFor(const AreaGrid& a);

// Grey strips over the chart outside the passage's limits.
void DrawPassageFrames(gfx::DC& dc, const Game& g, const ChartFrame& f);

// Lights, names and the legend of a passage chart.
void DrawPassageNames(gfx::DC& dc, const Game& g, const ChartFrame& f);

// The low cays and reefs of the Bahamas side (islands 26 and up of the
// Florida-Bahamas passages), marked by a ring of fixed screen size.
bool IsPassageReef(const AreaGrid& a, int32_t island);
int32_t PassageReefRingPixels(int32_t zoom);
void DrawPassageReefRing(gfx::DC& dc, gfx::Point centre, int32_t radius, gfx::Color c, const ChartFrame& f);

// In the Florida-Bahamas passages the first rock of the list is a light.
bool RockIsPassageLight(const AreaGrid& a, int32_t rock);

}  // namespace vel
