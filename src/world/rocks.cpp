#include "world/rocks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "common/helpers.h"

namespace vel {
namespace {

constexpr int32_t kOffIslands = 12;  // rocks 1..12 lie off islands 1..12

bool NearHarbour(const AreaGrid& a, int32_t x, int32_t y) {
    return DistanceTenths(x, y, a.harbourX, a.harbourY, a.unitsPerMile) < 20.0;
}

void SetRock(RockList& r, int32_t j, int32_t x, int32_t y) {
    r.x[j] = x;
    r.y[j] = y;
}

// A quarter further out than the island's rough shore at a random point;
// when that point lies near the harbour, the point farthest from it.
void RockOffIsland(Game& g, int32_t j, int32_t island) {
    const AreaGrid& a = g.areaGrid;
    const int32_t cx = a.islandX[island], cy = a.islandY[island];
    const auto rockAt = [&](int32_t p) {
        const auto& o = a.islandOutline[island][p];
        return std::pair{cx + Trunc((o[0] - cx) * 1.25), cy + Trunc((o[1] - cy) * 1.25)};
    };
    int32_t p = random(g.rng, 36) % 36;
    auto [x, y] = rockAt(p);
    if (NearHarbour(a, x, y)) {
        double farthest = -1.0;
        for (int32_t q = 0; q < 36; ++q) {
            const auto [qx, qy] = rockAt(q);
            const double d = std::hypot(static_cast<double>(qx) - a.harbourX, static_cast<double>(qy) - a.harbourY);
            if (d > farthest) {
                farthest = d;
                x = qx;
                y = qy;
            }
        }
    }
    SetRock(g.rockList, j, x, y);
}

// Off the shore just outside a cove, toward the water.
void RockOffCove(Game& g, int32_t j, int32_t index) {
    const AreaGrid& a = g.areaGrid;
    const bool farBank = (a.areaCode == 3 || a.areaCode == 4) && index >= 143;
    const int32_t toWater = (farBank ? -150 : 150) * a.seaSign;
    SetRock(g.rockList, j, a.coastX[index], a.coastY[index] + toWater);
}

// On a bend of the river's western reach, a quarter of the way across from
// the far bank (the marina lies on the near one).
void RockOnBend(Game& g, int32_t j, int32_t x) {
    const AreaGrid& a = g.areaGrid;
    const int32_t near = (x - (a.mirrored ? 9000 : -9000)) / a.coastStep;
    const int32_t i = std::clamp<int32_t>(near, 2, 140);
    const int32_t nearY = a.coastY[i];
    const int32_t farY = a.coastY[i + 143];
    SetRock(g.rockList, j, a.coastX[i], farY + (nearY - farY) / 4);
}

void PlaceRecipeRock(Game& g, int32_t j) {
    const AreaGrid& a = g.areaGrid;
    if (a.areaCode == 2 || j <= kOffIslands) {
        RockOffIsland(g, j, j);
        return;
    }
    const int32_t k = j - kOffIslands;  // 1..3
    if (a.areaCode == 4) {
        RockOnBend(g, j, -10000 + 2500 * k);
        return;
    }
    // Coves 2 and 3 (the marina's cove is left clear).
    const int32_t index = k == 1 ? a.coveEnd[1] + 3 : k == 2 ? a.coveEnd[2] + 3 : a.coveStart[1] - 5;
    RockOffCove(g, j, index);
}

void PlaceRandomRock(Game& g, int32_t j) {
    const AreaGrid& a = g.areaGrid;
    int32_t x = 0;
    if (a.areaCode == 2 && a.region != 3)
        x = a.mirrored ? (random(g.rng, 1350) - 900) * 10 : (random(g.rng, 1400) - 720) * 10;
    else
        x = (random(g.rng, 1800) - 900) * 10;
    int32_t y = random(g.rng, std::abs(a.coastBaseY)) + 300;
    if (random(g.rng, 100) < 51) y = -y;
    if (a.areaCode == 4 && x < 0) y -= Trunc(-0.3 * x) * a.riverBend;
    // Away from the harbour: a single step can land a rock on it, so the
    // step repeats until the rock is clear (or the step stops moving it).
    for (int step = 0; step < 64 && NearHarbour(a, x, y); ++step) y = y * 5 / 4;
    SetRock(g.rockList, j, x, y);
}

}  // namespace

int32_t RockVisible(int32_t j, int32_t difficulty) {
    if (j >= 50 || difficulty == 1) return 1;
    if (difficulty >= 2 && difficulty <= 5) return j % 2 == 0 ? 1 : 0;
    if (difficulty >= 6) return (j % 6 == 0 && j > 20) ? 1 : 0;
    return 0;
}

void PlaceRocks(Game& g) {
    const AreaGrid& a = g.areaGrid;
    RockList& r = g.rockList;
    const int32_t d = g.cruiseOptions.difficulty;
    const bool bahamas = a.region == 3;
    const int32_t wanted = bahamas ? d * 2 + 60 : std::min((d + 2) * 10, 50);
    r.count = std::clamp<int32_t>(wanted, 0, static_cast<int32_t>(r.x.size()) - 1);

    const int32_t firstRandom = a.areaCode == 2 ? (bahamas ? 16 : 12) : 19;
    for (int32_t j = 1; j < firstRandom && j <= r.count; ++j)
        if (a.areaCode == 2 || j < 16) PlaceRecipeRock(g, j);
    for (int32_t j = firstRandom; j <= r.count; ++j) PlaceRandomRock(g, j);
    for (int32_t j = 1; j <= r.count; ++j) r.visible[j] = RockVisible(j, d);
}

}  // namespace vel
