#include "views/real_land.h"

#include <algorithm>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/real_terrain.h"
#include "world/shore.h"

namespace vel {
namespace {

constexpr int32_t kUnset = -30000;

using Outline = Arr2<int32_t, kRealOutlinePoints, 2>;

// Even-odd rule over the closed outline, after a box about the centre that
// holds the whole outline: its points lie within R, or 1.1 R at a bulge.
bool InsideOutline(const Outline& o, int32_t cx, int32_t cy, int32_t R, int32_t x, int32_t y) {
    const int32_t reach = R + R / 8 + 2;
    if (x < cx - reach || x > cx + reach || y < cy - reach || y > cy + reach) return false;
    bool inside = false;
    for (int32_t k = 1; k < kRealOutlinePoints; ++k) {
        const double ax = o[k - 1][0], ay = o[k - 1][1], bx = o[k][0], by = o[k][1];
        if ((ay > y) == (by > y)) continue;
        const double cross = ax + (y - ay) * (bx - ax) / (by - ay);
        if (x < cross) inside = !inside;
    }
    return inside;
}

}  // namespace

int32_t ShoreProfiles(const AreaGrid& a, ShoreProfile out[2]) {
    if (a.isRealArea != 1) return 0;
    if (a.areaCode == 12) {
        if (a.westYMax <= kUnset) return 0;
        out[0] = {a.westShoreY.data(), a.westShoreX.data(), a.westStep, a.westYMin, a.westYMax, false, -1};
        // South of eastYMax the east shore opens into deep water.
        out[1] = {a.eastShoreY.data(), a.eastShoreX.data(), a.eastStep, a.eastYMin, std::min(a.westYMax, a.eastYMax),
                  false, +1};
        return 2;
    }
    if (a.shoreXMin <= kUnset) return 0;
    out[0] = {a.shoreX.data(), a.shoreY.data(), a.shoreStep, a.shoreXMin, a.shoreXMax, true, -1};
    return 1;
}

int32_t ShoreAcrossAt(const ShoreProfile& p, int32_t run) {
    if (p.step == 0.0) return p.across[1];
    return Trunc(ShoreProfileAt(p.run, p.across, p.step, run));
}

bool BehindShore(const ShoreProfile& p, int32_t x, int32_t y) {
    const int32_t run = p.alongX ? x : y;
    if (!(p.runMin < run && run < p.runMax)) return false;
    const int32_t across = p.alongX ? y : x;
    return (across - ShoreAcrossAt(p, run)) * p.landSign > 0;
}

int32_t ChartedIslandCount(const AreaGrid& a) {
    return std::clamp(a.islandCountA + a.islandCountB, 0, kRealIslandSlots - 1);
}

int32_t ChartedShoalCount(const AreaGrid& a) { return std::clamp(a.shoalCount, 0, kShoalSlots - 1); }

bool IslandDrawn(const AreaGrid& a, int32_t i) { return a.R[i] > 0 && a.aspect[i] > 0.0; }

bool ShoalDrawn(const AreaGrid& a, int32_t i) {
    return a.shoalR[i] > 0 && a.shoalAspect[i] > 0.0 && a.shoalDisabled[i] == 0;
}

ChartSurface ChartSurfaceAt(const Game& g, int32_t x, int32_t y) {
    const AreaGrid& a = g.areaGrid;
    if (g.shoreMap.table) {
        if (ShoreAt(g.shoreMap, x, y).land) return ChartSurface::Land;
        for (const ProjectedFact& f : g.shoreMap.facts)
            if (IsPaleShoal(f) && InsideFact(f, x, y)) return ChartSurface::Shoal;
        return ChartSurface::Water;
    }
    ShoreProfile profiles[2];
    const int32_t n = ShoreProfiles(a, profiles);
    for (int32_t k = 0; k < n; ++k)
        if (BehindShore(profiles[k], x, y)) return ChartSurface::Land;
    for (int32_t i = 1; i <= ChartedIslandCount(a); ++i) {
        if (IslandDrawn(a, i) && InsideOutline(a.islandOutline[i], a.realIslandX[i], a.realIslandY[i], a.R[i], x, y))
            return ChartSurface::Land;
    }
    for (int32_t i = 1; i <= ChartedShoalCount(a); ++i) {
        if (ShoalDrawn(a, i) && InsideOutline(a.shoalOutline[i], a.shoalX[i], a.shoalY[i], a.shoalR[i], x, y))
            return ChartSurface::Shoal;
    }
    return ChartSurface::Water;
}

}  // namespace vel
