#include "world/start_circles.h"

#include <algorithm>
#include <cmath>

namespace vel {
namespace {
// Weighing anchor later restores this speed and its step divisor.
constexpr int32_t kSpeedAfterAnchor = 9;
constexpr int32_t kDivisorAfterAnchor = 75;
}  // namespace

bool PlaceAtStartCircle(Game& g, int32_t x, int32_t y) {
    const AreaGrid& a = g.areaGrid;
    if (a.isPassage == 0) return false;
    const int32_t n = std::min<int32_t>(a.startCircleCount, static_cast<int32_t>(a.startCircleX.size()));
    for (int32_t i = 0; i < n; ++i) {
        const double dx = x - a.startCircleX[i];
        const double dy = y - a.startCircleY[i];
        if (std::sqrt(dx * dx + dy * dy) > kStartCircleRadius) continue;
        OwnBoat& b = g.ownBoat;
        b.x = a.startCircleX[i];
        b.y = a.startCircleY[i];
        b.cellX = a.startCircleX[i];
        b.cellY = a.startCircleY[i];
        g.anchors.anchor[1][1] = 1;
        g.score.passageStartValid = 1;
        g.simClock.stopHour = g.simClock.hour;
        g.simClock.speedBeforeStop = kSpeedAfterAnchor;
        g.simClock.divisorBeforeStop = kDivisorAfterAnchor;
        return true;
    }
    return false;
}

}  // namespace vel
