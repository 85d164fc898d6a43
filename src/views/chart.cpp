#include "views/chart.h"

#include <algorithm>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "views/chart_layers.h"
#include "views/chart_plot.h"
#include "views/chart_status.h"
#include "views/current_vectors.h"
#include "views/lights.h"
#include "views/passage_chart.h"
#include "views/place_labels.h"
#include "views/real_chart.h"
#include "world/start_circles.h"
#include "world/terrain.h"

namespace vel {
namespace {

constexpr int kRedPen = 54;               // (255,0,0) 1
constexpr int32_t kSoundedDepth = 0;  // rocks included, as under the boat


// A left click the chart has not yet acted on.
bool FreshClick(const InputState& in) { return in.leftClicked == 1 && in.clickY > 0; }

void ZoomAboutClickedPoint(Game& g) {
    ChartView& c = g.chartView;
    if (c.zoomAtClick != 1) return;
    const ScreenState& s = g.screenState;
    // The click was made on the picture drawn at the zoom before it.
    const double k = ChartPixelsPerUnit(s, c.zoomClickScale > 0 ? c.zoomClickScale : c.scale);
    c.panX = Trunc((g.inputState.rightClickX - s.width / 2) / k) + c.centreX;
    c.panY = Trunc((g.inputState.rightClickY - s.height / 2) / k) + c.centreY;
    c.zoomAtClick = 0;
    c.zoomClickScale = 0;
}

void PlaceStart(Game& g, ChartPoint world) {
    if (PlaceAtStartCircle(g, world.x, world.y)) return;
    OwnBoat& b = g.ownBoat;
    b.x = world.x;
    b.y = world.y;
    b.cellX = world.x;
    b.cellY = world.y;
}

void ActOnClick(Game& g, bool startJustPlaced) {
    InputState& in = g.inputState;
    if (!FreshClick(in)) return;
    in.leftClicked = 0;
    const ScreenState& s = g.screenState;
    const ChartPoint screen{in.clickX, in.clickY};
    const ChartPoint world = chartToWorld(g, screen.x, screen.y);
    if (startJustPlaced) {
        PlaceStart(g, world);
        return;
    }
    if (s.startPlaced != 1 || HandleChartStatusClick(g)) return;
    PlotAtClick(g, screen, world);
}

void DrawWater(gfx::DC& dc, const Game& g) {
    const ScreenState& s = g.screenState;
    dc.SelectStockPen(gfx::Stock::Null);
    SelectChartWater(dc, g);
    dc.Rectangle(0, 0, s.width + 1, s.height + 1);
}

void DrawBonusCircles(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    if (a.isPassage != 1 || g.screenState.startPlaced != 0) return;
    if (f.mono)
        dc.SelectStockPen(gfx::Stock::Black);
    else
        dc.SelectPen(kRedPen);
    dc.SelectStockBrush(gfx::Stock::Null);
    const int32_t r = Trunc(kStartCircleRadius * f.s);
    const int32_t n = std::clamp(a.startCircleCount, 0, static_cast<int32_t>(a.startCircleX.size()));
    for (int32_t i = 0; i < n; ++i) {
        const gfx::Point p = f.toScreen(a.startCircleX[i], a.startCircleY[i]);
        dc.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
    }
}

void DrawStatusFrames(gfx::DC& dc, const Game& g, int32_t stripHeight) {
    const ScreenState& s = g.screenState;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::Black);
    dc.Rectangle(0, 0, s.width, stripHeight);
    dc.SelectStockBrush(gfx::Stock::Null);
    dc.Rectangle(0, stripHeight, s.width, s.height);
}

}  // namespace

void PrepareChartFrame(Game& g) {
    ScreenState& s = g.screenState;
    ChartView& c = g.chartView;
    // Until a chart frame has seen the start placed, the cruise has not begun
    // and its chart stays empty; the frame that sees it places the boat.
    const bool cruiseBegun = c.openedThisCruise == 1 && s.startPlaced == 1;
    if (!cruiseBegun) ResetChartPlot(c);
    if (NoGps(g)) ClearWaypoints(c);
    if (c.eraseLines == 1) {
        ClearPlotting(c);
        c.eraseLines = 0;
    }
    ZoomAboutClickedPoint(g);
    if (c.centreOnBoat == 1) {
        c.centreX = Trunc(g.ownBoat.x);
        c.centreY = Trunc(g.ownBoat.y);
    } else {
        c.centreX = c.panX;
        c.centreY = c.panY;
    }
    const ChartPoint mouse = chartToWorld(g, s.steerMouseX, s.steerMouseY);
    c.mouseWorldX = mouse.x;
    c.mouseWorldY = mouse.y;

    ActOnClick(g, !cruiseBegun && s.startPlaced == 1 && s.helpPage == 0);
    SetPendingBoatWaypoint(g);
    UpdateRangeBearingTool(g);
    c.openedThisCruise = s.startPlaced == 1 ? 1 : 0;
}

int32_t ChartPointerDepth(const Game& g) {
    return DepthAt(g, g.chartView.mouseWorldX, g.chartView.mouseWorldY, kSoundedDepth);
}

void drawChart(gfx::DC& dc, Game& g) {
    PrepareChartFrame(g);
    const ScreenState& s = g.screenState;
    const ChartView& c = g.chartView;
    const ChartFrame f = MainChartFrame(g);
    const int32_t depth = ChartPointerDepth(g);

    DrawWater(dc, g);
    DrawPassageBank(dc, g, f);
    if (c.showCurrents == 1) drawCurrentVectors(dc, g, f);
    DrawRocks(dc, g, f);
    DrawShoreBands(dc, g, f);
    DrawIslands(dc, g, f);
    DrawRealAreaLayers(dc, g, f);
    DrawChartAids(dc, g, f);
    ChartLabels(dc, g, f).draw(dc);
    if (s.startPlaced == 1 && !NoGps(g)) DrawOwnBoatSymbol(dc, g, f);
    DrawBonusCircles(dc, g, f);
    DrawMouseSquare(dc, g, f);
    DrawWaypoints(dc, g, f, true);
    DrawMarks(dc, g, f);
    DrawLines(dc, g, f);
    DrawCircles(dc, g, f);
    DrawRangeBearingTool(dc, g, f);
    DrawGreyFrames(dc, AreaFrameRects(g, f));
    DrawPassageLegend(dc, g, f);
    const int32_t stripHeight = s.height / 15;
    DrawStatusFrames(dc, g, stripHeight);
    drawChartStatus(dc, g, s.width, stripHeight, depth);
    DrawDisclaimer(dc, g);
}

}  // namespace vel
