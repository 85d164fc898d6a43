#include <gtest/gtest.h>

#include <climits>

#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::EmptyArea;
using test::RoundIsland;
using test::StraightCoast;

// ---- Islands ----------------------------------------------------------------

TEST(IslandDepth, DryWithinNineTenthsTwoFeetAtTheShoreAndTwentyTwoAtTwiceTheRadius) {
    auto g = EmptyArea();
    RoundIsland(g->areaGrid, 1, 0, 5000, 1000);
    struct Case {
        int32_t distance, feet;
    };
    for (const Case c : {Case{0, 0}, Case{900, 0}, Case{1000, 2}, Case{1500, 12}, Case{2000, 22}}) {
        EXPECT_EQ(DepthAt(*g, 0, 5000 - c.distance, 1), c.feet) << "north, " << c.distance;
        EXPECT_EQ(DepthAt(*g, c.distance, 5000, 1), c.feet) << "east, " << c.distance;
    }
}

TEST(IslandDepth, NarrowestOfTheSevenSectorsAroundTheBearingServes) {
    auto g = EmptyArea();
    RoundIsland(g->areaGrid, 1, 0, 5000, 1000);
    g->areaGrid.islandSectorRadius[1][9] = 500;  // bearings 90..99
    // Bearing 90 (sector 9) and 127 (sector 12) both see sector 9; bearing
    // 143 (sector 14) no longer does.
    EXPECT_EQ(DepthAt(*g, 500, 5000, 1), 2);
    EXPECT_EQ(DepthAt(*g, 800, 5600, 1), 22);  // 1000 off at bearing 127
    EXPECT_EQ(DepthAt(*g, 600, 5800, 1), 2);   // 1000 off at bearing 143
    EXPECT_EQ(DepthAt(*g, 0, 4500, 1), 0);     // north: the full radius
}

TEST(IslandDepth, SectorsAreCountedFromTheIslandsRotation) {
    auto g = EmptyArea();
    RoundIsland(g->areaGrid, 1, 0, 5000, 1000);
    g->areaGrid.islandSectorRadius[1][0] = 500;
    g->areaGrid.islandRotation[1] = 90 * kDegToRad;  // sector 0 now faces east
    EXPECT_EQ(DepthAt(*g, 500, 5000, 1), 2);
    EXPECT_EQ(DepthAt(*g, -1000, 5000, 1), 2);  // west: sector 18, full radius
}

TEST(IslandDepth, ChartShowsTheBahamianReefsSixFeetDeeper) {
    auto g = EmptyArea(2, 3);
    for (int32_t i = 1; i <= 17; ++i) RoundIsland(g->areaGrid, i, 20000 + 3000 * i, 0, 100);
    RoundIsland(g->areaGrid, 16, -3000, 2000, 500);
    RoundIsland(g->areaGrid, 17, 3000, 2000, 500);
    EXPECT_EQ(DepthAt(*g, 3000, 1500, 1), 2);
    EXPECT_EQ(DepthAt(*g, 3000, 1500, 0), 2);
    EXPECT_EQ(DepthAt(*g, 3000, 1500, 2), 8);
    EXPECT_EQ(DepthAt(*g, 3000, 2000, 2), 6);
    EXPECT_EQ(DepthAt(*g, -3000, 1500, 2), 2);  // island 16 is charted
}

// ---- Rocks ------------------------------------------------------------------

// One rock, number 1, at (1000, 1000).
struct RockDepth : ::testing::Test {
    std::unique_ptr<Game> g = EmptyArea();
    RockList& r = g->rockList;
    void SetUp() override {
        r.count = 1;
        r.x[1] = 1000;
        r.y[1] = 1000;
    }
};

TEST_F(RockDepth, ZeroOnTheRockRisingAFootPerTenUnitsOfManhattanDistance) {
    EXPECT_EQ(DepthAt(*g, 1000, 1000, 1), 0);
    EXPECT_EQ(DepthAt(*g, 1000, 1000, 0), 0);
    EXPECT_EQ(DepthAt(*g, 1030, 1020, 1), 5);
    EXPECT_EQ(DepthAt(*g, 970, 980, 1), 5);
    EXPECT_EQ(DepthAt(*g, 1099, 1000, 1), 9);
}

TEST_F(RockDepth, ChartLeavesRocksOutAndOnlyRocksOneToCountCount) {
    r.x[0] = -3000;
    r.y[0] = 3000;
    r.x[2] = r.y[2] = 5000;
    EXPECT_EQ(DepthAt(*g, 1000, 1000, 2), 99);
    EXPECT_EQ(DepthAt(*g, -3000, 3000, 1), 99);
    EXPECT_EQ(DepthAt(*g, 5000, 5000, 1), 99);
}

// ---- Open water caps and the shelf ------------------------------------------

TEST(AreaCap, ByRegionInOpenWater) {
    struct Case {
        int32_t region, feet;
    };
    for (const Case c : {Case{1, 99}, Case{2, 59}, Case{3, 19}}) {
        auto g = EmptyArea(2, c.region);
        EXPECT_EQ(DepthAt(*g, 0, 5000, 1), c.feet) << c.region;
    }
}

