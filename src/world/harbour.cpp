#include "world/harbour.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/helpers.h"
#include "world/terrain.h"

namespace vel {
namespace {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

bool Navigable(const Game& g, Point p) { return DepthAt(g, p.x, p.y, 1) >= kNavigableDepth; }

// The anchored fleet and its swinging room, on a 100-unit grid.
bool AnchorageClear(const Game& g, Point h) {
    for (int32_t dx = -kAnchorageReach; dx <= kAnchorageReach; dx += 100)
        for (int32_t dy = -kAnchorageReach; dy <= kAnchorageReach; dy += 100)
            if (!Navigable(g, {h.x + dx, h.y + dy})) return false;
    return true;
}

// Fans out from `from` around the direction (ux, uy), nearest first, and
// takes the first point whose whole anchorage floats; failing that, the
// first navigable point straight along the direction.
std::optional<Point> FanToWater(const Game& g, Point from, double ux, double uy, int32_t first, int32_t last) {
    std::optional<Point> navigable;
    for (int32_t d = first; d <= last; d += 50) {
        for (int32_t turn = 0; turn <= 80; turn += 10)
            for (int32_t side : {1, -1}) {
                if (turn == 0 && side < 0) continue;
                const double t = side * turn * kDegToRad;
                const double vx = ux * std::cos(t) - uy * std::sin(t);
                const double vy = ux * std::sin(t) + uy * std::cos(t);
                const Point p{from.x + Trunc(vx * d), from.y + Trunc(vy * d)};
                if (AnchorageClear(g, p)) return p;
            }
        const Point straight{from.x + Trunc(ux * d), from.y + Trunc(uy * d)};
        if (!navigable && Navigable(g, straight)) navigable = straight;
    }
    return navigable;
}

// Rings of growing radius around a point, twelve bearings each.
std::optional<Point> NavigableAround(const Game& g, Point c, int32_t first, int32_t last) {
    for (int32_t r = first; r <= last; r += 100)
        for (int32_t b = 0; b < 360; b += 30) {
            const Point p{c.x + Trunc(std::sin(b * kDegToRad) * r), c.y - Trunc(std::cos(b * kDegToRad) * r)};
            if (Navigable(g, p)) return p;
        }
    return std::nullopt;
}

// The mouth of the marina's cove, on the line of the shore just outside it.
Point CoveMouth(const AreaGrid& a) {
    const int32_t before = a.coveStart[0] - 2;
    const int32_t after = a.coveEnd[0] + 3;
    return {(a.coveStartX[0] + a.coveEndX[0]) / 2, (a.coastY[before] + a.coastY[after]) / 2};
}

Point HarbourNearCove(const Game& g) {
    const AreaGrid& a = g.areaGrid;
    const Point mouth = CoveMouth(a);
    if (auto p = FanToWater(g, mouth, 0.0, a.seaSign, 200, 4000)) return *p;
    return {mouth.x, 0};
}

// In the islands area the anchorage lies in the bay of the first island,
// or on its side toward the middle of the area when it has none.
Point HarbourInIslandBay(const Game& g) {
    const AreaGrid& a = g.areaGrid;
    const Point centre{a.islandX[1], a.islandY[1]};
    double ux = -centre.x, uy = -centre.y;
    const int32_t notch = a.islandNotch[1];
    if (notch > 0 && notch + 5 < 36) {
        const auto& p = a.islandOutline[1][notch + 4];
        const auto& q = a.islandOutline[1][notch + 5];
        ux = (p[0] + q[0]) / 2.0 - centre.x;
        uy = (p[1] + q[1]) / 2.0 - centre.y;
    }
    const double len = std::hypot(ux, uy);
    if (len > 0.0) {
        ux /= len;
        uy /= len;
    }
    const int32_t r = a.islandRadius[1];
    if (auto p = FanToWater(g, centre, ux, uy, r / 2, 4 * r + 2000)) return *p;
    return {0, 0};
}

}  // namespace

void ChooseHarbourPoint(Game& g) {
    const Point h = g.areaGrid.areaCode == 2 ? HarbourInIslandBay(g) : HarbourNearCove(g);
    g.areaGrid.harbourX = h.x;
    g.areaGrid.harbourY = h.y;
}

void PlaceMooringBuoys(Game& g) {
    AreaGrid& a = g.areaGrid;
    const Point h{a.harbourX, a.harbourY};
    Point wanted[2] = {{h.x - 350, h.y}, {h.x + 350, h.y}};
    if (a.areaCode != 2) {
        // Moorings off the marina, halfway into the cove.
        const Point mouth = CoveMouth(a);
        const int32_t midY = (mouth.y + a.coveInnerY[0]) / 2;
        wanted[0] = {mouth.x - 120, midY};
        wanted[1] = {mouth.x + 120, midY};
    }
    Point placed[2];
    for (int k = 0; k < 2; ++k) {
        Point p{wanted[k].x + random(g.rng, 100) - 50, wanted[k].y + random(g.rng, 100) - 50};
        if (!Navigable(g, p)) p = NavigableAround(g, {h.x + (k == 0 ? -300 : 300), h.y}, 0, 600).value_or(h);
        placed[k] = p;
    }
    g.moorings.buoyX[0] = placed[0].x;
    g.moorings.buoy1Y = placed[0].y;
    g.moorings.buoyX[1] = placed[1].x;
    g.moorings.buoy2Y = placed[1].y;
}

}  // namespace vel
