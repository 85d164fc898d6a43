// Depth of the passages: the true shore and the charted depths, the rocks
// as cones, and the passages' reading of anything deeper than 100 ft as deep.
#include <algorithm>
#include <cmath>

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

double Rocks(const RockList& rocks, int32_t x, int32_t y, double slope, double best) {
    const int32_t n = std::min<int32_t>(rocks.count, static_cast<int32_t>(rocks.x.size()) - 1);
    for (int32_t j = 1; j <= n; ++j) {
        const double m = std::fabs(static_cast<double>(x) - rocks.x[j]) + std::fabs(static_cast<double>(y) - rocks.y[j]);
        best = std::min(best, Part(m * slope));
    }
    return best;
}

// Rocks rise `rockSlope` feet per unit of Manhattan distance; the chart
// leaves them off.
int32_t TruePassageDepth(const Game& g, int32_t x, int32_t y, int32_t kind, double rockSlope) {
    double depth = Part(TrueDepth(g.shoreMap, x, y));
    if (kind != 2) depth = Rocks(g.rockList, x, y, rockSlope, depth);
    return Trunc(depth);
}

}  // namespace

int32_t PassageDepthSouth(const Game& g, int32_t x, int32_t y, int32_t kind) {
    return TruePassageDepth(g, x, y, kind, 0.1);
}

int32_t PassageDepthNorth(const Game& g, int32_t x, int32_t y, int32_t kind) {
    return TruePassageDepth(g, x, y, kind, 0.075);
}

}  // namespace vel
