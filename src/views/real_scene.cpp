#include "views/real_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/helpers.h"
#include "views/boat_drawer.h"
#include "views/marks_drawer.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/real_land.h"
#include "views/real_marks.h"
#include "views/scene.h"
#include "views/shore.h"
#include "world/depth_facts.h"
#include "world/geo.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

constexpr int32_t kExumas = 30;
constexpr int32_t kOutlineSlot = 700;  // outline point k projects into 700 + k
constexpr int32_t kShoreSlot = 300;    // profile point i into 300 + i
constexpr double kDrawLimitTenths = 150.0;
constexpr double kShoalLimitTenths = 40.0;  // flat water marks vanish sooner
constexpr double kShoalMaxMiles = 3.0;      // wider shallows are banks
constexpr double kDockLimitTenths = 40.0;
constexpr int32_t kMarkLimitBearing = 40;

bool Exumas(const Game& g) { return RealArea(g) && g.areaGrid.areaCode == kExumas; }

int32_t UnitsPerMile(const Game& g) { return g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300; }

double TenthsFromBoat(const Game& g, double x, double y) {
    return DistanceTenths(g.ownBoat.x, g.ownBoat.y, x, y, UnitsPerMile(g));
}

// ---- Islands -----------------------------------------------------------------

// How tall an island's land stands at the bottom of the view, in pixels:
// Maine's granite islands high, the Bay's marsh islands and the cays low;
// the further islands and ledges half as high as the charted ones.
int32_t RealIslandHeight(const Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    int32_t h = 150;
    switch (a.areaCode) {
        case 20: h = std::clamp(a.R[i], 300, 1400); break;
        case 11: h = std::clamp(2 * a.R[i] / 3, 200, 900); break;
        case 12: h = 160; break;
        case kExumas: h = 120; break;
        default: break;
    }
    return i > a.islandCountA ? h / 2 : h;
}

struct ViewPoint {
    int32_t x, y, rise;
    bool usable;
};

// A face whose base runs off the picture or hugs the horizon or the boat is
// left out, as the island drawer of the generated areas does.
bool FaceHidden(const Game& g, const ViewPoint& p, const ViewPoint& q) {
    const int32_t width = g.screenState.width;
    if (!p.usable || !q.usable) return true;
    if (std::abs(p.x) > 3000 || std::abs(q.x) > 3000) return true;
    return (p.x < 0 && q.x < 0) || (p.x > width && q.x > width);
}

// Signed area of the outline: its sign tells which side of each edge the
// land lies on, whichever way the outline runs.
double SignedArea(const Arr2<int32_t, kRealOutlinePoints, 2>& o) {
    double s = 0.0;
    for (int32_t k = 1; k < kRealOutlinePoints; ++k)
        s += static_cast<double>(o[k - 1][0]) * o[k][1] - static_cast<double>(o[k][0]) * o[k - 1][1];
    return s;
}

// The eye stands outside this edge, so it sees its face.
bool EdgeFacesEye(const Game& g, const Arr2<int32_t, kRealOutlinePoints, 2>& o, int32_t k, double area) {
    const double h = g.viewState.eyeHeading * kDegToRad;
    const double ex = g.ownBoat.x - 60.0 * std::sin(h), ey = g.ownBoat.y + 60.0 * std::cos(h);
    const double ax = o[k][0], ay = o[k][1], bx = o[k + 1][0], by = o[k + 1][1];
    const double cross = (bx - ax) * (ey - ay) - (by - ay) * (ex - ax);
    return cross * area < 0.0;
}

int32_t VisibleRise(const Game& g, int32_t row, int32_t landHeight) {
    const int32_t horizon = g.viewState.horizonY;
    const int32_t span = std::max(1, g.screenState.height - horizon);
    return ((row - horizon) * landHeight / span / 3) * 3;
}

void DrawIslandTop(gfx::DC& dc, const std::array<ViewPoint, kRealOutlinePoints>& pts) {
    std::array<gfx::Point, kRealOutlinePoints> top{};
    for (int32_t k = 0; k < kRealOutlinePoints; ++k) top[k] = {pts[k].x, pts[k].y - pts[k].rise};
    dc.Polygon(top.data(), kRealOutlinePoints - 1);
}

