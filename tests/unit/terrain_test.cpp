#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::EmptyArea;
using test::RoundIsland;
using test::StraightCoast;

TEST(IslandDepth, DryWithinNineTenthsTwoFeetAtTheShoreTwentyTwoAtTwiceTheRadiusByTheNarrowestSector) {
    auto g = EmptyArea();
    RoundIsland(g->areaGrid, 1, 0, 5000, 1000);
    for (auto [distance, feet] : {std::pair{900, 0}, {1000, 2}, {2000, 22}})  // north and east
        EXPECT_EQ(std::pair(DepthAt(*g, 0, 5000 - distance, 1), DepthAt(*g, distance, 5000, 1)), std::pair(feet, feet))
            << distance;
    // Bearing 90 (sector 9) and 127 (sector 12) both see sector 9; 143 no longer does.
    g->areaGrid.islandSectorRadius[1][9] = 500;
    EXPECT_EQ(std::tuple(DepthAt(*g, 500, 5000, 1), DepthAt(*g, 800, 5600, 1), DepthAt(*g, 600, 5800, 1),
                         DepthAt(*g, 0, 4500, 1)),
              std::tuple(2, 22, 2, 0));
    // Sectors count from the island's rotation: sector 0 now faces east.
    std::tie(g->areaGrid.islandSectorRadius[1][9], g->areaGrid.islandSectorRadius[1][0],
             g->areaGrid.islandRotation[1]) = std::tuple(1000, 500, 90 * kDegToRad);
    EXPECT_EQ(std::pair(DepthAt(*g, 500, 5000, 1), DepthAt(*g, -1000, 5000, 1)), std::pair(2, 2));
}

TEST(IslandDepth, ChartShowsTheBahamianReefsSixFeetDeeper) {
    auto g = EmptyArea(2, 3);
    for (int32_t i = 1; i <= 15; ++i) RoundIsland(g->areaGrid, i, 20000 + 3000 * i, 0, 100);
    RoundIsland(g->areaGrid, 16, -3000, 2000, 500);
    RoundIsland(g->areaGrid, 17, 3000, 2000, 500);
    EXPECT_EQ(std::tuple(DepthAt(*g, 3000, 1500, 1), DepthAt(*g, 3000, 1500, 0), DepthAt(*g, 3000, 1500, 2),
                         DepthAt(*g, 3000, 2000, 2), DepthAt(*g, -3000, 1500, 2)),
              std::tuple(2, 2, 8, 6, 2));  // island 16 is charted
}

TEST(RockDepth, ZeroOnTheRockAFootPerTenUnitsOffAndOnlyRocksOneToCountCharted) {
    auto g = EmptyArea();
    RockList& r = g->rockList;
    r.count = 1;
    std::tie(r.x[1], r.y[1], r.x[0], r.y[0], r.x[2], r.y[2]) = std::tuple(1000, 1000, -3000, 3000, 5000, 5000);
    for (auto [x, y, kind, feet] : {std::tuple{1000, 1000, 1, 0}, {1030, 1020, 1, 5}, {1000, 1000, 2, 99},
                                    {-3000, 3000, 1, 99}, {5000, 5000, 1, 99}})
        EXPECT_EQ(DepthAt(*g, x, y, kind), feet) << x << "," << y << " kind " << kind;
}

