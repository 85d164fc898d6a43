#include "views/chart_plot.h"

#include <algorithm>
#include <cstdlib>

#include "common/helpers.h"

namespace vel {
namespace {

constexpr int32_t kTextDx = 4, kTextDy = 9;  // the number is written above left of its point
constexpr int32_t kSelectDx = 15, kSelectDy = 20;
constexpr int32_t kFirstClickWaypoint = 1;
constexpr int32_t kBoatWaypointMode = 10;
constexpr int32_t kLineReach = 7;  // times the hundredfold sine: 700 pixels each way
constexpr int kMagentaPen = 58;    // (255,0,255) 1

constexpr const char* kMarkLetters[kMarkSlots] = {"a", "b", "c", "d"};

enum LineSource { kTypedBearing = 1, kCompass, kCompassPrev, kRadarEbl, kRadarEblPrev };
enum CircleSource { kTypedRadius = 1, kRadarVrm, kRadarVrmPrev };

// The slot to fill next, the cursor moving on to the one after it.
int32_t TakeSlot(int32_t& next, int32_t slots) {
    const int32_t slot = std::clamp(next, 0, slots - 1);
    next = (slot + 1) % slots;
    return slot;
}

void SetWaypoint(ChartView& c, int32_t slot, int32_t x, int32_t y) {
    c.waypointX[slot] = x;
    c.waypointY[slot] = y;
}

bool SelectTarget(ChartView& c, ChartPoint click) {
    for (int32_t i = 0; i < kWaypointSlots; ++i) {
        if (!WaypointIsSet(c, i)) continue;
        if (std::abs(click.x - c.waypointScreenX[i]) < kSelectDx && std::abs(click.y - c.waypointScreenY[i]) < kSelectDy) {
            c.waypointAdvanceCount = i;
            c.selectTarget = 0;
            return true;
        }
    }
    return false;
}

void PlaceClickWaypoint(ChartView& c, ChartPoint screen, ChartPoint world) {
    const int32_t slot = std::clamp(c.nextWaypoint, kFirstClickWaypoint, kWaypointSlots - 1);
    SetWaypoint(c, slot, world.x, world.y);
    c.waypointScreenX[slot] = screen.x - kTextDx;
    c.waypointScreenY[slot] = screen.y - kTextDy;
    c.nextWaypoint = slot + 1 < kWaypointSlots ? slot + 1 : kFirstClickWaypoint;
}

void PlaceMark(ChartView& c, ChartPoint world) {
    const int32_t slot = TakeSlot(c.nextMark, kMarkSlots);
    c.markX[slot] = world.x;
    c.markY[slot] = world.y;
    c.markSet[slot] = 1;
}

int32_t RequestedBearing(const Game& g) {
    const ChartView& c = g.chartView;
    switch (c.lineRequest) {
        case kTypedBearing: return TypedLineBearing(c);
        case kCompass: return NormaliseAngle(g.viewState.savedBearing);
        case kCompassPrev: return NormaliseAngle(g.viewState.savedBearingPrev);
        case kRadarEbl: return NormaliseAngle(g.radarState.savedEbl);
        case kRadarEblPrev: return NormaliseAngle(g.radarState.savedEblPrev);
        default: return -1;
    }
}

void PlaceLine(Game& g, ChartPoint world) {
    ChartView& c = g.chartView;
    const int32_t bearing = RequestedBearing(g);
    if (bearing >= 0) {
        const int32_t slot = TakeSlot(c.nextLine, kPlotSlots);
        c.lineX[slot] = world.x;
        c.lineY[slot] = world.y;
        c.lineBearing[slot] = std::clamp(bearing, 0, 359);
        c.lineSet[slot] = 1;
    }
    if (c.lineRequest == kTypedBearing) {
        c.bearingHundreds = 0;
        c.bearingTens = -1;
        c.bearingUnits = -1;
    }
    c.lineRequest = 0;
}

int32_t RequestedRadiusTenths(const Game& g) {
    const ChartView& c = g.chartView;
    switch (c.circleRequest) {
        case kTypedRadius: return TypedRadiusTenths(c);
        case kRadarVrm: return g.radarState.savedVrm;
        case kRadarVrmPrev: return g.radarState.savedVrmPrev;
        default: return -1;
    }
}

void PlaceCircle(Game& g, ChartPoint world) {
    ChartView& c = g.chartView;
    const int32_t radius = RadiusUnits(RequestedRadiusTenths(g), g.areaGrid.unitsPerMile);
    if (radius > 0) {
        const int32_t slot = TakeSlot(c.nextCircle, kPlotSlots);
        c.circleX[slot] = world.x;
        c.circleY[slot] = world.y;
        c.circleRadius[slot] = radius;
    }
    if (c.circleRequest == kTypedRadius) {
        c.radiusTens = 0;
        c.radiusUnits = -1;
        c.radiusTenths = -1;
    }
    c.circleRequest = 0;
}

void SelectPlotPen(gfx::DC& dc, const ChartFrame& f) {
    dc.SelectStockPen(f.mono ? gfx::Stock::Black : gfx::Stock::White);
    dc.SelectStockBrush(gfx::Stock::Null);
}

void SelectToolPen(gfx::DC& dc, const ChartFrame& f) {
    if (f.mono)
        dc.SelectStockPen(gfx::Stock::Black);
    else
        dc.SelectPen(kMagentaPen);
    dc.SelectStockBrush(gfx::Stock::Null);
}

void Square(gfx::DC& dc, int32_t x, int32_t y, int32_t side) {
    const int32_t h = std::max(side / 2, 1);
    dc.Rectangle(x - h, y - h, x + h + 1, y + h + 1);
}

int32_t Degrees(int32_t b) { return std::clamp(NormaliseAngle(b), 0, 359); }

}  // namespace

bool WaypointIsSet(const ChartView& c, int32_t slot) {
    return slot >= 0 && slot < kWaypointSlots && c.waypointX[slot] != kEmptyWaypoint;
}

int32_t TargetWaypoint(const ChartView& c) {
    return WaypointIsSet(c, c.waypointAdvanceCount) ? c.waypointAdvanceCount : -1;
}

void ClearWaypoints(ChartView& c) {
    c.waypointX.fill(kEmptyWaypoint);
    c.waypointAdvanceCount = -1;
}

void ClearPlotting(ChartView& c) {
    c.lineSet.fill(0);
    c.circleRadius.fill(0);
    c.markSet.fill(0);
    c.rangeBearingTool = 0;
    c.toolAnchorSet = 0;
}

void ResetChartPlot(ChartView& c) {
    ClearWaypoints(c);
    ClearPlotting(c);
    c.nextWaypoint = kFirstClickWaypoint;
    c.nextMark = 0;
    c.nextLine = 0;
    c.nextCircle = 0;
    c.eraseLines = 1;
}

bool NoGps(const Game& g) { return g.cruiseOptions.troubleNoGps != 0 || g.failures.failed[0] != 0; }

int32_t TypedLineBearing(const ChartView& c) {
    if (c.bearingTens < 0 && c.bearingUnits < 0) return -1;
    return NormaliseAngle(c.bearingHundreds + std::max(c.bearingTens, 0) + std::max(c.bearingUnits, 0));
}

int32_t TypedRadiusTenths(const ChartView& c) {
    if (c.radiusUnits < 0 && c.radiusTenths < 0) return -1;
    return c.radiusTens + std::max(c.radiusUnits, 0) + std::max(c.radiusTenths, 0);
}

int32_t RadiusUnits(int32_t tenths, int32_t unitsPerMile) {
    if (tenths <= 0) return 0;
    return (tenths * unitsPerMile) / 10;
}

void PlotAtClick(Game& g, ChartPoint screen, ChartPoint world) {
    ChartView& c = g.chartView;
    if (c.selectTarget == 1) {
        SelectTarget(c, screen);
        return;
    }
    if (c.waypointMode == 1) PlaceClickWaypoint(c, screen, world);
    if (c.markAtClick == 1) PlaceMark(c, world);
    if (c.lineRequest > 0) PlaceLine(g, world);
    if (c.circleRequest > 0) PlaceCircle(g, world);
    if (c.rangeBearingTool == 1) {
        c.toolAnchorX = world.x;
        c.toolAnchorY = world.y;
        c.toolAnchorSet = 1;
    }
}

void SetPendingBoatWaypoint(Game& g) {
    ChartView& c = g.chartView;
    if (c.waypointMode != kBoatWaypointMode) return;
    SetWaypoint(c, 0, Trunc(g.ownBoat.x), Trunc(g.ownBoat.y));
    c.waypointMode = 0;
}

void UpdateRangeBearingTool(Game& g) {
    ChartView& c = g.chartView;
    if (c.rangeBearingTool != 1 || c.toolAnchorSet != 1) return;
    c.toolDistance = Trunc(
        DistanceTenths(c.toolAnchorX, c.toolAnchorY, c.mouseWorldX, c.mouseWorldY, g.areaGrid.unitsPerMile));
    c.toolBearing = BearingOf(c.mouseWorldX - c.toolAnchorX, c.toolAnchorY - c.mouseWorldY);
}

void DrawWaypoints(gfx::DC& dc, Game& g, const ChartFrame& f, bool keepTextPoints) {
    ChartView& c = g.chartView;
    const int32_t target = TargetWaypoint(c);
    dc.SetBkMode(gfx::BkMode::Transparent);
    for (int32_t i = 0; i < kWaypointSlots; ++i) {
        if (!WaypointIsSet(c, i)) continue;
        const gfx::Point p = f.toScreen(c.waypointX[i], c.waypointY[i]);
        if (keepTextPoints) {
            c.waypointScreenX[i] = p.x - kTextDx;
            c.waypointScreenY[i] = p.y - kTextDy;
        }
        if (!f.contains(p)) continue;
        if (f.mono)
            dc.SetTextColor(gfx::kBlack);
        else
            dc.SetTextColor(i == target ? gfx::Rgb(255, 0, 0) : gfx::Rgb(255, 255, 0));
        dc.TextOut(p.x - kTextDx, p.y - kTextDy, std::to_string(i));
    }
}

void DrawMarks(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const ChartView& c = g.chartView;
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(f.mono ? gfx::kBlack : gfx::Rgb(0, 255, 0));
    for (int32_t i = 0; i < kMarkSlots; ++i) {
        if (c.markSet[i] != 1) continue;
        const gfx::Point p = f.toScreen(c.markX[i], c.markY[i]);
        if (f.contains(p)) dc.TextOut(p.x - kTextDx, p.y - kTextDy, kMarkLetters[i]);
    }
}

void DrawLines(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const ChartView& c = g.chartView;
    const TrigTables& t = g.trigTables;
    SelectPlotPen(dc, f);
    for (int32_t i = 0; i < kPlotSlots; ++i) {
        if (c.lineSet[i] != 1) continue;
        const gfx::Point p = f.toScreen(c.lineX[i], c.lineY[i]);
        const int32_t b = Degrees(c.lineBearing[i]);
        dc.MoveTo(p.x + kLineReach * t.sin100[b], p.y - kLineReach * t.cos100[b]);
        dc.LineTo(p.x, p.y);
        dc.LineTo(p.x - kLineReach * t.sin100[b], p.y + kLineReach * t.cos100[b]);
    }
}

void DrawCircles(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const ChartView& c = g.chartView;
    SelectPlotPen(dc, f);
    for (int32_t i = 0; i < kPlotSlots; ++i) {
        if (c.circleRadius[i] <= 0) continue;
        const gfx::Point p = f.toScreen(c.circleX[i], c.circleY[i]);
        const int32_t r = Trunc(c.circleRadius[i] * f.s);
        dc.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
    }
}

void DrawRangeBearingTool(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const ChartView& c = g.chartView;
    if (c.rangeBearingTool != 1 || c.toolAnchorSet != 1) return;
    const gfx::Point a = f.toScreen(c.toolAnchorX, c.toolAnchorY);
    const gfx::Point m{g.screenState.steerMouseX, g.screenState.steerMouseY};
    SelectToolPen(dc, f);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(m.x, m.y);
    const int32_t side = g.screenState.width / 200;
    Square(dc, a.x, a.y, side);
    Square(dc, m.x, m.y, side);
}

void DrawMouseSquare(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const InputState& in = g.inputState;
    if (in.clickY <= 0) return;
    SelectToolPen(dc, f);
    Square(dc, in.clickX, in.clickY, g.screenState.width / 150);
}

}  // namespace vel
