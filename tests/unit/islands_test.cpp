#include <gtest/gtest.h>

#include <cstdlib>

#include "world/islands.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

// ---- One island's outline ---------------------------------------------------

struct OutlineFixture : ::testing::Test {
    std::unique_ptr<Game> g = std::make_unique<Game>();
    // A round, unrotated island of radius 1000: a point at parameter angle
    // t lies r from the centre, r = 1000 + random(25) times the bay factor.
    void Build(int32_t notch) { BuildIsland(*g, 3, {2000, -1000, 1000, 1.0, 0, notch}); }
    int32_t Sector(int k) const { return g->areaGrid.islandSectorRadius[3][k]; }
};

TEST_F(OutlineFixture, NoNotchNoBay) {
    Build(0);
    for (int k = 0; k < 36; ++k) {
        EXPECT_GE(Sector(k), 998) << k;
        EXPECT_LE(Sector(k), 1026) << k;
    }
}

TEST_F(OutlineFixture, LargestNotchKeepsItsTenFactorsInsideTheSectors) {
    Build(25);
    constexpr double kBay[] = {0.9, 0.8, 0.7, 0.65, 0.6, 0.6, 0.65, 0.7, 0.8, 0.9};
    for (int k = 0; k < 36; ++k) {
        const double f = (k >= 25 && k <= 34) ? kBay[k - 25] : 1.0;
        EXPECT_GE(Sector(k), static_cast<int32_t>(1000 * f) - 2) << k;
        EXPECT_LE(Sector(k), static_cast<int32_t>(1026 * f) + 1) << k;
    }
}

TEST_F(OutlineFixture, OutlineClosesAndItsLengthLiesAlongTheRotation) {
    BuildIsland(*g, 3, {0, 0, 1000, 0.3, 90, 0});
    const auto& o = g->areaGrid.islandOutline[3];
    EXPECT_EQ(o[36], o[0]);
    // Point 0 lies along the rotation's bearing (east), point 9 across it.
    EXPECT_GE(o[0][0], 998);
    EXPECT_LE(std::abs(o[0][1]), 1);
    EXPECT_LE(std::abs(o[9][0]), 1);
    EXPECT_GE(o[9][1], 298);
    EXPECT_LE(o[9][1], 309);
    EXPECT_EQ(g->areaGrid.islandSectorRadius[3][9], std::abs(o[9][1]));
}

TEST_F(OutlineFixture, SlotsOutsideTheTableAreIgnored) {
    const AreaGrid before = g->areaGrid;
    BuildIsland(*g, 0, {0, 0, 1000, 1.0, 0, 0});
    BuildIsland(*g, kIslandSlots, {0, 0, 1000, 1.0, 0, 0});
    EXPECT_EQ(g->areaGrid.islandX, before.islandX);
    EXPECT_EQ(g->areaGrid.islandOutline[0], before.islandOutline[0]);
}

// ---- Slot recipes -----------------------------------------------------------

TEST(IslandRecipes, CoastSlotsReadTheirNeighboursAndMostTurnWithTheMirror) {
    int mirrored = 0, plain = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto g = StartedCruise({1, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        const int32_t s = a.seaSign;
        (a.mirrored ? mirrored : plain)++;
        EXPECT_EQ(a.islandX[1], a.mirrored ? 7000 : -7000);
        EXPECT_EQ(a.islandY[2], a.islandY[1] - 500 * s);
        EXPECT_EQ(a.islandX[9], -8000);  // ends west in both layouts
        EXPECT_EQ(a.islandX[10], a.coastX[a.coveStart[1] + 4]);
        EXPECT_EQ(a.islandY[10], a.coastY[a.coveStart[1]]);
        EXPECT_EQ(a.islandX[13], a.mirrored ? a.coveEndX[0] : a.coastX[a.coveStart[0] - 3] + 300);
        EXPECT_EQ(a.islandY[13], a.coastY[a.coveStart[0] - 3] + 200 * s);
        const int32_t mean = (a.islandX[1] + a.islandX[2]) / 2;
        EXPECT_EQ(a.islandX[16], a.mirrored ? -(mean + 1000) : mean);
        EXPECT_EQ(a.islandY[16], 800 * s);
        if (!a.mirrored) {
            const int32_t point = a.mainlandSide == 1 ? 30 : 5;
            EXPECT_EQ(a.islandX[14], a.islandOutline[11][point][0]);
            EXPECT_EQ(a.islandY[14], a.islandOutline[11][point][1] - 500 * s);
        }
        for (int32_t i = 1; i <= 16; ++i) EXPECT_GT(a.islandRadius[i], 0) << i;
    }
    EXPECT_GT(mirrored, 0);
    EXPECT_GT(plain, 0);
}

TEST(IslandRecipes, WaterwaySlotNineEndsEastInBothLayouts) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        auto g = StartedCruise({3, 2}, seed);
        EXPECT_EQ(g->areaGrid.islandX[9], 8000);
        EXPECT_EQ(g->areaGrid.islandRadius[13], 400);
    }
}

TEST(IslandRecipes, IslandsAreaSlotThirteenFollowsSlotThreeUnturned) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({2, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        EXPECT_EQ(a.islandX[13], a.islandX[3] + (a.mirrored ? -1500 : 2000));
        EXPECT_EQ(a.islandY[13], (a.islandY[3] + a.islandY[4]) / 2 - (a.mirrored ? 800 : 300));
        EXPECT_EQ(a.islandY[16], a.islandY[5]);
        EXPECT_EQ(a.islandX[16], a.mirrored ? 8000 : a.islandX[5] - 1200);
        EXPECT_EQ(a.islandX[14], a.mirrored ? -8000 : 8000);
        EXPECT_EQ(a.islandY[14], a.mainlandSide == 1 ? -2300 : -1500);
        EXPECT_EQ(a.islandCount, 16);
    }
}

TEST(IslandRecipes, RiverIslandsFollowTheBendNotTheMirror) {
    int mirrored = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({4, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        mirrored += a.mirrored;
        const int32_t d = a.riverBend;
        ASSERT_TRUE(d == 1 || d == -1);
        EXPECT_EQ(a.islandX[1], -7000);
        EXPECT_EQ(a.islandY[1], -2700 * d);
        EXPECT_EQ(a.islandX[3], 8000);
        EXPECT_EQ(a.islandY[3], 1200 * a.seaSign);
        EXPECT_EQ(a.islandY[6], d * (300 * 6 - 3200));
        EXPECT_EQ(a.islandX[16], d == 1 ? -1900 : -2100);
        EXPECT_NEAR(a.islandRotation[1], (d == 1 ? 110 : 70) * kDegToRad, 1e-12);
    }
    EXPECT_GT(mirrored, 0);
}

TEST(IslandRecipes, BahamasAddFourUnchartedReefs) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({2, 3}, seed);
        const AreaGrid& a = g->areaGrid;
        EXPECT_EQ(a.islandCount, 20);
        for (int32_t i = 17; i <= 20; ++i) {
            EXPECT_EQ(a.islandX[i] % 10, 0);
            EXPECT_GE(std::abs(a.islandY[i]), 800);
            EXPECT_GE(a.islandRadius[i], 300);
        }
    }
}

}  // namespace
}  // namespace vel