TEST(AreaCap, ShelfFallsFromTheCentreLineToNothingAtThreeCoastDistances) {
    auto north = EmptyArea();
    EXPECT_EQ(DepthAt(*north, 0, 0, 1), 99);
    EXPECT_EQ(DepthAt(*north, 0, -5250, 1), 49);
    EXPECT_EQ(DepthAt(*north, 0, -10500, 1), 0);
    // Beyond that the line would go on falling; land reads 0.
    EXPECT_EQ(DepthAt(*north, 0, -20000, 1), 0);

    auto south = EmptyArea();
    south->areaGrid.mainlandSide = 3;
    south->areaGrid.coastBaseY = 3700;
    south->areaGrid.seaSign = -1;
    EXPECT_EQ(DepthAt(*south, 0, 0, 1), 99);
    EXPECT_EQ(DepthAt(*south, 0, 1, 1), 98);
    EXPECT_EQ(DepthAt(*south, 0, 5550, 1), 49);
    EXPECT_EQ(DepthAt(*south, 0, -5550, 1), 99);
}

TEST(AreaCap, CoastAreaLandwardOfTheUndisturbedCoastHoldsThirtyFeet) {
    auto g = EmptyArea(1, 1);
    StraightCoast(g->areaGrid, -8000);  // far inland: the cap alone decides
    EXPECT_EQ(DepthAt(*g, 0, -3499, 1), 66);
    EXPECT_EQ(DepthAt(*g, 0, -3501, 1), 19);
}

TEST(AreaCap, RiverHoldsThirtyFeetAndItsShelfReachesFourCoastDistances) {
    auto g = EmptyArea(4, 1);
    AreaGrid& a = g->areaGrid;
    a.coastBaseY = -1820;
    test::StraightBanks(a, -8000, 8000);
    EXPECT_EQ(DepthAt(*g, 0, 3000, 1), 30);
    EXPECT_EQ(DepthAt(*g, 0, -3640, 1), 15);
}

// ---- The coastline ----------------------------------------------------------

TEST(CoastDepth, TwentyUnitsAFootFromTheShoreInterpolatedBetweenPoints) {
    auto g = EmptyArea(1, 1);
    AreaGrid& a = g->areaGrid;
    StraightCoast(a, -3500);
    a.coastY[101] = -3000;
    const int32_t x = a.coastX[100] + 13;  // a fifth of the way to point 101
    EXPECT_EQ(CoastYAt(a, x, -3200), -3400);
    EXPECT_EQ(DepthAt(*g, x, -3200, 1), 10);
    EXPECT_EQ(DepthAt(*g, x, -3450, 1), 0);  // beyond the shore
    EXPECT_EQ(DepthAt(*g, a.coastX[50], -3000, 1), 25);
}

TEST(CoastDepth, ShoreHoldsItsEndPointsBeyondEitherEnd) {
    auto g = EmptyArea(1, 1);
    AreaGrid& a = g->areaGrid;
    StraightCoast(a, -3500);
    a.coastY[2] = -3000;
    a.coastY[283] = -4000;
    EXPECT_EQ(CoastYAt(a, -9500, -100), -3000);
    EXPECT_EQ(CoastYAt(a, 50000, -100), -4000);
    EXPECT_EQ(CoastYAt(a, INT_MAX, -100), -4000);
    EXPECT_EQ(CoastYAt(a, INT_MIN, -100), -3000);
}

TEST(CoastDepth, CoveHeadsReadTwoFeetWhateverLiesThereButLandBehindStaysLand) {
    auto g = EmptyArea(1, 1);
    AreaGrid& a = g->areaGrid;
    StraightCoast(a, -3500);
    for (int32_t i = 29; i <= 40; ++i) a.coastY[i] = -5000;
    a.coveStart[0] = 30;
    a.coveEnd[0] = 38;
    a.coveInnerY[0] = -4000;
    a.coveStart[1] = a.coveEnd[1] = a.coveStart[2] = a.coveEnd[2] = 200;
    const int32_t x = a.coastX[34];
    g->rockList.count = 1;
    g->rockList.x[1] = x;
    g->rockList.y[1] = -4100;
    RoundIsland(a, 1, x, -4250, 100);
    for (int32_t kind : {0, 1, 2}) EXPECT_EQ(DepthAt(*g, x, -4100, kind), 2) << kind;
    EXPECT_EQ(DepthAt(*g, x, -3900, 2), 18);                // short of the head
    EXPECT_EQ(DepthAt(*g, x, -4000, 2), 18);                // on the limit itself
    EXPECT_EQ(DepthAt(*g, a.coastX[30], -4100, 2), 18);     // on the cove's edge
    EXPECT_EQ(DepthAt(*g, x, -5200, 1), 0);                 // the land behind
    EXPECT_EQ(DepthAt(*g, x, 4100, 2), 99);                 // the other side
}