// The faces turned to the eye: each run of neighbouring faces as one band
// from the waterline up to the island's top edge.
void DrawIslandFaces(gfx::DC& dc, const Game& g, const std::array<ViewPoint, kRealOutlinePoints>& pts,
                     const std::array<bool, kRealOutlinePoints>& facing) {
    std::vector<gfx::Point> band;
    const auto fill = [&](int32_t first, int32_t last) {
        band.clear();
        for (int32_t k = first; k <= last; ++k) band.push_back({pts[k].x, pts[k].y});
        for (int32_t k = last; k >= first; --k) band.push_back({pts[k].x, pts[k].y - pts[k].rise});
        dc.Polygon(band.data(), static_cast<int>(band.size()));
    };
    int32_t start = -1;
    for (int32_t k = 0; k + 1 < kRealOutlinePoints; ++k) {
        const bool shows = facing[k] && !FaceHidden(g, pts[k], pts[k + 1]);
        if (shows && start < 0) start = k;
        if (!shows && start >= 0) {
            fill(start, k);
            start = -1;
        }
    }
    if (start >= 0) fill(start, kRealOutlinePoints - 1);
}

// Trees along the top of the faces turned to the eye, a few tall ones where
// the island is near, and surf at its foot by day.
void DrawIslandShore(gfx::DC& dc, Game& g, const std::array<ViewPoint, kRealOutlinePoints>& pts,
                     const std::array<bool, kRealOutlinePoints>& facing) {
    const int32_t horizon = g.viewState.horizonY;
    for (int32_t k = 0; k + 1 < kRealOutlinePoints; ++k) {
        const ViewPoint &p = pts[k], &q = pts[k + 1];
        if (!facing[k] || FaceHidden(g, p, q)) continue;
        const int32_t mid = (p.y + q.y) / 2;
        if (g.viewState.simpleGraphics == 0 && !DarkNight(g)) {
            // As many trees as the face has room for: far faces are narrow.
            const int32_t trees = std::min({8, (mid - horizon) / 6, std::abs(q.x - p.x) / 3});
            DrawTreeLine(dc, g, p.x, p.y - p.rise, q.x, q.y - q.rise, trees, mid - horizon > 40);
            if (mid - horizon > 60 && k % 6 == 0) drawShoreTrees(dc, g, p.x, p.y - p.rise + 1, 1);
        }
        if (ByDay(g)) {
            dc.SelectPen(FewColours(g) ? pal::kPenSurfSafe : pal::kPenSurf);
            dc.MoveTo(p.x, p.y);
            dc.LineTo(q.x, q.y);
        }
    }
}

// ---- Shore profiles --------------------------------------------------------

void DrawProfile(gfx::DC& dc, Game& g, const ShoreProfile& p) {
    Projection& pr = g.projection;
    const int32_t horizon = g.viewState.horizonY;
    std::array<int32_t, 301> bearing{};
    int32_t first = 0, last = 0;
    for (int32_t i = 1; i <= 300; ++i) {
        if (!(p.runMin < p.run[i] && p.run[i] < p.runMax)) continue;
        const int32_t x = p.alongX ? p.run[i] : p.across[i], y = p.alongX ? p.across[i] : p.run[i];
        projectPoint(g, kShoreSlot + i, x, y, kProjectShore);
        bearing[i] = pr.relBearing;
        if (pr.screenY[kShoreSlot + i] < horizon) pr.screenY[kShoreSlot + i] = horizon;
        if (first == 0) first = i;
        last = i;
    }
    if (first == 0) return;
    pr.screenY[kShoreSlot + first] = horizon;
    pr.screenY[kShoreSlot + last] = horizon;
    ShoreBand band{g.screenState.width, 0};
    for (int32_t i = first; i < last; ++i) {
        const int32_t x1 = pr.screenX[kShoreSlot + i], y1 = pr.screenY[kShoreSlot + i];
        const int32_t x2 = pr.screenX[kShoreSlot + i + 1], y2 = pr.screenY[kShoreSlot + i + 1];
        if (std::abs(x1) > 25000 || std::abs(x2) > 25000) continue;
        if (std::abs(bearing[i]) > 165 || std::abs(bearing[i + 1]) > 165) continue;
        drawShoreSegment(dc, g, x1, y1, x2, y2, horizon, i, band);
    }
}