// Mended: the shelf cap stops at 0.
TEST(AreaCap, ByRegionInOpenWaterAndAShelfFallingToNothingAtThreeCoastDistances) {
    for (auto [region, feet] : {std::pair{1, 99}, {2, 59}, {3, 19}})
        EXPECT_EQ(DepthAt(*EmptyArea(2, region), 0, 5000, 1), feet) << region;
    auto north = EmptyArea();
    for (auto [y, feet] : {std::pair{0, 99}, {-5250, 49}, {-10500, 0}, {-20000, 0}})
        EXPECT_EQ(DepthAt(*north, 0, y, 1), feet) << y;
    auto south = EmptyArea();
    std::tie(south->areaGrid.mainlandSide, south->areaGrid.coastBaseY, south->areaGrid.seaSign) = std::tuple(3, 3700, -1);
    for (auto [y, feet] : {std::pair{0, 99}, {1, 98}, {5550, 49}, {-5550, 99}})
        EXPECT_EQ(DepthAt(*south, 0, y, 1), feet) << y;
    // Landward of the undisturbed coast the coast area holds 30 ft, the river
    // too, with its shelf reaching four coast distances.
    auto coast = EmptyArea(1, 1);
    StraightCoast(coast->areaGrid, -8000);
    EXPECT_EQ(std::pair(DepthAt(*coast, 0, -3499, 1), DepthAt(*coast, 0, -3501, 1)), std::pair(66, 19));
    auto river = EmptyArea(4, 1);
    river->areaGrid.coastBaseY = -1820;
    test::StraightBanks(river->areaGrid, -8000, 8000);
    EXPECT_EQ(std::pair(DepthAt(*river, 0, 3000, 1), DepthAt(*river, 0, -3640, 1)), std::pair(30, 15));
}

// Mended: the coast lookup past either end keeps the end point; cove-head
// flats no longer run inland; river banks are chosen by the channel middle.
TEST(CoastDepth, TwentyUnitsAFootFromTheInterpolatedShoreWithItsEndPointsBeyondEitherEnd) {
    auto g = EmptyArea(1, 1);
    AreaGrid& a = g->areaGrid;
    StraightCoast(a, -3500);
    a.coastY[101] = -3000;
    const int32_t x = a.coastX[100] + 13;  // a fifth of the way to point 101
    EXPECT_EQ(std::tuple(CoastYAt(a, x, -3200), DepthAt(*g, x, -3200, 1), DepthAt(*g, x, -3450, 1),
                         DepthAt(*g, a.coastX[50], -3000, 1)),
              std::tuple(-3400, 10, 0, 25));
    a.coastY[2] = -3000;
    a.coastY[283] = -4000;
    EXPECT_EQ(std::tuple(CoastYAt(a, -9500, -100), CoastYAt(a, 50000, -100), CoastYAt(a, INT_MAX, -100),
                         CoastYAt(a, INT_MIN, -100)),
              std::tuple(-3000, -4000, -4000, -3000));
}

TEST(CoastDepth, CoveHeadsReadTwoFeetWhateverLiesThereButLandBehindStaysLand) {
    auto g = EmptyArea(1, 1);
    AreaGrid& a = g->areaGrid;
    StraightCoast(a, -3500);
    for (int32_t i = 29; i <= 40; ++i) a.coastY[i] = -5000;
    std::tie(a.coveStart[0], a.coveEnd[0], a.coveInnerY[0]) = std::tuple(30, 38, -4000);
    a.coveStart[1] = a.coveEnd[1] = a.coveStart[2] = a.coveEnd[2] = 200;
    const int32_t x = a.coastX[34];
    std::tie(g->rockList.count, g->rockList.x[1], g->rockList.y[1]) = std::tuple(1, x, -4100);
    RoundIsland(a, 1, x, -4250, 100);
    for (int32_t kind : {0, 1, 2}) EXPECT_EQ(DepthAt(*g, x, -4100, kind), 2) << kind;
    // Short of the head, on the limit itself, on the cove's edge, the land
    // behind, the other side.
    EXPECT_EQ(std::tuple(DepthAt(*g, x, -3900, 2), DepthAt(*g, x, -4000, 2), DepthAt(*g, a.coastX[30], -4100, 2),
                         DepthAt(*g, x, -5200, 1), DepthAt(*g, x, 4100, 2)),
              std::tuple(18, 18, 18, 0, 99));
    auto river = EmptyArea(4, 1);  // both banks pushed 2700 south: +880 and +4520
    river->areaGrid.coastBaseY = -1820;
    test::StraightBanks(river->areaGrid, 880, 4520);
    EXPECT_EQ(std::tuple(DepthAt(*river, 0, -3000, 1), DepthAt(*river, 0, 1080, 1), DepthAt(*river, 0, 4320, 1),
                         DepthAt(*river, 0, 6000, 1)),
              std::tuple(0, 10, 10, 0));
}

