#include "views/passage_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/helpers.h"
#include "views/island_drawer.h"
#include "views/marks_drawer.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"
#include "views/shore.h"
#include "world/geo.h"

namespace vel {
namespace {

constexpr int32_t kVertices = 181;   // the last repeats the first
constexpr int32_t kCoastSlot = 300;  // vertex k projects into slot 300 + k
constexpr int32_t kFirstReef = 26;
constexpr double kLandmarkSightTenths = 150.0;
constexpr int32_t kLighthouseLampIndex = 50;  // lamps keep rhythms apart from the object list's

int32_t Landmasses(const AreaGrid& a, std::array<int32_t, kIslandSlots>& out) {
    int32_t n = 0;
    const int32_t last = std::clamp(a.islandCount, 0, kIslandSlots - 1);
    for (int32_t i = 1; i <= last; ++i)
        if (a.isLandmass[i] == 1) out[n++] = i;
    return n;
}

// Twice the signed area: its sign tells on which side of each edge the land lies.
double Orientation(const AreaGrid& a, int32_t i) {
    double s = 0.0;
    for (int32_t k = 0; k + 1 < kVertices; ++k)
        s += static_cast<double>(a.landX[i][k]) * a.landY[i][k + 1] - static_cast<double>(a.landX[i][k + 1]) * a.landY[i][k];
    return s;
}

struct Eye {
    double x, y;
};
Eye EyeOf(const Game& g) {
    const double h = g.viewState.eyeHeading * kDegToRad;
    return {g.ownBoat.x - 60.0 * std::sin(h), g.ownBoat.y + 60.0 * std::cos(h)};
}

// The eye stands on the water side of edge k.
bool EdgeFacesEye(const AreaGrid& a, int32_t i, int32_t k, double orientation, Eye e) {
    const double px = a.landX[i][k], py = a.landY[i][k];
    const double dx = a.landX[i][k + 1] - px, dy = a.landY[i][k + 1] - py;
    const double cross = dx * (e.y - py) - dy * (e.x - px);
    return cross * orientation < 0.0;
}

void DrawCoast(gfx::DC& dc, Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    Projection& p = g.projection;
    const int32_t horizon = g.viewState.horizonY;
    std::array<int32_t, kVertices> bearing{};
    std::array<bool, kVertices> inSight{};
    bool any = false;
    for (int32_t k = 0; k < kVertices; ++k) {
        projectPoint(g, kCoastSlot + k, a.landX[i][k], a.landY[i][k], kProjectShore);
        bearing[k] = p.relBearing;
        inSight[k] = p.distance <= kPassageCoastSight;
        any = any || inSight[k];
        p.screenY[kCoastSlot + k] = std::max(p.screenY[kCoastSlot + k], horizon);
    }
    if (!any) return;
    const double orientation = Orientation(a, i);
    const Eye e = EyeOf(g);
    ShoreBand band{g.screenState.width, 0};
    for (int32_t k = 0; k + 1 < kVertices; ++k) {
        if (!inSight[k] && !inSight[k + 1]) continue;
        if (std::abs(bearing[k]) > 165 || std::abs(bearing[k + 1]) > 165) continue;
        if (!EdgeFacesEye(a, i, k, orientation, e)) continue;
        const int32_t x1 = p.screenX[kCoastSlot + k], y1 = p.screenY[kCoastSlot + k];
        const int32_t x2 = p.screenX[kCoastSlot + k + 1], y2 = p.screenY[kCoastSlot + k + 1];
        if (std::abs(x1) > 25000 || std::abs(x2) > 25000) continue;
        drawShoreSegment(dc, g, x1, y1, x2, y2, horizon, k, band);
    }
}

// The high-rise skylines of Florida's east coast, the first land a crossing
// from the Bahamas raises. Town centres from the U.S. Census Bureau's
// gazetteer (place internal points); how many towers each shows is a sketch.
struct Skyline {
    LatLon centre;
    double alongMiles;  // half the length of the waterfront, north-south
    int32_t towers;
};
constexpr Skyline kFloridaSkylines[] = {
    {{25.7743, -80.1937}, 1.2, 10},  // Miami
    {{25.8130, -80.1340}, 2.0, 8},   // Miami Beach
    {{26.0112, -80.1495}, 1.2, 4},   // Hollywood
    {{26.1223, -80.1434}, 1.5, 8},   // Fort Lauderdale
    {{26.3587, -80.0831}, 1.2, 4},   // Boca Raton
    {{26.7153, -80.0534}, 1.2, 6},   // West Palm Beach
};
// Tower heights and widths in aid-scale units, and their offsets east-west
// in area units, repeating along each waterfront.
constexpr int32_t kTowerHeights[] = {55, 80, 40, 100, 65, 90, 45, 70, 120, 50};
constexpr int32_t kTowerWidths[] = {22, 18, 30, 20, 26, 18, 28, 22, 20, 30};
constexpr int32_t kTowerOffsets[] = {0, 120, -80, 60, -150, 200, 30, -60, 150, -20};
constexpr double kSkylineSightTenths = 200.0;

void DrawHighRise(gfx::DC& dc, Game& g, int32_t x, int32_t row, int32_t k) {
    const double s = AidScale(g, row);
    const int32_t h = Trunc(kTowerHeights[k] * s), half = std::max(1, Trunc(kTowerWidths[k] * s / 2));
    if (h < 3) return;
    if (Night(g)) {
        // A lit block: rows of windows against the dark.
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(pal::kGrey32);
        dc.Rectangle(x - half, row - h, x + half + 1, row);
        if (Monochrome(g)) return;
        const gfx::Color lamp = gfx::Rgb(255, 255, 127);
        for (int32_t y = row - h + 2; y < row - 1; y += std::max(3, h / 8))
            for (int32_t c = x - half + 1; c < x + half; c += std::max(2, half / 2)) dc.SetPixel(c, y, lamp);
        return;
    }
    dc.SelectPen(pal::kPenGrey1);
    if (Monochrome(g)) dc.SelectBrush(pal::kGrey);
    else if (k % 3 == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(pal::kLightGrey);
    dc.Rectangle(x - half, row - h, x + half + 1, row);
}

void DrawSkylines(gfx::DC& dc, Game& g) {
    const GeoProjection* proj = ProjectionForArea(g.areaGrid.areaCode);
    if (proj == nullptr || g.areaGrid.region != 5) return;
    const int32_t upm = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;
    for (const Skyline& s : kFloridaSkylines) {
        const AreaPoint c = AreaFromLatLon(*proj, s.centre);
        if (DistanceTenths(g.ownBoat.x, g.ownBoat.y, c.x, c.y, upm) > kSkylineSightTenths) continue;
        const double along = s.alongMiles * upm;
        for (int32_t k = 0; k < s.towers; ++k) {
            const double y = c.y - along + 2.0 * along * k / std::max(1, s.towers - 1);
            projectPointD(g, 2, c.x + kTowerOffsets[k % 10], y, kProjectShore);
            if (std::abs(g.projection.relBearing) > 60) continue;
            DrawHighRise(dc, g, g.projection.screenX[2], g.projection.screenY[2], k % 10);
        }
    }
}

// Distance from the boat to the nearest vertex of landmass i.
double NearestVertex(const Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    double best = 1e18;
    for (int32_t k = 0; k < kVertices; ++k) {
        const double dx = a.landX[i][k] - g.ownBoat.x, dy = a.landY[i][k] - g.ownBoat.y;
        best = std::min(best, dx * dx + dy * dy);
    }
    return best;
}

}  // namespace

void drawPassageCoasts(gfx::DC& dc, Game& g) {
    if (!Passage(g) || g.shoreMap.table) return;
    std::array<int32_t, kIslandSlots> slots{};
    const int32_t n = Landmasses(g.areaGrid, slots);
    // The farthest coast first, so that a nearer one stands in front of it.
    std::array<double, kIslandSlots> far{};
    for (int32_t k = 0; k < n; ++k) far[slots[k]] = NearestVertex(g, slots[k]);
    std::sort(slots.begin(), slots.begin() + n, [&](int32_t l, int32_t r) { return far[l] > far[r]; });
    for (int32_t k = 0; k < n; ++k) DrawCoast(dc, g, slots[k]);
}

void drawPassageLandmarks(gfx::DC& dc, Game& g) {
    if (!Passage(g)) return;
    DrawSkylines(dc, g);
    const Lighthouse& l = g.lighthouse;
    const int32_t upm = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;
    for (int32_t i = 1; i < static_cast<int32_t>(l.x.size()); ++i) {
        if (l.x[i] == 30000 || l.y[i] == 30000) continue;
        if (DistanceTenths(g.ownBoat.x, g.ownBoat.y, l.x[i], l.y[i], upm) > kLandmarkSightTenths) continue;
        projectPoint(g, 2, l.x[i], l.y[i], kProjectShore);
        if (std::abs(g.projection.relBearing) > 60) continue;
        drawTower(dc, g, 1, g.projection.screenX[2], g.projection.screenY[2], 1, 0, kLighthouseLampIndex + i);
    }
}

void drawPassageReefs(gfx::DC& dc, Game& g) {
    const AreaGrid& a = g.areaGrid;
    if (!Passage(g) || a.region != 5 || g.shoreMap.table) return;
    const int32_t last = std::clamp(a.islandCount, 0, kIslandSlots - 1);
    for (int32_t i = kFirstReef; i <= last; ++i)
        if (a.isLandmass[i] == 0) drawIsland(dc, g, i);
}

int32_t PassageIslandLandHeight(const Game& g, int32_t i) {
    const int32_t r = g.areaGrid.islandRadius[i];
    if (g.areaGrid.region == 6) return std::clamp(2 * r, 250, 1500);
    return std::clamp(r / 2, 60, 300);
}

}  // namespace vel