// ---- Shoals -------------------------------------------------------------------

// Maine's shoals are ledges that bare at low water; elsewhere the water
// pales over sand.
void FillShoal(gfx::DC& dc, Game& g, const WorldPoint* pts, int32_t n) {
    const std::vector<gfx::Point> shape = projectClippedPolygon(g, pts, n);
    if (shape.size() < 3) return;
    const bool ledge = g.areaGrid.areaCode == 20 && 2 * g.tideState.height < 10 * g.tideState.range;
    dc.SelectStockPen(gfx::Stock::Null);
    if (Monochrome(g)) dc.SelectBrush(pal::kLightGrey);
    else dc.SelectBrush(ledge ? pal::kGrey63 : Exumas(g) ? pal::kSkySafe : pal::kSurfBrush);
    dc.Polygon(shape.data(), static_cast<int>(shape.size()));
}

// ---- The dock --------------------------------------------------------------

void DrawDock(gfx::DC& dc, Game& g) {
    const AreaGrid& a = g.areaGrid;
    if (a.realDockOutlineX[0] == 0 && a.realDockOutlineY[0] == 0) return;
    if (DarkNight(g) || TenthsFromBoat(g, a.realDockX, a.realDockY) > kDockLimitTenths) return;
    std::array<WorldPoint, 10> deck{};
    for (int32_t k = 0; k < 10; ++k) deck[k] = {double(a.realDockOutlineX[k]), double(a.realDockOutlineY[k])};
    const std::vector<gfx::Point> base = projectClippedPolygon(g, deck.data(), 10);
    if (base.size() < 3) return;
    // The deck stands a little above the water: its face shows as a dark
    // band under the planking.
    std::vector<gfx::Point> top(base);
    for (gfx::Point& q : top) q.y -= std::max(1, Trunc(AidScale(g, q.y) * 3.0));
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(Monochrome(g) ? pal::kGrey : pal::kGrey63);
    dc.Polygon(base.data(), static_cast<int>(base.size()));
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(Monochrome(g) || Night(g) ? pal::kGrey48 : pal::kGrey);
    dc.Polygon(top.data(), static_cast<int>(top.size()));
}

// ---- Marks -----------------------------------------------------------------

struct SeenMark {
    int32_t index, x, row;
    RealMark mark;
};

void DrawMarks(gfx::DC& dc, Game& g) {
    std::vector<SeenMark> seen;
    for (const PlacedMark& m : RealAreaMarks(g)) {
        const double tenths = TenthsFromBoat(g, m.x, m.y);
        if (tenths > kDrawLimitTenths || tenths > m.mark.limitTenths) continue;
        projectPoint(g, 2, m.x, m.y, kProjectPlain);
        const Projection& p = g.projection;
        if (std::abs(p.relBearing) > kMarkLimitBearing || p.screenY[2] <= g.viewState.horizonY) continue;
        seen.push_back({m.index, p.screenX[2], p.screenY[2], m.mark});
    }
    // Far first; a mark whose foot stands on land already drawn lies behind it.
    std::stable_sort(seen.begin(), seen.end(), [](const SeenMark& a, const SeenMark& b) { return a.row < b.row; });
    for (const SeenMark& s : seen) {
        if (s.x < 0 || s.x > g.screenState.width || LandPixelAt(dc, g, s.x, s.row) == 1) continue;
        DrawRealMarkInView(dc, g, s.index, s.x, s.row, s.mark);
    }
}

// ---- Maine's summer anchorage ----------------------------------------------

// Pulpit Harbor, North Haven: boats lie there all summer; within two miles
// the view shows eight of them at rest, each at its own offset (area units).
constexpr LatLon kMaineAnchorage{44.1550, -68.8880};
constexpr double kAnchorageTenths = 20.0;
constexpr int32_t kAnchoredBoats[8][2] = {{0, 0},  {35, -20},  {-30, -25}, {20, 35},
                                          {-40, 15}, {60, 10}, {-15, -55}, {45, -50}};

}  // namespace

