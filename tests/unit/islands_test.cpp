#include <gtest/gtest.h>

#include <cstdlib>

#include "world/islands.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

// A round, unrotated island of radius 1000: a point at parameter angle t lies
// r from the centre, r = 1000 + random(25) times the bay factor of its notch.
TEST(IslandOutline, SectorsFollowTheNotchesBayFactors) {
    constexpr double kBay[] = {0.9, 0.8, 0.7, 0.65, 0.6, 0.6, 0.65, 0.7, 0.8, 0.9};
    for (int32_t notch : {0, 25}) {
        auto g = std::make_unique<Game>();
        BuildIsland(*g, 3, {2000, -1000, 1000, 1.0, 0, notch});
        for (int k = 0; k < 36; ++k) {
            const double f = (notch && k >= 25 && k <= 34) ? kBay[k - 25] : 1.0;
            const int32_t r = g->areaGrid.islandSectorRadius[3][k];
            EXPECT_TRUE(r >= static_cast<int32_t>(1000 * f) - 2 && r <= static_cast<int32_t>(1026 * f) + 1)
                << notch << " sector " << k << ": " << r;
        }
    }
}

TEST(IslandOutline, ClosesLiesAlongTheRotationAndSlotsOutsideTheTableAreIgnored) {
    auto g = std::make_unique<Game>();
    BuildIsland(*g, 3, {0, 0, 1000, 0.3, 90, 0});
    const auto& o = g->areaGrid.islandOutline[3];
    EXPECT_EQ(o[36], o[0]);
    // Point 0 lies along the rotation's bearing (east), point 9 across it.
    EXPECT_TRUE(o[0][0] >= 998 && std::abs(o[0][1]) <= 1 && std::abs(o[9][0]) <= 1) << o[0][0] << " " << o[9][0];
    EXPECT_TRUE(o[9][1] >= 298 && o[9][1] <= 309) << o[9][1];
    EXPECT_EQ(g->areaGrid.islandSectorRadius[3][9], std::abs(o[9][1]));
    const AreaGrid before = g->areaGrid;
    BuildIsland(*g, 0, {0, 0, 1000, 1.0, 0, 0});
    BuildIsland(*g, kIslandSlots, {0, 0, 1000, 1.0, 0, 0});
    EXPECT_EQ(g->areaGrid.islandX, before.islandX);
    EXPECT_EQ(g->areaGrid.islandOutline[0], before.islandOutline[0]);
}

// River islands follow the bend, not the mirror; the Bahamas add four
// uncharted reefs of whole tens away from the centre line.
TEST(IslandRecipes, RiverIslandsFollowTheBendAndTheBahamasAddFourReefs) {
    int mirrored = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({4, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        mirrored += a.mirrored;
        const int32_t d = a.riverBend;
        ASSERT_TRUE(d == 1 || d == -1);
        EXPECT_EQ(std::tuple(a.islandX[1], a.islandY[1], a.islandY[6], a.islandX[16]),
                  std::tuple(-7000, -2700 * d, d * (300 * 6 - 3200), d == 1 ? -1900 : -2100));
        EXPECT_NEAR(a.islandRotation[1], (d == 1 ? 110 : 70) * kDegToRad, 1e-12);
        auto b = StartedCruise({2, 3}, seed);
        EXPECT_EQ(b->areaGrid.islandCount, 20);
        for (int32_t i = 17; i <= 20; ++i)
            EXPECT_TRUE(b->areaGrid.islandX[i] % 10 == 0 && std::abs(b->areaGrid.islandY[i]) >= 800 &&
                        b->areaGrid.islandRadius[i] >= 300)
                << i;
    }
    EXPECT_GT(mirrored, 0);
}

}  // namespace
}  // namespace vel
