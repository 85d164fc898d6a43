#include "views/real_land.h"

#include <algorithm>

#include "common/helpers.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

constexpr int32_t kUnset = -30000;

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

}  // namespace vel
