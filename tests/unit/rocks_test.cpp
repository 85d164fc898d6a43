#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "world/rocks.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

TEST(RockVisibility, ByDifficultyAndNumber) {
    struct Case {
        int32_t rock, difficulty, visible;
    };
    const Case cases[] = {
        {1, 1, 1},  {7, 1, 1},  {2, 3, 1},  {3, 3, 0},  {13, 2, 0}, {16, 5, 1},  {24, 6, 1},  {18, 6, 0},
        {25, 6, 0}, {30, 10, 1}, {49, 7, 0}, {50, 7, 1}, {51, 9, 1}, {60, 10, 1}, {3, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(RockVisible(c.rock, c.difficulty), c.visible) << c.rock << " " << c.difficulty;
}

TEST(RockCount, TenMorePerDifficultyUpToFiftyAndMoreInTheBahamas) {
    struct Case {
        int32_t region, difficulty, count;
    };
    for (const Case c : {Case{1, 1, 30}, Case{2, 2, 40}, Case{1, 3, 50}, Case{2, 8, 50}, Case{3, 5, 70},
                         Case{3, 10, 80}, Case{3, 1, 62}}) {
        auto g = StartedCruise({c.region == 3 ? 2 : 1, c.region}, 4, c.difficulty);
        EXPECT_EQ(g->rockList.count, c.count) << c.region << " " << c.difficulty;
        for (int32_t j = 1; j <= g->rockList.count; ++j)
            EXPECT_EQ(g->rockList.visible[j], RockVisible(j, c.difficulty)) << j;
    }
}

TEST(RockPlacement, ScatteredRocksKeepTwoMilesFromTheHarbour) {
    for (int32_t area : {1, 2, 3, 4})
        for (uint32_t seed = 1; seed <= 100; ++seed) {
            auto g = StartedCruise({area, 1}, seed, 3);
            const AreaGrid& a = g->areaGrid;
            const int32_t first = area == 2 ? 12 : 19;
            for (int32_t j = first; j <= g->rockList.count; ++j) {
                const double d = DistanceTenths(g->rockList.x[j], g->rockList.y[j], a.harbourX, a.harbourY, 300);
                EXPECT_GE(d, 20.0) << "area " << area << " seed " << seed << " rock " << j;
            }
        }
}

TEST(RockPlacement, FirstRocksLieOffTheirIslands) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({2, 2}, seed);
        const AreaGrid& a = g->areaGrid;
        for (int32_t j = 1; j <= 11; ++j) {
            // A quarter beyond the rough shore.
            const double off = std::hypot(g->rockList.x[j] - a.islandX[j], g->rockList.y[j] - a.islandY[j]);
            const auto& sectors = a.islandSectorRadius[j];
            EXPECT_LE(off, 1.25 * *std::max_element(sectors.begin(), sectors.begin() + 36) + 2) << j;
            EXPECT_GE(off, 1.25 * *std::min_element(sectors.begin(), sectors.begin() + 36) - 2) << j;
        }
    }
}

}  // namespace
}  // namespace vel