void drawMaineAnchorage(gfx::DC& dc, Game& g) {
    const GeoProjection* p = ProjectionForArea(g.areaGrid.areaCode);
    if (g.areaGrid.areaCode != 20 || p == nullptr) return;
    const AreaPoint c = AreaFromLatLon(*p, kMaineAnchorage);
    if (TenthsFromBoat(g, c.x, c.y) > kAnchorageTenths) return;
    for (const auto& o : kAnchoredBoats) {
        projectPointD(g, 2, c.x + o[0], c.y + o[1], kProjectPlain);
        const Projection& pr = g.projection;
        if (std::abs(pr.relBearing) > kMarkLimitBearing || pr.screenY[2] <= g.viewState.horizonY) continue;
        drawSailboat(dc, g, 0, 0, pr.screenX[2], pr.screenY[2], kBoatAtRest);
    }
}

int32_t RealSeaBrush(const Game& g, int32_t brush) {
    if (!Exumas(g)) return brush;
    if (InDeepSound(Trunc(g.ownBoat.x), Trunc(g.ownBoat.y))) return pal::kOceanBand;
    if (Monochrome(g)) return brush;
    return FewColours(g) ? pal::kTurquoiseSafe : pal::kTurquoise;
}

void drawExumasBankBand(gfx::DC& dc, Game& g) {
    if (!Exumas(g) || Night(g) || g.viewState.twilight != 0) return;
    const int32_t heading = wrapDegrees(g.viewState.viewHeading);
    if (heading < 180 || heading > 290) return;
    const double bx = g.ownBoat.x, by = g.ownBoat.y;
    if (!InDeepSound(Trunc(bx), Trunc(by))) return;
    // The camera turns before the objects are placed; the band needs it now.
    g.viewState.eyeHeading = g.viewState.viewHeading;
    const double h = heading * kDegToRad;
    for (int32_t d = 100; d <= 20000; d += 100) {
        const double x = bx + d * std::sin(h), y = by - d * std::cos(h);
        if (InDeepSound(Trunc(x), Trunc(y))) continue;
        projectPointD(g, 2, x, y, kProjectPlain);
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(FewColours(g) ? pal::kTurquoiseSafe : pal::kTurquoise);
        dc.Rectangle(0, g.viewState.horizonY, g.screenState.width, g.projection.screenY[2]);
        return;
    }
}

void drawRealFarLand(gfx::DC& dc, Game& g) {
    if (!RealArea(g) || g.shoreMap.table) return;
    ShoreProfile profiles[2];
    const int32_t n = ShoreProfiles(g.areaGrid, profiles);
    for (int32_t k = 0; k < n; ++k) DrawProfile(dc, g, profiles[k]);
}

void drawRealIsland(gfx::DC& dc, Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    if (i < 1 || i > ChartedIslandCount(a) || !IslandDrawn(a, i)) return;
    // A big island's shore may stand near while its centre lies far.
    const double reach = 10.0 * a.R[i] / UnitsPerMile(g);
    if (TenthsFromBoat(g, a.realIslandX[i], a.realIslandY[i]) - reach > kDrawLimitTenths) return;
    const auto& outline = a.islandOutline[i];
    const int32_t height = RealIslandHeight(g, i);
    std::array<ViewPoint, kRealOutlinePoints> pts{};
    bool whole = true;
    for (int32_t k = 0; k < kRealOutlinePoints; ++k) {
        projectPoint(g, kOutlineSlot + k, outline[k][0], outline[k][1], kProjectShore);
        const int32_t row = g.projection.screenY[kOutlineSlot + k];
        pts[k] = {g.projection.screenX[kOutlineSlot + k], row, VisibleRise(g, row, height),
                  std::abs(g.projection.relBearing) <= 85};
        whole = whole && pts[k].usable;
    }
    const double area = SignedArea(outline);
    std::array<bool, kRealOutlinePoints> facing{};
    for (int32_t k = 0; k + 1 < kRealOutlinePoints; ++k) facing[k] = EdgeFacesEye(g, outline, k, area);

    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandBrush(g));
    if (whole) DrawIslandTop(dc, pts);
    DrawIslandFaces(dc, g, pts, facing);
    DrawIslandShore(dc, g, pts, facing);
}

