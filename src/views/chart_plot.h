#pragma once
// What the user plots on the chart: waypoints and the target among them,
// letter marks, lines of position, range circles and the range-and-bearing
// tool. Each kind keeps a few slots and reuses the oldest.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"
#include "shell/chart_nav.h"
#include "views/chart_layers.h"

namespace vel {

inline constexpr int32_t kEmptyWaypoint = -11000;
inline constexpr int32_t kWaypointSlots = 6;
inline constexpr int32_t kMarkSlots = 4;
inline constexpr int32_t kPlotSlots = 3;

bool WaypointIsSet(const ChartView& c, int32_t slot);
// The target waypoint's slot, or -1 while none is chosen or it is empty.
int32_t TargetWaypoint(const ChartView& c);

void ClearWaypoints(ChartView& c);
// Lines, circles, marks and the measuring tool with its anchor.
void ClearPlotting(ChartView& c);
// A new cruise's chart: nothing plotted, no target, the next slots from the start.
void ResetChartPlot(ChartView& c);

bool NoGps(const Game& g);

// A click on the chart at `screen` (the world point under it `world`): picks
// the target in select mode, otherwise sets whatever is pending.
void PlotAtClick(Game& g, ChartPoint screen, ChartPoint world);
// The waypoint-at-the-boat command, acted on in the next chart frame.
void SetPendingBoatWaypoint(Game& g);
// The measuring tool's distance and bearing from its anchor to the mouse.
void UpdateRangeBearingTool(Game& g);

// The typed values of the line and circle dialogs; -1 while unset.
int32_t TypedLineBearing(const ChartView& c);
int32_t TypedRadiusTenths(const ChartView& c);
// A radius in tenths of a mile of this area, in world units.
int32_t RadiusUnits(int32_t tenths, int32_t unitsPerMile);

// Waypoint numbers (the target in red); the full chart keeps their text
// points for the next click's selection.
void DrawWaypoints(gfx::DC& dc, Game& g, const ChartFrame& f, bool keepTextPoints);
void DrawMarks(gfx::DC& dc, const Game& g, const ChartFrame& f);
void DrawLines(gfx::DC& dc, const Game& g, const ChartFrame& f);
void DrawCircles(gfx::DC& dc, const Game& g, const ChartFrame& f);
void DrawRangeBearingTool(gfx::DC& dc, const Game& g, const ChartFrame& f);
void DrawMouseSquare(gfx::DC& dc, const Game& g, const ChartFrame& f);

}  // namespace vel
