#pragma once
// Chart and mini-chart navigation: the chart's scale and its conversion
// between world and screen, and the zoom and pan rules that the menu, the
// keys and the mouse apply. Plain logic; the chart view draws from it.
#include <cstdint>

#include "common/game.h"

namespace vel {

struct ChartPoint {
    int32_t x = 0, y = 0;
};

// Pixels per world unit at chart zoom Z.
double ChartPixelsPerUnit(const ScreenState& s, int32_t zoom);

// The chart's own conversion, about ChartView.centreX/centreY at the screen
// centre, with the zoom in force.
ChartPoint worldToChart(const Game& g, double x, double y);
ChartPoint chartToWorld(const Game& g, int32_t sx, int32_t sy);

bool IsVirtualArea(const AreaGrid& a);

// Zoom in: from the whole-area view of any area but a real one straight to
// 64, otherwise half the zoom value, never below 4.
void ChartZoomIn(Game& g);

// The menu and the keys re-centre the chart by slightly different rules.
enum class ZoomOutBy { Menu, Key };
// Zoom out: twice the zoom value, capped at 32 in the generated areas and at
// the whole-area view everywhere; the pan returns to the origin by `by`'s rule.
void ChartZoomOut(Game& g, ZoomOutBy by);

// Moves the chart centre by whole pan steps (30 zoom units each), east and
// south positive. The arrow keys also clear centreOnBoat themselves.
void ChartPan(Game& g, int32_t stepsEast, int32_t stepsSouth);

// Right click or double click on the chart: zoom in about the screen point.
// The chart re-centres on it in its next frame, at the zoom of the click.
void ChartZoomAboutPoint(Game& g, int32_t x, int32_t y, bool keepCentreOnBoat);

// The mini chart's zoom value (ViewState.miniChartScale): 1 is closest.
inline constexpr int32_t kMiniZoomMin = 1;
inline constexpr int32_t kMiniZoomMax = 12;
void MiniChartZoomIn(Game& g);
void MiniChartZoomOut(Game& g);

}  // namespace vel
