#include "world/real_terrain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/real_data.h"
#include "world/terrain.h"

namespace vel {
namespace {

// Each rock of the area's list is a cone rising 1 ft in 5 units to the
// surface.
double RockDepth(const RockList& r, int32_t x, int32_t y, double d) {
    const int32_t n = std::clamp(r.realCount, 0, static_cast<int32_t>(r.x.size()));
    for (int32_t j = 0; j < n; ++j) {
        const double m = std::fabs(static_cast<double>(x) - r.x[j]) + std::fabs(static_cast<double>(y) - r.y[j]);
        d = std::min(d, m * 0.2);
    }
    return d;
}

// The strips that part Exuma Sound from the bank, south to north: each row
// is (xLS, yS, xLN, yN, xRN, xRS) of InStripNS.
constexpr int32_t kDeepSound[4][6] = {
    {17000, 17400, 1676, 5905, 18000, 18000},
    {1676, 5905, -2400, -349, 18000, 18000},
    {-2400, -349, -6800, -6263, 18000, 18000},
    {-9500, -6263, -11500, -15200, 18000, 18000},
};
constexpr int32_t kWestBank[4][6] = {
    {-20000, 17400, -20000, 5905, -324, 15000},
    {-20000, 5905, -20000, -349, -4400, -324},
    {-20000, -349, -20000, -6263, -8800, -4400},
    {-20000, -6263, -20000, -15200, -13500, -11500},
};

bool InAnyStrip(const int32_t (&strips)[4][6], int32_t x, int32_t y) {
    for (const auto& s : strips)
        if (InStripNS(s[0], s[1], s[2], s[3], s[4], s[5], x, y) == 1) return true;
    return false;
}

}  // namespace

double RealDepth(const Game& g, int32_t x, int32_t y, int32_t mode, int32_t /*withExtra*/) {
    double d = TrueDepth(g.shoreMap, x, y);
    if (mode != 2) d = RockDepth(g.rockList, x, y, d);
    return d;
}

bool InDeepSound(int32_t x, int32_t y) { return InAnyStrip(kDeepSound, x, y); }
bool OnWestBank(int32_t x, int32_t y) { return InAnyStrip(kWestBank, x, y); }

int32_t ShoalAheadReal(const Game& g, int32_t dirCode, int32_t x, int32_t y) {
    int32_t h;
    switch (dirCode) {
        case 1:
        case 3: h = g.ownBoat.heading; break;
        case 5:
        case -5:
        case 7:
        case -7: h = NormaliseAngle(g.ownBoat.heading + dirCode); break;
        default: h = g.tideState.currentFrom; break;
    }
    if (h < 0 || h > 360) return 900;
    const double rad = h * kDegToRad;
    const double sx = std::sin(rad), cy = std::cos(rad);
    const int32_t mode = dirCode == 1 ? 2 : 1;
    for (int32_t k = 1; k <= 18; ++k) {
        const int32_t d = 50 * k;
        const int64_t px = static_cast<int64_t>(x) + Trunc(sx * d);
        const int64_t py = static_cast<int64_t>(y) - Trunc(cy * d);
        const auto clampI = [](int64_t v) {
            return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        };
        if (Trunc(RealDepth(g, clampI(px), clampI(py), mode, 0)) < 5) return d;
    }
    return 900;
}

double ShoreProfileAt(const int32_t* run, const int32_t* value, double step, double at) {
    int32_t i = Trunc((at - run[1]) / step) + 1;
    if (i <= 1) return value[1];
    i = std::min(i, 299);
    return value[i] + Trunc((at - run[i]) / step * (value[i + 1] - value[i]));
}

}  // namespace vel
