#include "sim/sea_items.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

constexpr double kCrestSpacing = 20.0;
constexpr int kCrestRetries = 2;

struct Point {
    double x, y;
};

Point PointAhead(Game& g) {
    const int32_t eye = WrapDegrees(g.viewState.viewHeading);
    const TrigTables& t = g.trigTables;
    const OwnBoat& b = g.ownBoat;
    const int32_t dx = random(g.rng, 400);
    const int32_t dy = random(g.rng, 400);
    return {b.x + t.sin100[eye] - 200 + dx, b.y - t.cos100[eye] - 200 + dy};
}

}  // namespace

void PlaceWaveCrest(Game& g, int32_t i) {
    if (i < 0 || i >= kWaveCrests) return;
    Vessels& v = g.vessels;
    for (int attempt = 0; attempt <= kCrestRetries; ++attempt) {
        const Point p = PointAhead(g);
        v.crestX[i] = p.x;
        v.crestY[i] = p.y;
        if (NearestCrestDistance(g, p.x, p.y, i) >= kCrestSpacing) break;
    }
    v.crestScale[i] = random(g.rng, 100) < 50 ? 1.5 : 1.0;
    v.crestFactor[i] = random(g.rng, 100) < 50 ? 0.8 : 0.75;
}

void PlaceRipple(Game& g, int32_t i) {
    if (i < 0 || i >= kRipples) return;
    const Point p = PointAhead(g);
    g.vessels.rippleX[i] = p.x;
    g.vessels.rippleY[i] = p.y;
}

void DriftSeaItems(Game& g) {
    const Weather& w = g.weather;
    const TrigTables& t = g.trigTables;
    const int32_t downwind = WrapDegrees(w.windDirection + 180);
    const int32_t push = 2 * w.windSpeed / 3;
    const double step = g.simClock.timeStep;
    const double dx = step * 0.001 * t.sin100[downwind] * push;
    const double dy = step * 0.001 * t.cos100[downwind] * push;
    Vessels& v = g.vessels;
    for (int i = 0; i < kWaveCrests; ++i) {
        v.crestX[i] += dx;
        v.crestY[i] -= dy;
    }
    for (int i = 0; i < kRipples; ++i) {
        v.rippleX[i] += dx;
        v.rippleY[i] -= dy;
    }
}

double NearestCrestDistance(const Game& g, double x, double y, int32_t except) {
    const Vessels& v = g.vessels;
    double nearest = 50000.0;
    for (int i = 0; i < kWaveCrests; ++i) {
        if (i == except) continue;
        const double dx = v.crestX[i] - x, dy = v.crestY[i] - y;
        nearest = std::min(nearest, std::sqrt(dx * dx + dy * dy));
    }
    return nearest;
}

}  // namespace vel
