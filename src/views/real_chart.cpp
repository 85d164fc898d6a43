#include "views/real_chart.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/helpers.h"
#include "views/real_land.h"
#include "views/real_marks.h"
#include "views/true_land.h"
#include "world/depth_facts.h"

namespace vel {
namespace {

constexpr int kLandBrush = 22;   // (127,127,0)
constexpr int kGreyBrush = 40;   // (127,127,127)
constexpr int32_t kNoLimit = -99999;

// Land is filled without a rim: stroking every outline costs more than the
// rest of the chart.
void SelectLand(gfx::DC& dc, const ChartFrame& f) {
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(f.mono ? kGreyBrush : kLandBrush);
}

gfx::Point ProfilePoint(const ShoreProfile& p, int32_t run, int32_t across, const ChartFrame& f) {
    return p.alongX ? f.toScreen(run, across) : f.toScreen(across, run);
}

// The shore from one end of its valid stretch to the other, in table order.
std::vector<gfx::Point> ProfileScreenPoints(const ShoreProfile& p, const ChartFrame& f) {
    std::vector<gfx::Point> pts;
    const int32_t lo = p.runMin + 1, hi = p.runMax - 1;
    if (lo >= hi) return pts;
    const bool rising = p.run[300] >= p.run[1];
    const int32_t first = rising ? lo : hi, last = rising ? hi : lo;
    pts.push_back(ProfilePoint(p, first, ShoreAcrossAt(p, first), f));
    for (int32_t i = 1; i <= 300; ++i)
        if (lo < p.run[i] && p.run[i] < hi) pts.push_back(ProfilePoint(p, p.run[i], p.across[i], f));
    pts.push_back(ProfilePoint(p, last, ShoreAcrossAt(p, last), f));
    return pts;
}

// The land behind a shore: the shore, then back along the chart's edge on
// the land side (or just beyond the shore where it runs off the chart).
void FillBehindShore(gfx::DC& dc, const ShoreProfile& p, std::vector<gfx::Point> pts, const ChartFrame& f) {
    const gfx::Point a = pts.front(), b = pts.back();
    if (p.alongX) {
        int32_t edge = f.top;
        for (const gfx::Point& q : pts) edge = std::min(edge, q.y);
        pts.push_back({b.x, edge - 2});
        pts.push_back({a.x, edge - 2});
    } else {
        int32_t edge = p.landSign < 0 ? f.left : f.right;
        for (const gfx::Point& q : pts) edge = p.landSign < 0 ? std::min(edge, q.x) : std::max(edge, q.x);
        edge += 2 * p.landSign;
        pts.push_back({edge, b.y});
        pts.push_back({edge, a.y});
    }
    SelectLand(dc, f);
    dc.Polygon(pts.data(), static_cast<int>(pts.size()));
}

bool SegmentShows(gfx::Point a, gfx::Point b, const ChartFrame& f) {
    return !(std::max(a.x, b.x) < f.left || std::min(a.x, b.x) > f.right || std::max(a.y, b.y) < f.top ||
             std::min(a.y, b.y) > f.bottom);
}

void DrawCoasts(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    ShoreProfile profiles[2];
    const int32_t n = ShoreProfiles(g.areaGrid, profiles);
    for (int32_t k = 0; k < n; ++k) {
        const std::vector<gfx::Point> pts = ProfileScreenPoints(profiles[k], f);
        if (pts.size() < 2) continue;
        FillBehindShore(dc, profiles[k], pts, f);
        dc.SelectStockPen(f.mono ? gfx::Stock::Black : gfx::Stock::White);
        for (std::size_t i = 1; i < pts.size(); ++i) {
            if (!SegmentShows(pts[i - 1], pts[i], f)) continue;
            dc.MoveTo(pts[i - 1].x, pts[i - 1].y);
            dc.LineTo(pts[i].x, pts[i].y);
        }
    }
}

using Outline = Arr2<int32_t, kRealOutlinePoints, 2>;

constexpr int32_t kIslet = 4;  // pixels across: drawn as a dot

struct ScreenBox {
    int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
};

// The outline on the screen, or nothing when it lies wholly off the frame.
bool OutlineOnScreen(const Outline& o, const ChartFrame& f, gfx::Point out[kRealOutlinePoints], ScreenBox& b) {
    b = ScreenBox{};
    for (int32_t k = 0; k < kRealOutlinePoints; ++k) {
        out[k] = f.toScreen(o[k][0], o[k][1]);
        b.minX = std::min(b.minX, out[k].x);
        b.maxX = std::max(b.maxX, out[k].x);
        b.minY = std::min(b.minY, out[k].y);
        b.maxY = std::max(b.maxY, out[k].y);
    }
    return b.maxX >= f.left && b.minX <= f.right && b.maxY >= f.top && b.minY <= f.bottom;
}

// An islet only a few pixels across still shows, as a dot of land.
void DrawIslandShapes(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    gfx::Point pts[kRealOutlinePoints];
    ScreenBox b;
    SelectLand(dc, f);
    for (int32_t i = 1; i <= ChartedIslandCount(a); ++i) {
        if (!IslandDrawn(a, i) || !OutlineOnScreen(a.islandOutline[i], f, pts, b)) continue;
        if (b.maxX - b.minX < kIslet && b.maxY - b.minY < kIslet)
            dc.Rectangle(b.minX, b.minY, std::max(b.maxX, b.minX + 2), std::max(b.maxY, b.minY + 2));
        else
            dc.Polygon(pts, kRealOutlinePoints - 1);
    }
}

// Pale water inside a dotted danger line.
void DrawShoals(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    if (g.shoreMap.table) return DrawShoalFacts(dc, g, f);
    const AreaGrid& a = g.areaGrid;
    gfx::Point pts[kRealOutlinePoints];
    ScreenBox b;
    for (int32_t i = 1; i <= ChartedShoalCount(a); ++i) {
        if (!ShoalDrawn(a, i) || !OutlineOnScreen(a.shoalOutline[i], f, pts, b)) continue;
        SelectShoal(dc, f);
        dc.Polygon(pts, kRealOutlinePoints - 1);
        DottedRing(dc, pts, kRealOutlinePoints - 1, f);
    }
}

void DrawRealRocks(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const RockList& r = g.rockList;
    const int32_t n = std::clamp(r.realCount, 0, static_cast<int32_t>(r.x.size()));
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(f.mono ? gfx::kBlack : gfx::kWhite);
    for (int32_t i = 0; i < n; ++i) {
        const gfx::Point p = f.toScreen(r.x[i], r.y[i]);
        if (f.contains(p)) DrawRockGlyph(dc, p, r.visible[i] == 1);
    }
}

void DrawMarkSymbols(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    for (const PlacedMark& m : RealAreaMarks(g)) {
        const gfx::Point p = f.toScreen(m.x, m.y);
        if (f.contains(p)) DrawRealMarkSymbol(dc, f, p, m.mark);
    }
}

// The start dock and the marina's pier, black as charts draw structures.
void DrawDocks(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(f.mono ? gfx::Stock::White : gfx::Stock::Black);
    if (a.realDockOutlineX[0] != 0 || a.realDockOutlineY[0] != 0) {
        gfx::Point dock[10];
        for (int32_t k = 0; k < 10; ++k) dock[k] = f.toScreen(a.realDockOutlineX[k], a.realDockOutlineY[k]);
        if (f.contains(dock[0])) dc.Polygon(dock, 10);
    }
    const auto [minX, maxX] = std::minmax_element(a.pierCornerX.begin(), a.pierCornerX.end());
    const auto [minY, maxY] = std::minmax_element(a.pierCornerY.begin(), a.pierCornerY.end());
    if (*minX == 0 && *maxX == 0) return;
    const gfx::Point p1 = f.toScreen(*minX, *minY), p2 = f.toScreen(*maxX, *maxY);
    if (f.contains(p1)) dc.Rectangle(p1.x, p1.y, std::max(p2.x, p1.x + 2), std::max(p2.y, p1.y + 2));
}

// What lies beyond each area's data is covered grey: Southern New England
// above its shore's northernmost bay, Chesapeake Bay above the head of the
// bay where its shores begin, the Exumas on all four sides of its islands
// and banks.
struct AreaLimits {
    int32_t west = kNoLimit, north = kNoLimit, east = kNoLimit, south = kNoLimit;
};
constexpr int32_t kInlandMargin = 2000;
constexpr int32_t kBankMargin = 3000;

AreaLimits LimitsOf(const AreaGrid& a) {
    AreaLimits l;
    ShoreProfile p[2];
    const int32_t n = ShoreProfiles(a, p);
    if (a.areaCode == 11 && n == 1) {
        int32_t north = INT32_MAX;
        for (int32_t i = 1; i <= 300; ++i)
            if (p[0].runMin < p[0].run[i] && p[0].run[i] < p[0].runMax) north = std::min(north, p[0].across[i]);
        if (north != INT32_MAX) l.north = north - kInlandMargin;
    } else if (a.areaCode == 12 && n == 2) {
        l.north = std::max(p[0].runMin, p[1].runMin);
    } else if (a.areaCode == 30) {
        int32_t w = INT32_MAX, e = INT32_MIN, t = INT32_MAX, b = INT32_MIN;
        const auto take = [&](int32_t x, int32_t y, int32_t r) {
            w = std::min(w, x - r), e = std::max(e, x + r), t = std::min(t, y - r), b = std::max(b, y + r);
        };
        for (int32_t i = 1; i <= ChartedIslandCount(a); ++i) take(a.realIslandX[i], a.realIslandY[i], a.R[i]);
        for (int32_t i = 1; i <= ChartedShoalCount(a); ++i) take(a.shoalX[i], a.shoalY[i], a.shoalR[i]);
        if (w <= e) l = {w - kBankMargin, t - kBankMargin, e + kBankMargin, b + kBankMargin};
    }
    return l;
}

}  // namespace

void DrawRealAreaLayers(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    if (g.areaGrid.isRealArea != 1) return;
    DrawShoals(dc, g, f);
    if (g.shoreMap.table) {
        SelectLand(dc, f);
        DrawTrueLand(dc, g, f);
    } else {
        DrawCoasts(dc, g, f);
        DrawIslandShapes(dc, g, f);
    }
    DrawRealRocks(dc, g, f);
    DrawDocks(dc, g, f);
    DrawMarkSymbols(dc, g, f);
}

std::vector<LabelBox> RealAreaFrameRects(const Game& g, const ChartFrame& f) {
    std::vector<LabelBox> out;
    if (g.areaGrid.isRealArea != 1) return out;
    const AreaLimits l = LimitsOf(g.areaGrid);
    const gfx::Point nw = f.toScreen(l.west, l.north), se = f.toScreen(l.east, l.south);
    if (l.north != kNoLimit && nw.y > f.top) out.push_back({f.left, f.top, f.right, nw.y});
    if (l.south != kNoLimit && se.y < f.bottom) out.push_back({f.left, se.y, f.right, f.bottom});
    if (l.west != kNoLimit && nw.x > f.left) out.push_back({f.left, f.top, nw.x, f.bottom});
    if (l.east != kNoLimit && se.x < f.right) out.push_back({se.x, f.top, f.right, f.bottom});
    return out;
}

}  // namespace vel
