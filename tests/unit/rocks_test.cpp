#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "world/rocks.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

TEST(Rocks, VisibleByDifficultyAndNumberTenMoreAStepUpToFiftyMoreInTheBahamas) {
    for (auto [rock, difficulty, visible] : {std::tuple{1, 1, 1}, {7, 1, 1}, {2, 3, 1}, {3, 3, 0}, {13, 2, 0},
                                             {16, 5, 1}, {24, 6, 1}, {18, 6, 0}, {25, 6, 0}, {30, 10, 1}, {49, 7, 0},
                                             {50, 7, 1}, {51, 9, 1}, {60, 10, 1}, {3, 0, 0}})
        EXPECT_EQ(RockVisible(rock, difficulty), visible) << rock << " " << difficulty;
    for (auto [region, difficulty, count] : {std::tuple{1, 1, 30}, {2, 2, 40}, {1, 3, 50}, {2, 8, 50}, {3, 5, 70},
                                             {3, 10, 80}, {3, 1, 62}}) {
        auto g = StartedCruise({region == 3 ? 2 : 1, region}, 4, difficulty);
        EXPECT_EQ(g->rockList.count, count) << region << " " << difficulty;
        for (int32_t j = 1; j <= g->rockList.count; ++j) EXPECT_EQ(g->rockList.visible[j], RockVisible(j, difficulty));
    }
}

// Mended: a rock can no longer land on the harbour point.
TEST(Rocks, ScatteredRocksKeepTwoMilesFromTheHarbourAndTheFirstLieOffTheirIslands) {
    for (int32_t area : {1, 2, 3, 4})
        for (uint32_t seed = 1; seed <= 100; ++seed) {
            auto g = StartedCruise({area, 1}, seed, 3);
            const AreaGrid& a = g->areaGrid;
            for (int32_t j = area == 2 ? 12 : 19; j <= g->rockList.count; ++j)
                EXPECT_GE(DistanceTenths(g->rockList.x[j], g->rockList.y[j], a.harbourX, a.harbourY, 300), 20.0)
                    << "area " << area << " seed " << seed << " rock " << j;
        }
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({2, 2}, seed);
        const AreaGrid& a = g->areaGrid;
        for (int32_t j = 1; j <= 11; ++j) {  // a quarter beyond the rough shore
            const double off = std::hypot(g->rockList.x[j] - a.islandX[j], g->rockList.y[j] - a.islandY[j]);
            const auto& r = a.islandSectorRadius[j];
            EXPECT_LE(off, 1.25 * *std::max_element(r.begin(), r.begin() + 36) + 2) << j;
            EXPECT_GE(off, 1.25 * *std::min_element(r.begin(), r.begin() + 36) - 2) << j;
        }
    }
}

}  // namespace
}  // namespace vel