// Ahead stops under six feet as charted; upstream under twelve against the
// stream; a boat lying to an anchor or buoy probes from it unless the chart is up.
TEST(ShoalAhead, ProbesAheadUpstreamAndFromWhereTheBoatIsMadeFast) {
    auto g = EmptyArea(1, 1);
    StraightCoast(g->areaGrid, -3500);
    g->screenState.chartShown = 0;
    // The last two rows run along the shore: only the bow turned toward it finds it.
    for (auto [heading, kind, y, reach] : {std::tuple{0, 1, -3000, 400}, {0, 3, -3000, 400}, {355, 5, -3000, 400},
                                           {180, 1, -3000, 900}, {90, 7, -3350, 900}, {90, -7, -3350, 300}}) {
        g->ownBoat.heading = heading;
        EXPECT_EQ(ShoalAheadVirtual(*g, kind, 0, y), reach) << heading << " " << kind;
    }
    std::tie(g->tideState.virtualFrom, g->tideState.boatCurrentSpeed) = std::pair(0, 5);
    EXPECT_EQ(ShoalAheadVirtual(*g, 0, 0, -3000), 300);
    g->tideState.boatCurrentSpeed = -5;  // the ebb comes from the south
    EXPECT_EQ(ShoalAheadVirtual(*g, 0, 0, -3000), 900);
    std::tie(g->ownBoat.heading, g->ownBoat.anchored) = std::pair(0, 1);
    std::tie(g->anchors.anchor[1][1], g->anchors.xanch[1][1], g->anchors.yanch[1][1]) = std::tuple(3, 0, -3300);
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 100);
    g->screenState.chartShown = 1;
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 400);
    std::tie(g->screenState.chartShown, g->ownBoat.anchored, g->ownBoat.onBuoy) = std::tuple(0, 0, 2);
    std::tie(g->moorings.buoyX[1], g->moorings.buoy2Y) = std::pair(0, -3350);
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, 0), 100);
    for (int32_t x : {INT_MIN, INT_MAX, 0})
        for (int32_t y : {INT_MIN, INT_MAX, 0}) {
            const int32_t d = ShoalAheadVirtual(*g, 1, x, y);
            EXPECT_TRUE(d == 900 || (d >= 100 && d <= 700)) << x << " " << y << " " << d;
        }
}

// Mended: a strip of no height no longer divides by zero.
TEST(Strips, NameTheSideAPointLiesOn) {
    // South line y 1000, north line y -1000; the edges widen northward.
    const auto ns = [](int32_t x, int32_t y) { return InStripNS(-500, 1000, -1500, -1000, 1500, 500, x, y); };
    const auto ew = [](int32_t x, int32_t y) { return InStripEW(-1000, 500, -500, 1000, -1500, 1500, x, y); };
    for (auto [x, y, side] : {std::tuple{0, 1001, -1}, {0, -1001, -2}, {-1001, 0, -3}, {-1000, 0, 1}, {1000, 0, 1},
                              {1001, 0, -4}, {-500, 1000, 1}, {-1500, -1000, 1}})
        EXPECT_EQ(ns(x, y), side) << x << "," << y;
    EXPECT_EQ(std::tuple(ew(-1001, 0), ew(0, -1000), ew(0, 1001)), std::tuple(-1, 1, -4));
    EXPECT_EQ(InStripNS(-10, 0, -10, 0, 10, 10, 0, 0), 1);
    EXPECT_EQ(InStripEW(0, 10, -10, 0, -10, 10, 0, 0), 1);
}

}  // namespace
}  // namespace vel
