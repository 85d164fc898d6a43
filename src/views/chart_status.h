#pragma once
// The chart's status strip: depth and current under the mouse, the header,
// the two click boxes, the help line, the start and bonus instructions, the
// target waypoint and the measuring tool.
#include <cstdint>
#include <string>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/label_placer.h"

namespace vel {

// Writes the strip; `depth` is the charted depth under the mouse.
void drawChartStatus(gfx::DC& dc, Game& g, int32_t width, int32_t stripHeight, int32_t depth);

// The "to the sailing view" and "centre on the boat" boxes. Acts on the
// recorded click and consumes it; false when the click hit neither.
bool HandleChartStatusClick(Game& g);

// What the strip and the chart's notices cover: the strip, the box below it,
// the passage bonus instruction and the disclaimer (with its card).
std::vector<LabelBox> ChartStatusBoxes(const gfx::DC& dc, const Game& g);
// The real areas' disclaimer, on its card, on the whole-area chart.
void DrawDisclaimer(gfx::DC& dc, const Game& g);

// Whether the chart cannot zoom out any further.
bool ChartFullyZoomedOut(const Game& g);

// The line that tells how to zoom and pan, and where it stands.
struct StatusText {
    int32_t x = 0, y = 0;
    std::string text;
};
StatusText ChartHelpLine(const Game& g);
const char* StartInstruction(int32_t width);
// Empty outside the passages.
const char* PassageBonusInstruction(int32_t areaCode, int32_t width);
std::string AtlasTimeText(int32_t hoursAhead);
// Empty while no target waypoint is chosen or the measuring tool is on.
std::string TargetWaypointText(const Game& g);
// Empty while the measuring tool has no anchor.
std::string RangeBearingText(const Game& g);

// Tenths as "whole.tenth".
std::string OneDecimal(int32_t tenths);

}  // namespace vel
