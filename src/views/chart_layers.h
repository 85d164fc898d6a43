#pragma once
// The chart's layers, shared by the full chart and the mini chart: each
// drawer takes the frame it draws into (centre, scale, rectangle) and skips
// what falls outside it.
#include <cstdint>
#include <vector>

#include "common/game.h"
#include "gfx/dc.h"
#include "views/label_placer.h"

namespace vel {

struct ChartFrame {
    double s = 1.0;                    // pixels per world unit
    int32_t worldX = 0, worldY = 0;    // world point at the frame's centre
    int32_t screenX = 0, screenY = 0;  // that centre on the screen
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t zoom = 32;  // the chart zoom value these pixels correspond to
    bool mini = false;
    bool mono = false;

    gfx::Point toScreen(double x, double y) const;
    bool contains(gfx::Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// The full chart: the whole drawing area about ChartView.centreX/centreY.
ChartFrame MainChartFrame(const Game& g);

bool MonochromeView(const Game& g);
bool LowColourDisplay(const Game& g);
// The chart's sea: blue, teal on displays of 256 colours or fewer, white in
// black and white.
void SelectChartWater(gfx::DC& dc, const Game& g);

// Grey beyond the ends of a generated coast, where the area stops.
std::vector<LabelBox> GeneratedAreaLimitRects(const Game& g, const ChartFrame& f);
// Grey over what lies beyond an area's limits, black-rimmed.
void DrawGreyFrames(gfx::DC& dc, const std::vector<LabelBox>& rects);

// "*" for a rock that shows at all tides, "+" for one awash or submerged,
// in the text colour already set.
void DrawRockGlyph(gfx::DC& dc, gfx::Point p, bool visible);
// "*" for rocks that show at all tides, "+" for the others.
void DrawRocks(gfx::DC& dc, const Game& g, const ChartFrame& f);
// Land behind the coast of the generated areas, its shoreline and two rows
// of depth ticks offshore.
void DrawShoreBands(gfx::DC& dc, const Game& g, const ChartFrame& f);
// Islands and passage landmasses, each ringed by dotted shoal lines.
void DrawIslands(gfx::DC& dc, const Game& g, const ChartFrame& f);
// A cross with a tail toward the stern.
void DrawOwnBoatSymbol(gfx::DC& dc, const Game& g, const ChartFrame& f);

// Shoal rings around islands, in world units beyond the shore: steps of 80
// with every second ring 73 and every fourth 64, widened at the far zooms.
int32_t ShoalRingOffset(int32_t ring, int32_t zoom);

}  // namespace vel
