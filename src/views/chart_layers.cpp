#include "views/chart_layers.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "views/passage_chart.h"
#include "views/true_land.h"

namespace vel {
namespace {

constexpr int32_t kChartedRocks = 50;
constexpr int32_t kIslandOutlinePoints = 37;
constexpr int32_t kLandmassOutlinePoints = 181;
constexpr int32_t kShoalRings = 3;
constexpr int32_t kRingDotSpacing = 5;

// Palette numbers of the chart's colours.
constexpr int kWaterBrush = 12;           // (0,127,255)
constexpr int kLowColourWaterBrush = 14;  // (0,127,127)
constexpr int kLandBrush = 22;      // (127,127,0)
constexpr int kLandPen = 33;        // (127,127,0) 2
constexpr int kGreyBrush = 40;      // (127,127,127)
constexpr int kGreyPen = 28;        // (127,127,127) 1
constexpr int kYellowPen2 = 55;     // (255,255,0) 2
constexpr int kBlackPen2 = 25;      // (0,0,0) 2

// One bank of a generated coastline: its points and the side its land lies on.
struct Bank {
    int32_t first, last;
    int32_t landSouth;  // 1: land toward the bottom of the chart
};

int32_t Banks(const AreaGrid& a, Bank out[2]) {
    if (!IsVirtualArea(a)) return 0;
    const int32_t landSouth = a.coastBaseY > 0 ? 1 : 0;
    switch (a.areaCode) {
        case 1: out[0] = {1, 284, landSouth}; return 1;
        case 3:
        case 4:
            // The first bank closes at 142; the opposite bank opens at 143.
            out[0] = {1, 142, landSouth};
            out[1] = {143, 284, 1 - landSouth};
            return 2;
        default: return 0;
    }
}

void SelectLand(gfx::DC& dc, const ChartFrame& f) {
    dc.SelectPen(f.mono ? kGreyPen : kLandPen);
    dc.SelectBrush(f.mono ? kGreyBrush : kLandBrush);
}

// Whether a shore segment can show at all: both ends beside the frame, far
// below it or far above it are skipped.
bool SegmentOffChart(gfx::Point a, gfx::Point b, const ChartFrame& f) {
    const int32_t h = f.bottom - f.top;
    if (a.x < f.left && b.x < f.left) return true;
    if (a.x > f.right && b.x > f.right) return true;
    if (a.y > f.bottom + 2 * h && b.y > f.bottom + 2 * h) return true;
    return a.y < f.top - h && b.y < f.top - h;
}

std::vector<gfx::Point> BankPoints(const AreaGrid& a, const Bank& bank, const ChartFrame& f) {
    std::vector<gfx::Point> pts;
    pts.reserve(bank.last - bank.first + 1);
    for (int32_t i = bank.first; i <= bank.last; ++i) pts.push_back(f.toScreen(a.coastX[i], a.coastY[i]));
    return pts;
}

// The land behind a bank as one shape: the shore, then along the chart's
// edge on the land side (or just beyond the shore where it runs outside).
void DrawBankLand(gfx::DC& dc, const std::vector<gfx::Point>& pts, const Bank& bank, const ChartFrame& f) {
    if (pts.size() < 2) return;
    int32_t edge = bank.landSouth ? f.bottom : f.top;
    for (const gfx::Point& p : pts) edge = bank.landSouth ? std::max(edge, p.y) : std::min(edge, p.y);
    edge += bank.landSouth ? 2 : -2;
    std::vector<gfx::Point> shape(pts);
    shape.push_back({pts.back().x, edge});
    shape.push_back({pts.front().x, edge});
    SelectLand(dc, f);
    dc.Polygon(shape.data(), static_cast<int>(shape.size()));
}

// Two rows of short strokes offshore, a deeper one and a shallower one, at a
// fixed world distance from the shore whatever the zoom.
void DrawDepthTicks(gfx::DC& dc, const Game& g, const std::vector<gfx::Point>& pts, const Bank& bank,
                    const ChartFrame& f) {
    const int32_t h = g.screenState.height;
    const double near = f.zoom < 32 ? 32.0 / f.zoom : 1.0;
    const double spacing = f.zoom < 32 ? 448.0 / f.zoom : 10.0;
    const int32_t seaward = bank.landSouth ? -1 : 1;
    const int32_t rows[2] = {Trunc(h / 60 * near), Trunc(h / 120 * near)};
    double along = 0.0;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const gfx::Point a = pts[i - 1], b = pts[i];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (SegmentOffChart(a, b, f) || len <= 0.0) {
            along += len;
            continue;
        }
        double t = std::fmod(spacing - std::fmod(along, spacing), spacing);
        for (; t < len; t += spacing) {
            const int32_t x = a.x + Trunc((b.x - a.x) * t / len);
            const int32_t y = a.y + Trunc((b.y - a.y) * t / len);
            for (int32_t d : rows) {
                dc.MoveTo(x - 1, y + seaward * d);
                dc.LineTo(x + 2, y + seaward * d);
            }
        }
        along += len;
    }
}

void DrawShoreline(gfx::DC& dc, const std::vector<gfx::Point>& pts, const ChartFrame& f) {
    for (std::size_t i = 1; i < pts.size(); ++i) {
        if (SegmentOffChart(pts[i - 1], pts[i], f)) continue;
        dc.MoveTo(pts[i - 1].x, pts[i - 1].y);
        dc.LineTo(pts[i].x, pts[i].y);
    }
}

void SelectChartWhitePen(gfx::DC& dc, const ChartFrame& f) {
    dc.SelectStockPen(f.mono ? gfx::Stock::Black : gfx::Stock::White);
}

std::vector<gfx::Point> OutlinePoints(const AreaGrid& a, int32_t i, const ChartFrame& f) {
    std::vector<gfx::Point> pts;
    if (a.isLandmass[i] == 1) {
        for (int32_t k = 0; k < kLandmassOutlinePoints; ++k) pts.push_back(f.toScreen(a.landX[i][k], a.landY[i][k]));
    } else {
        for (int32_t k = 0; k < kIslandOutlinePoints; ++k)
            pts.push_back(f.toScreen(a.islandOutline[i][k][0], a.islandOutline[i][k][1]));
    }
    return pts;
}

bool OutlineOffFrame(const std::vector<gfx::Point>& pts, const ChartFrame& f, int32_t margin) {
    int32_t minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const gfx::Point& p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return maxX < f.left - margin || minX > f.right + margin || maxY < f.top - margin || minY > f.bottom + margin;
}

// Dots of one ring: the outline pushed outward from the centre by `offset`
// pixels, a dot every few pixels along it.
void DrawRing(gfx::DC& dc, const std::vector<gfx::Point>& pts, gfx::Point centre, double offset, gfx::Color c,
              const ChartFrame& f) {
    auto pushed = [&](gfx::Point p) {
        const double dx = p.x - centre.x, dy = p.y - centre.y;
        const double r = std::hypot(dx, dy);
        if (r <= 0.0) return std::pair<double, double>{double(p.x), double(p.y)};
        return std::pair<double, double>{p.x + dx / r * offset, p.y + dy / r * offset};
    };
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const auto [ax, ay] = pushed(pts[i - 1]);
        const auto [bx, by] = pushed(pts[i]);
        const int32_t dots = std::max(1, Trunc(std::hypot(bx - ax, by - ay) / kRingDotSpacing));
        for (int32_t k = 0; k < dots; ++k) {
            const gfx::Point p{Trunc(ax + (bx - ax) * k / dots), Trunc(ay + (by - ay) * k / dots)};
            if (f.contains(p)) dc.SetPixel(p.x, p.y, c);
        }
    }
}

