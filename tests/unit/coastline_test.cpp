#include <gtest/gtest.h>

#include <cstdlib>

#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

// The shore runs between closing points at the area's edges, eastward or
// mirrored westward, one bank for the coast and two for the waterway and river.
TEST(Coastline, RunsBetweenItsClosingPointsEachBankOnItsOwnSide) {
    for (int32_t area : {1, 3, 4})
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            auto g = StartedCruise({area, 2}, seed);
            const AreaGrid& a = g->areaGrid;
            const int32_t dir = a.mirrored ? -1 : 1;
            const int32_t step = (area == 1 ? 65 : 125) * dir;
            EXPECT_EQ(std::tuple(a.coastStep, a.coastX[1], a.coastY[1], a.coastX[284], a.coastX[50]),
                      std::tuple(step, -10000 * dir, a.coastBaseY, 10000 * dir, 50 * step - 9000 * dir));
            if (area == 1) {
                EXPECT_EQ(a.coastY[284], a.coastBaseY);
                continue;
            }
            EXPECT_EQ(std::tuple(a.coastY[284], a.coastX[142], a.coastY[142], a.coastX[143], a.coastY[143]),
                      std::tuple(-a.coastBaseY, 10000 * dir, a.coastBaseY, -10000 * dir, -a.coastBaseY));
            EXPECT_EQ(a.coastX[200], (200 - 143) * step - 9000 * dir);  // the far bank starts again
            EXPECT_GT(a.coastY[70] * a.coastBaseY, 0);
            EXPECT_TRUE(area != 3 || a.coastY[250] * a.coastBaseY < 0);
            // Each cove spans its shape from its start.
            EXPECT_EQ(std::tuple(a.coveEnd[0] - a.coveStart[0], a.coveEnd[1] - a.coveStart[1], a.coveEnd[2] - a.coveStart[2]),
                      std::tuple(8, area == 4 ? 6 : 9, 6));
        }
}

// Sum of the bends of the first bank between the coves.
int64_t Roughness(const AreaGrid& a) {
    int64_t sum = 0;
    for (int32_t i = 45; i < 105; ++i) sum += std::abs(a.coastY[i + 1] - 2 * a.coastY[i] + a.coastY[i - 1]);
    return sum;
}

TEST(Coastline, TallerWindowGivesARougherShore) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        auto low = StartedCruise({1, 1}, seed, 5, [](Game& g) { g.screenState.height = 30; });
        auto tall = StartedCruise({1, 1}, seed, 5, [](Game& g) { g.screenState.height = 3000; });
        EXPECT_GT(Roughness(tall->areaGrid), 2 * Roughness(low->areaGrid)) << seed;
    }
}

}  // namespace
}  // namespace vel
