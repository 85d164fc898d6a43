// Depth of the passages: the landmasses' shores, the islands' slopes, the
// rocks, and the caps of the banks and the shallows.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/passages.h"

namespace vel {
namespace {

constexpr double kDeep = 999.0;

// A partial depth deeper than 100 ft reads deep; none reads below 0.
double Part(double v) {
    if (v > 100.0) return kDeep;
    return v < 0.0 ? 0.0 : v;
}

// The stretch of shore a landmass's depth works on.
struct ShoreRange {
    int32_t first, last;
};

ShoreRange RangeOf(const Game& g, int32_t i) {
    const PassageRegion* data = PassageTables(g.areaGrid.region);
    if (!data || i < 1 || i > static_cast<int32_t>(data->landmasses.size())) return {0, kLandmassVertices - 1};
    const LandmassRecipe& m = data->landmasses[static_cast<std::size_t>(i - 1)];
    return {std::clamp(m.firstVertex, 0, kLandmassVertices - 1), std::clamp(m.lastVertex, 0, kLandmassVertices - 1)};
}

struct ShoreHit {
    int32_t vertex;
    double depth;  // feet; 0 on the land
};

// Inside the landmass's outline (crossing count over its 180 edges).
bool OnLand(const AreaGrid& a, int32_t i, int32_t x, int32_t y) {
    const double px = x, py = y;
    const double cx = px - a.islandX[i], cy = py - a.islandY[i];
    if (cx * cx + cy * cy > static_cast<double>(a.islandReach[i]) * a.islandReach[i]) return false;
    bool in = false;
    for (int32_t v = 0; v < kLandmassVertices; ++v) {
        const double ax = a.landX[i][v], ay = a.landY[i][v];
        const double bx = a.landX[i][v + 1], by = a.landY[i][v + 1];
        if ((ay > py) != (by > py) && px < (bx - ax) * (py - ay) / (by - ay) + ax) in = !in;
    }
    return in;
}

// The shore vertex of the stretch nearest in Manhattan distance, and the
// depth off it: the distance along the axis the point lies off it by
// (the larger of the two offsets), times the slope; 0 inside the outline.
ShoreHit NearestShore(const AreaGrid& a, int32_t i, ShoreRange r, int32_t x, int32_t y, double slope,
                      bool land = true) {
    int32_t best = r.first;
    int64_t bestM = std::numeric_limits<int64_t>::max();
    for (int32_t v = r.first; v <= r.last; ++v) {
        const int64_t m = std::llabs(static_cast<int64_t>(x) - a.landX[i][v]) + std::llabs(static_cast<int64_t>(y) - a.landY[i][v]);
        if (m < bestM) {
            bestM = m;
            best = v;
        }
    }
    if (land && OnLand(a, i, x, y)) return {best, 0.0};
    const double off = std::max(std::fabs(static_cast<double>(x) - a.landX[i][best]),
                                std::fabs(static_cast<double>(y) - a.landY[i][best]));
    return {best, off * slope};
}

bool Near(const AreaGrid& a, int32_t i, int32_t x, int32_t y, double limit, double& d) {
    const double dx = static_cast<double>(x) - a.islandX[i];
    const double dy = static_cast<double>(y) - a.islandY[i];
    const double d2 = dx * dx + dy * dy;
    if (d2 > limit * limit) return false;
    d = std::sqrt(d2);
    return true;
}

double Rocks(const RockList& rocks, int32_t x, int32_t y, double slope, double best) {
    const int32_t n = std::min<int32_t>(rocks.count, static_cast<int32_t>(rocks.x.size()) - 1);
    for (int32_t j = 1; j <= n; ++j) {
        const double m = std::fabs(static_cast<double>(x) - rocks.x[j]) + std::fabs(static_cast<double>(y) - rocks.y[j]);
        best = std::min(best, Part(m * slope));
    }
    return best;
}

struct OutlinePoint {
    int32_t k, n;  // outline point k of n around the slot
};

// The outline point that lies toward the offset (dx east, dy south): into
// the ellipse's own frame, then the parametric angle of that direction.
OutlinePoint OutlinePointToward(const AreaGrid& a, int32_t i, double dx, double dy) {
    const double rot = a.islandRotation[i];
    const double aspect = a.islandAspect[i] > 0.01 ? a.islandAspect[i] : 0.01;
    const double u = dx * std::cos(rot) + dy * std::sin(rot);
    const double v = -dx * std::sin(rot) + dy * std::cos(rot);
    double t = std::atan2(u / aspect, -v) * kRadToDeg;
    if (t < 0) t += 360.0;
    const int32_t n = a.isLandmass[i] == 1 ? kLandmassVertices : 36;
    return {static_cast<int32_t>(std::lround(t / (360.0 / n))) % n, n};
}

// Farthest a slot can still read 100 ft or less at `slope`.
double Reach(const AreaGrid& a, int32_t i, double slope) { return a.islandReach[i] + 100.0 / slope + 1.0; }

}  // namespace

double PassageRadiusToward(const AreaGrid& a, int32_t i, double dx, double dy) {
    if (i < 1 || i >= kIslandSlots) return 1.0;
    const OutlinePoint p = OutlinePointToward(a, i, dx, dy);
    return std::max(a.islandSectorRadius[i][p.k], 1);
}

// The true shore and the charted depths; rocks as cones of `rockSlope` feet
// per unit of Manhattan distance, left off the chart.
namespace {

int32_t TruePassageDepth(const Game& g, int32_t x, int32_t y, int32_t kind, double rockSlope) {
    double depth = Part(TrueDepth(g.shoreMap, x, y));
    if (kind != 2) depth = Rocks(g.rockList, x, y, rockSlope, depth);
    return Trunc(depth);
}

}  // namespace

int32_t PassageDepthSouth(const Game& g, int32_t x, int32_t y, int32_t kind) {
    if (g.shoreMap.table) return TruePassageDepth(g, x, y, kind, 0.1);
    const AreaGrid& a = g.areaGrid;
    const int32_t count = std::clamp(a.islandCount, 0, kIslandSlots - 1);
    const bool westOfStream = x < a.gulfWestX;
    double depth = kDeep;
    if (westOfStream)
        for (int32_t i = 1; i <= count; ++i)
            if (a.isLandmass[i] == 1) depth = std::min(depth, Part(NearestShore(a, i, RangeOf(g, i), x, y, 0.035).depth));

    for (int32_t i = 1; i <= count; ++i) {
        if (i > 11 && x <= a.gulfEastX) continue;
        const double limit = std::min((westOfStream ? 4.0 : 2.0) * a.islandRadius[i], Reach(a, i, 0.15));
        double d = 0;
        if (!Near(a, i, x, y, limit, d)) continue;
        const double dx = static_cast<double>(x) - a.islandX[i], dy = static_cast<double>(y) - a.islandY[i];
        const OutlinePoint p = OutlinePointToward(a, i, dx, dy);
        const auto& sectors = a.islandSectorRadius[i];
        double r = std::max(sectors[p.k], 1);
        if (a.isLandmass[i] == 0) {
            // The outline's roughness: averaged with a narrower neighbour,
            // never beyond the island's nominal radius.
            const double side = std::min(sectors[(p.k + p.n - 1) % p.n], sectors[(p.k + 1) % p.n]);
            if (side < r) r = (r + side) / 2;
            r = std::min(r, static_cast<double>(std::max(a.islandRadius[i], 1)));
        }
        double v = (d - r) * 0.15;
        // The reefs above slot 20: even their heads lie a foot under, and
        // the chart puts them six feet deeper still.
        if (i > 20) v = std::max(v, 0.0) + (kind == 2 ? 6.0 : 1.0);
        depth = std::min(depth, Part(v));
    }
    if (kind != 2) depth = Rocks(g.rockList, x, y, 0.1, depth);

    const int32_t cutY = Trunc(0.19386134120049925 * x);
    if (x > a.gulfEastX && x < g.passageState.bankEastX && y > cutY) depth = std::min(depth, 15.0);
    if (westOfStream) depth = std::min(depth, 30.0);
    if (x < -15500) depth = std::min(depth, 20.0);
    return Trunc(depth);
}

int32_t PassageDepthNorth(const Game& g, int32_t x, int32_t y, int32_t kind) {
    if (g.shoreMap.table) return TruePassageDepth(g, x, y, kind, 0.075);
    const AreaGrid& a = g.areaGrid;
    const int32_t count = std::clamp(a.islandCount, 0, kIslandSlots - 1);
    double depth = kDeep;
    // The Maine coast ends at x = -13700 and Nova Scotia's at x = 7000;
    // beyond them, and off either end of their stretch, the water is open.
    struct Shore {
        int32_t slot;
        bool open;
    };
    const Shore shores[] = {{1, x > -13700}, {2, x < 7000}};
    for (const Shore& s : shores) {
        if (s.slot > count || a.isLandmass[s.slot] != 1) continue;
        // What the chart draws as the landmass is land, whatever its shore.
        if (OnLand(a, s.slot, x, y)) {
            depth = 0;
            continue;
        }
        if (s.open) continue;
        const ShoreRange r = RangeOf(g, s.slot);
        const ShoreHit h = NearestShore(a, s.slot, r, x, y, 0.07, false);
        const bool end = h.vertex - r.first < 5 || r.last - h.vertex < 5;
        if (!end) depth = std::min(depth, Part(h.depth));
    }
    for (int32_t i = 3; i <= count; ++i) {
        const bool land = a.isLandmass[i] == 1;
        const double slope = land ? (i == 9 ? 0.3 : 0.1) : ((i == 17 || i == 18) ? 0.4 : 0.15);
        double d = 0;
        if (!Near(a, i, x, y, Reach(a, i, slope), d)) continue;
        const double r =
            PassageRadiusToward(a, i, static_cast<double>(x) - a.islandX[i], static_cast<double>(y) - a.islandY[i]);
        double v = (d - r) * slope;
        // The landmasses' shores end in a two-foot fringe.
        if (land && v > 0 && v < 5) v = 2;
        depth = std::min(depth, Part(v));
    }
    if (kind != 2) depth = Rocks(g.rockList, x, y, 0.075, depth);
    if (const PassageRegion* data = PassageTables(6))
        for (const DepthBox& b : data->shallows)
            if (b.xMin < x && x < b.xMax && b.yMin < y && y < b.yMax) depth = std::min(depth, static_cast<double>(b.cap));
    return Trunc(depth);
}

}  // namespace vel