int32_t IslandsToDraw(const AreaGrid& a) { return std::clamp(a.islandCount, 0, kIslandSlots - 1); }

}  // namespace

gfx::Point ChartFrame::toScreen(double x, double y) const {
    return {screenX + Trunc((x - worldX) * s), screenY + Trunc((y - worldY) * s)};
}

ChartFrame MainChartFrame(const Game& g) {
    const ScreenState& s = g.screenState;
    ChartFrame f;
    f.s = ChartPixelsPerUnit(s, g.chartView.scale);
    f.worldX = g.chartView.centreX;
    f.worldY = g.chartView.centreY;
    f.screenX = s.width / 2;
    f.screenY = s.height / 2;
    f.left = 0;
    f.top = 0;
    f.right = s.width;
    f.bottom = s.height;
    f.zoom = std::max(g.chartView.scale, 4);
    f.mono = MonochromeView(g);
    return f;
}

bool MonochromeView(const Game& g) { return g.viewState.monochrome == 1; }
bool LowColourDisplay(const Game& g) { return g.screenState.bitsPerPixel <= 8; }

void SelectChartWater(gfx::DC& dc, const Game& g) {
    if (MonochromeView(g))
        dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(LowColourDisplay(g) ? kLowColourWaterBrush : kWaterBrush);
}

int32_t ShoalRingOffset(int32_t ring, int32_t zoom) {
    int32_t offset = 0;
    for (int32_t k = 1; k <= ring; ++k) offset += k % 4 == 0 ? 64 : k % 2 == 0 ? 73 : 80;
    const int32_t widen = zoom >= 64 ? 3 : zoom >= 8 ? 2 : 1;
    return offset * widen;
}