void drawRealShoal(gfx::DC& dc, Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    if (i < 1 || i > ChartedShoalCount(a) || !ShoalDrawn(a, i) || !ByDay(g) || Fog(g)) return;
    const double reach = 10.0 * a.shoalR[i] / UnitsPerMile(g);
    if (TenthsFromBoat(g, a.shoalX[i], a.shoalY[i]) - reach > kShoalLimitTenths) return;
    std::array<WorldPoint, kRealOutlinePoints - 1> water{};
    for (int32_t k = 0; k + 1 < kRealOutlinePoints; ++k)
        water[k] = {double(a.shoalOutline[i][k][0]), double(a.shoalOutline[i][k][1])};
    FillShoal(dc, g, water.data(), kRealOutlinePoints - 1);
}

void drawRealShoals(gfx::DC& dc, Game& g) {
    if (!RealArea(g)) return;
    if (!g.shoreMap.table) {
        for (int32_t i = 1; i <= ChartedShoalCount(g.areaGrid); ++i) drawRealShoal(dc, g, i);
        return;
    }
    if (!ByDay(g) || Fog(g)) return;
    // The charted shoals of the true waters; the wide banks are the sea's own
    // colour.
    constexpr int32_t kSides = 24;
    std::vector<WorldPoint> water;
    for (const ProjectedFact& q : g.shoreMap.facts) {
        if (!IsPaleShoal(q) || static_cast<DepthShape>(q.shape) == DepthShape::Corridor) continue;
        const double size = std::hypot(q.maxX - q.minX, q.maxY - q.minY);
        if (size > kShoalMaxMiles * UnitsPerMile(g)) continue;
        const double mx = 0.5 * (q.minX + q.maxX), my = 0.5 * (q.minY + q.maxY);
        if (TenthsFromBoat(g, mx, my) - 5.0 * size / UnitsPerMile(g) > kShoalLimitTenths) continue;
        water.clear();
        if (static_cast<DepthShape>(q.shape) == DepthShape::Circle) {
            for (int32_t k = 0; k < kSides; ++k) {
                const double t = k * 2.0 * 3.14159265358979 / kSides;
                water.push_back({q.xy[0] + q.reach * std::cos(t), q.xy[1] + q.reach * std::sin(t)});
            }
        } else {
            for (std::size_t k = 0; k + 1 < q.xy.size(); k += 2) water.push_back({q.xy[k], q.xy[k + 1]});
        }
        FillShoal(dc, g, water.data(), static_cast<int32_t>(water.size()));
    }
}

void drawRealAreaFeatures(gfx::DC& dc, Game& g) {
    if (!RealArea(g)) return;
    const AreaGrid& a = g.areaGrid;
    // Islands far to near, so the nearer covers the farther; the true coast
    // draws them where the area has it.
    std::vector<std::pair<double, int32_t>> order;
    for (int32_t i = 1; i <= ChartedIslandCount(a) && !g.shoreMap.table; ++i)
        if (IslandDrawn(a, i)) order.push_back({-TenthsFromBoat(g, a.realIslandX[i], a.realIslandY[i]), i});
    std::sort(order.begin(), order.end());
    for (const auto& [d, i] : order) drawRealIsland(dc, g, i);
    DrawDock(dc, g);
    DrawMarks(dc, g);
}

int32_t RealTreeHeight(const Game& g, int32_t column) {
    const int32_t pick = std::abs(column / 37) % 3;
    switch (g.areaGrid.areaCode) {
        case 11: return pick == 0 ? 70 : pick == 1 ? 110 : 90;
        case 12: return 120;
        case kExumas: return pick == 0 ? 220 : 90;
        case 20: return pick == 0 ? 150 : 80;
        default: return 90;
    }
}

}  // namespace vel