TEST(CoastDepth, RiverBankThatBendsAcrossTheCentreLineStillBoundsTheWater) {
    auto g = EmptyArea(4, 1);
    AreaGrid& a = g->areaGrid;
    a.coastBaseY = -1820;
    // Both banks pushed 2700 south: the north bank at +880, the south at
    // +4520.
    test::StraightBanks(a, 880, 4520);
    EXPECT_EQ(DepthAt(*g, 0, -3000, 1), 0);   // north of the north bank
    EXPECT_EQ(DepthAt(*g, 0, 1080, 1), 10);   // 200 off the north bank
    EXPECT_EQ(DepthAt(*g, 0, 4320, 1), 10);   // 200 off the south bank
    EXPECT_EQ(DepthAt(*g, 0, 6000, 1), 0);    // south of the south bank
}

// ---- Probes ahead -----------------------------------------------------------

struct ProbeFixture : ::testing::Test {
    std::unique_ptr<Game> g = EmptyArea(1, 1);
    void SetUp() override {
        StraightCoast(g->areaGrid, -3500);
        g->ownBoat.heading = 0;
        g->screenState.chartShown = 0;
    }
};

TEST_F(ProbeFixture, AheadStopsUnderSixFeetAsCharted) {
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 400);
    EXPECT_EQ(ShoalAheadVirtual(*g, 3, 0, -3000), 400);
    g->ownBoat.heading = 355;
    EXPECT_EQ(ShoalAheadVirtual(*g, 5, 0, -3000), 400);
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 400);  // 355 still looks north
    g->ownBoat.heading = 180;
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 900);
}

TEST_F(ProbeFixture, UpstreamStopsUnderTwelveFeetAgainstTheStream) {
    g->tideState.virtualFrom = 0;
    g->tideState.boatCurrentSpeed = 5;
    EXPECT_EQ(ShoalAheadVirtual(*g, 0, 0, -3000), 300);
    g->tideState.boatCurrentSpeed = -5;  // the ebb comes from the south
    EXPECT_EQ(ShoalAheadVirtual(*g, 0, 0, -3000), 900);
}

TEST_F(ProbeFixture, BoatLyingToAnAnchorOrBuoyProbesFromItUnlessTheChartIsUp) {
    g->ownBoat.anchored = 1;
    g->anchors.anchor[1][1] = 3;
    g->anchors.xanch[1][1] = 0;
    g->anchors.yanch[1][1] = -3300;
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 100);
    g->screenState.chartShown = 1;
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, -3000), 400);
    g->screenState.chartShown = 0;
    g->ownBoat.anchored = 0;
    g->ownBoat.onBuoy = 2;
    g->moorings.buoyX[1] = 0;
    g->moorings.buoy2Y = -3350;
    EXPECT_EQ(ShoalAheadVirtual(*g, 1, 0, 0), 100);
}

TEST_F(ProbeFixture, ProbesFromTheEdgesOfTheNumberRangeStayDefined) {
    for (int32_t x : {INT_MIN, INT_MAX, 0})
        for (int32_t y : {INT_MIN, INT_MAX, 0}) {
            const int32_t d = ShoalAheadVirtual(*g, 1, x, y);
            EXPECT_TRUE(d == 900 || (d >= 100 && d <= 700)) << x << " " << y << " " << d;
        }
}

// ---- Strips -------------------------------------------------------------------

TEST(Strips, NorthSouthStripNamesTheSideAPointLiesOn) {
    // South line y 1000, north line y -1000; the edges widen northward.
    const auto at = [](int32_t x, int32_t y) { return InStripNS(-500, 1000, -1500, -1000, 1500, 500, x, y); };
    EXPECT_EQ(at(0, 1001), -1);
    EXPECT_EQ(at(0, -1001), -2);
    EXPECT_EQ(at(-1001, 0), -3);
    EXPECT_EQ(at(-1000, 0), 1);
    EXPECT_EQ(at(1000, 0), 1);
    EXPECT_EQ(at(1001, 0), -4);
    EXPECT_EQ(at(-500, 1000), 1);
    EXPECT_EQ(at(-1500, -1000), 1);
    EXPECT_EQ(InStripNS(-10, 0, -10, 0, 10, 10, 0, 0), 1);  // a strip of no height
}

TEST(Strips, EastWestStripNamesTheSideAPointLiesOn) {
    const auto at = [](int32_t x, int32_t y) { return InStripEW(-1000, 500, -500, 1000, -1500, 1500, x, y); };
    EXPECT_EQ(at(-1001, 0), -1);
    EXPECT_EQ(at(1001, 0), -2);
    EXPECT_EQ(at(0, -1001), -3);
    EXPECT_EQ(at(0, -1000), 1);
    EXPECT_EQ(at(0, 1000), 1);
    EXPECT_EQ(at(0, 1001), -4);
    EXPECT_EQ(InStripEW(0, 10, -10, 0, -10, 10, 0, 0), 1);
}

}  // namespace
}  // namespace vel