void DrawRockGlyph(gfx::DC& dc, gfx::Point p, bool visible) {
    if (visible)
        dc.TextOut(p.x - 3, p.y - 4, "*");
    else
        dc.TextOut(p.x - 4, p.y - 8, "+");
}

void DrawRocks(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const RockList& r = g.rockList;
    // The list is filled from entry 1.
    const int32_t n = std::min({r.count, kChartedRocks, static_cast<int32_t>(r.x.size()) - 1});
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(f.mono ? gfx::kBlack : gfx::kWhite);
    for (int32_t i = 1; i <= n; ++i) {
        const gfx::Point p = f.toScreen(r.x[i], r.y[i]);
        if (!f.contains(p)) continue;
        DrawRockGlyph(dc, p, r.visible[i] == 1);
    }
}

std::vector<LabelBox> GeneratedAreaLimitRects(const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    if (!IsVirtualArea(a) || a.areaCode == 2) return {};
    const auto [west, east] = std::minmax_element(a.coastX.begin() + 1, a.coastX.end());
    if (*west >= *east) return {};
    const int32_t left = f.toScreen(*west, 0).x;
    const int32_t right = f.toScreen(*east, 0).x;
    std::vector<LabelBox> out;
    if (left > f.left) out.push_back({f.left, f.top, left, f.bottom});
    if (right < f.right) out.push_back({right, f.top, f.right, f.bottom});
    return out;
}

void DrawGreyFrames(gfx::DC& dc, const std::vector<LabelBox>& rects) {
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(kGreyBrush);
    for (const LabelBox& r : rects) dc.Rectangle(r.left, r.top, r.right, r.bottom);
}

void DrawShoreBands(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    Bank banks[2];
    const int32_t n = Banks(g.areaGrid, banks);
    for (int32_t b = 0; b < n; ++b) {
        const std::vector<gfx::Point> pts = BankPoints(g.areaGrid, banks[b], f);
        DrawBankLand(dc, pts, banks[b], f);
        SelectChartWhitePen(dc, f);
        DrawShoreline(dc, pts, f);
        DrawDepthTicks(dc, g, pts, banks[b], f);
    }
}

void DrawIslands(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    if (g.shoreMap.table) {
        if (a.isPassage != 1) return;  // the real areas draw theirs among their own layers
        SelectLand(dc, f);
        DrawTrueLand(dc, g, f);
        return;
    }
    const gfx::Color ringColour = f.mono ? gfx::kBlack : gfx::kWhite;
    const int32_t margin = Trunc(ShoalRingOffset(kShoalRings, f.zoom) * f.s) + 2;
    for (int32_t i = 1; i <= IslandsToDraw(a); ++i) {
        const std::vector<gfx::Point> pts = OutlinePoints(a, i, f);
        if (OutlineOffFrame(pts, f, margin)) continue;
        SelectLand(dc, f);
        // A rim the colour of the land only widens it; on the long outlines
        // of the landmasses stroking it would cost more than the rest.
        if (a.isLandmass[i] == 1) dc.SelectStockPen(gfx::Stock::Null);
        dc.Polygon(pts.data(), static_cast<int>(pts.size()));
        if (a.isLandmass[i] == 1) continue;
        const gfx::Point centre = f.toScreen(a.islandX[i], a.islandY[i]);
        if (IsPassageReef(a, i)) {
            DrawPassageReefRing(dc, centre, PassageReefRingPixels(f.zoom), ringColour, f);
            continue;
        }
        for (int32_t k = 1; k <= kShoalRings; ++k)
            DrawRing(dc, pts, centre, ShoalRingOffset(k, f.zoom) * f.s, ringColour, f);
    }
}

void DrawOwnBoatSymbol(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const gfx::Point p = f.toScreen(Trunc(g.ownBoat.x), Trunc(g.ownBoat.y));
    if (!f.contains(p)) return;
    const int32_t h = std::clamp(NormaliseAngle(g.ownBoat.heading), 0, 359);
    dc.SelectPen(f.mono ? kBlackPen2 : kYellowPen2);
    dc.MoveTo(p.x - 6, p.y);
    dc.LineTo(p.x + 6, p.y);
    dc.MoveTo(p.x, p.y - 6);
    dc.LineTo(p.x, p.y + 6);
    dc.MoveTo(p.x, p.y);
    dc.LineTo(p.x - g.trigTables.sin100[h] / 7, p.y + g.trigTables.cos100[h] / 7);
}

}  // namespace vel
