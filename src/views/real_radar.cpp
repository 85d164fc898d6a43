#include "views/real_radar.h"

#include <algorithm>

#include "views/real_land.h"
#include "views/real_marks.h"

namespace vel {
namespace {

// The stretch of an outline that returns an echo: first..last, or nothing
// when the data gives none.
void OutlineEchoes(RadarTrace& line, const Arr2<int32_t, kRealOutlinePoints, 2>& o, int32_t first, int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, kRealOutlinePoints - 1);
    line.lift();
    for (int32_t k = first; k <= last; ++k) line.to(o[k][0], o[k][1]);
}

}  // namespace

void DrawRealCoastEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r) {
    const AreaGrid& a = g.areaGrid;
    if (a.isRealArea != 1) return;
    RadarTrace line(dc, g, r);
    ShoreProfile profiles[2];
    const int32_t n = ShoreProfiles(a, profiles);
    for (int32_t k = 0; k < n; ++k) {
        const ShoreProfile& p = profiles[k];
        line.lift();
        for (int32_t i = 1; i <= 300; ++i) {
            if (!(p.runMin < p.run[i] && p.run[i] < p.runMax)) continue;
            if (p.alongX)
                line.to(p.run[i], p.across[i]);
            else
                line.to(p.across[i], p.run[i]);
        }
    }
    for (int32_t i = 1; i <= ChartedIslandCount(a); ++i)
        if (IslandDrawn(a, i)) OutlineEchoes(line, a.islandOutline[i], a.radarFirst[i], a.radarLast[i]);
    for (int32_t i = 1; i <= ChartedShoalCount(a); ++i)
        if (ShoalDrawn(a, i)) OutlineEchoes(line, a.shoalOutline[i], a.shoalRadarFirst[i], a.shoalRadarLast[i]);
}

void DrawRealMarkEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r, int32_t dotRadius) {
    if (g.areaGrid.isRealArea != 1) return;
    for (const PlacedMark& m : RealAreaMarks(g)) {
        const RadarEcho e = RadarEchoAt(g, r, m.x, m.y);
        const int32_t radius = FarEchoRadius(RealMarkEchoRadius(m.mark, dotRadius), e.distance);
        if (radius <= 0 || e.p.x < r.left || e.p.x > r.right || e.p.y < r.top || e.p.y > g.screenState.height)
            continue;
        dc.Ellipse(e.p.x - radius, e.p.y - radius, e.p.x + radius + 1, e.p.y + radius + 1);
    }
}

}  // namespace vel
