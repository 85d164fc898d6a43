#include "world/river_lane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

#include "common/helpers.h"
#include "world/terrain.h"

namespace vel {
namespace {

// Candidate middles across the channel, around the line the banks bend along.
constexpr int kRows = 81;
constexpr int kCentreRow = kRows / 2;
constexpr int32_t kRowStep = 50;
constexpr int kTrackRows = kRiverLaneOffset / kRowStep;
// Rows the lane may shift between two points: slopes to 1 in 1, past any bend.
constexpr int kMaxShift = 2;
// Water this deep is all the same to a ship; shallower costs by the square,
// far above any bend or any way off the middle.
constexpr int32_t kAmpleDepth = 24;
constexpr int64_t kShallowCost = 1000;
constexpr int64_t kShiftCost = 10;

int32_t BentY(const AreaGrid& a, int32_t x) { return x < 0 ? -Trunc(-0.3 * x) * a.riverBend : 0; }

int32_t RowY(const AreaGrid& a, int32_t x, int row) { return BentY(a, x) + (row - kCentreRow) * kRowStep; }

}  // namespace

void ChartRiverLane(Game& g) {
    AreaGrid& a = g.areaGrid;
    // The cheapest lane to each row of each point, and the row it came from.
    std::vector<std::array<int64_t, kRows>> cost(kRiverLanePoints);
    std::vector<std::array<int8_t, kRows>> from(kRiverLanePoints);
    for (int k = 0; k < kRiverLanePoints; ++k) {
        const int32_t x = kRiverLaneWest + k * kRiverLaneStep;
        std::array<int32_t, kRows + 2 * kTrackRows> depth{};
        for (int r = 0; r < static_cast<int>(depth.size()); ++r) depth[r] = DepthAt(g, x, RowY(a, x, r - kTrackRows), 1);
        for (int j = 0; j < kRows; ++j) {
            const int64_t shallow = std::max(0, kAmpleDepth - std::min(depth[j], depth[j + 2 * kTrackRows]));
            const int64_t here = shallow * shallow * kShallowCost + std::abs(j - kCentreRow);
            int64_t best = k == 0 ? 0 : INT64_MAX;
            for (int p = std::max(0, j - kMaxShift); k > 0 && p <= std::min(kRows - 1, j + kMaxShift); ++p) {
                const int64_t c = cost[k - 1][p] + kShiftCost * std::abs(j - p);
                if (c < best) std::tie(best, from[k][j]) = std::pair(c, static_cast<int8_t>(p));
            }
            cost[k][j] = best + here;
        }
    }
    const auto& last = cost.back();
    int row = static_cast<int>(std::min_element(last.begin(), last.end()) - last.begin());
    for (int k = kRiverLanePoints - 1; k >= 0; --k) {
        a.riverLaneY[k] = RowY(a, kRiverLaneWest + k * kRiverLaneStep, row);
        row = from[k][row];
    }
}

double RiverLaneY(const AreaGrid& a, double x) {
    const double t = std::clamp((x - kRiverLaneWest) / kRiverLaneStep, 0.0, kRiverLanePoints - 1.0);
    const int k = std::min(static_cast<int>(t), kRiverLanePoints - 2);
    return a.riverLaneY[k] + (t - k) * (a.riverLaneY[k + 1] - a.riverLaneY[k]);
}

int32_t RiverLaneHeading(const AreaGrid& a, double x, bool eastward) {
    const double half = kRiverLaneStep / 2.0;
    const double dy = RiverLaneY(a, x + half) - RiverLaneY(a, x - half);
    const double sign = eastward ? 1.0 : -1.0;
    // A compass bearing of an east/north offset; y grows south.
    return BearingOf(sign * 2 * half, -sign * dy);
}

}  // namespace vel
