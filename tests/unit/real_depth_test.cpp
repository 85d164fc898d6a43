#include "world/real_terrain.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>

#include "common/helpers.h"
#include "world/real_area.h"
#include "world/terrain.h"

namespace vel {
namespace {

// An empty real area: Maine's slopes (islands 0.3 below R 501, shoals 0.6),
// no mainland, nothing but what a test puts in. Features sit far from the
// area's hand-placed patches.
std::unique_ptr<Game> EmptyRealArea(int32_t code = 20, int32_t region = 1) {
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    AreaGrid& a = g->areaGrid;
    a.areaCode = g->cruiseOptions.areaCode = code;
    a.region = region;
    a.isRealArea = g->cruiseOptions.isRealArea = 1;
    a.unitsPerMile = 175;
    return g;
}

void PutIsland(AreaGrid& a, int32_t i, int32_t x, int32_t y, int32_t R, double aspect, int32_t skew = 0) {
    a.realIslandX[i] = x;
    a.realIslandY[i] = y;
    a.R[i] = R;
    a.aspect[i] = aspect;
    a.realCos[i] = 1.0;  // rotation 0: the long axis runs north-south
    a.realSin[i] = 0.0;
    a.skewSector[i] = skew;
}

void PutShoal(AreaGrid& a, int32_t k, int32_t x, int32_t y, int32_t R) {
    a.shoalX[k] = x;
    a.shoalY[k] = y;
    a.shoalR[k] = R;
    a.shoalAspect[k] = 1.0;
    a.shoalCos[k] = 1.0;
}

constexpr int32_t kX = -10000, kY = 8000;

// A real area loaded from its tables, nothing else of a cruise.
std::unique_ptr<Game> LoadedRealArea(int32_t code) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.areaCode = code;
    g->areaGrid.isRealArea = g->cruiseOptions.isRealArea = 1;
    LoadRealArea(*g);
    return g;
}

// Each feature stands 20000 units from the next: none reads below the cap
// at another's place.
TEST(RealDepth, IslandsShoalsAndRocksByTheirRules) {
    auto g = EmptyRealArea();
    AreaGrid& a = g->areaGrid;
    PutIsland(a, 1, -20000, -20000, 400, 0.5);  // group A
    PutIsland(a, 2, 0, -20000, 400, 0.5, 10);   // group B, skewed east
    a.islandCountA = 1;
    a.islandCountB = 1;
    PutShoal(a, 1, -20000, 0, 300);
    PutShoal(a, 2, 0, 0, 300);  // an extra shoal
    PutShoal(a, 3, 20000, 0, 300);
    a.shoalDisabled[3] = 1;
    a.shoalCount = 1;
    a.shoalCountExtra = 2;
    g->rockList.realCount = 1;
    g->rockList.x[0] = 20000;
    g->rockList.y[0] = -20000;
    BuildRealDepthIndex(a);
    struct Case {
        int32_t x, y, mode;
        double depth;
    };
    const Case cases[] = {
        {-20000, -20000, 0, 0.0},     // dry at the centre
        {-20000, -20400, 0, 0.0},     // the nominal shore, n = 1
        {-20000, -20800, 0, 29.7},    // n = 2 along: (198 - 99) x 0.3
        {-19600, -20000, 0, 29.7},    // n = 2 across at aspect 0.5
        {0, -20000, 1, 0.0},          // group B is land too
        {0, -20800, 1, 32.7},         // and 3 ft deeper off its shore
        {400, -20000, 1, 44.58},      // its skewed east half reaches n = 2.4
        {-400, -20000, 1, 32.7},      // its west half is not skewed
        {0, -20000, 2, 1000.0},       // as charted, group B is not there
        {-20000, 600, 0, 59.4},       // shoal, n = 2: 99 x 0.6
        {0, 600, 0, 62.4},            // the extra shoal reads 3 ft deeper
        {0, 600, 2, 1000.0},          // and is not charted
        {20000, 0, 0, 1000.0},        // a disabled shoal is not there
        {20030, -19980, 0, 10.0},     // rock: Manhattan 50 x 0.2
        {20030, -19980, 2, 1000.0},   // not charted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " mode " << c.mode);
        EXPECT_NEAR(RealDepth(*g, c.x, c.y, c.mode, 0), c.depth, 1e-6);
    }
}

TEST(RealDepth, ShoreProfilesAndCapsOfEachArea) {
    auto maine = EmptyRealArea(20, 1);
    AreaGrid& m = maine->areaGrid;
    m.shoreStep = 100;
    for (int32_t k = 0; k <= 300; ++k) m.shoreX[k] = -15000 + std::max(k - 1, 0) * 100, m.shoreY[k] = 0;
    EXPECT_DOUBLE_EQ(RealDepth(*maine, 0, 1000, 1, 0), 1000.0);  // guard unset: no mainland
    m.shoreXMin = -15000;
    m.shoreXMax = 14900;
    BuildRealDepthIndex(m);
    EXPECT_DOUBLE_EQ(RealDepth(*maine, 0, -100, 1, 0), 0.0);                 // north of the shore
    EXPECT_NEAR(RealDepth(*maine, 0, 1000, 1, 0), 70.0, 1e-9);               // 1000 x 0.07
    EXPECT_DOUBLE_EQ(RealDepth(*maine, 15500, 1000, 1, 0), 1000.0);          // beyond its x range

    auto bay = EmptyRealArea(12, 2);
    AreaGrid& b = bay->areaGrid;
    b.westStep = b.eastStep = 100;
    for (int32_t k = 0; k <= 300; ++k) {
        b.westShoreY[k] = b.eastShoreY[k] = -15000 + std::max(k - 1, 0) * 100;
        b.westShoreX[k] = -1000;
        b.eastShoreX[k] = 3000;
    }
    b.westYMin = b.eastYMin = -15000;
    b.westYMax = 14900;
    b.eastYMax = 5000;
    BuildRealDepthIndex(b);
    EXPECT_DOUBLE_EQ(RealDepth(*bay, -2000, 0, 1, 0), 0.0);    // west of the western shore
    EXPECT_NEAR(RealDepth(*bay, 2500, 0, 1, 0), 35.0, 1e-9);   // 500 off the eastern shore
    EXPECT_DOUBLE_EQ(RealDepth(*bay, 0, 0, 1, 0), 60.0);       // the bay's cap
    EXPECT_DOUBLE_EQ(RealDepth(*bay, 4000, 0, 1, 0), 0.0);     // the Eastern Shore
    EXPECT_DOUBLE_EQ(RealDepth(*bay, 2900, 6000, 1, 0), 60.0);  // south of its cape: open water
    EXPECT_DOUBLE_EQ(RealDepth(*bay, 6000, 6000, 1, 0), 9.0);   // the shoal water off the capes

    // The Exumas: deep in the sound, 15 ft at most on the bank.
    auto exumas = EmptyRealArea(30, 3);
    EXPECT_TRUE(InDeepSound(10000, 10000));
    EXPECT_FALSE(InDeepSound(0, 10000));
    EXPECT_TRUE(OnWestBank(-5000, 0));
    EXPECT_FALSE(OnWestBank(0, 0));
    EXPECT_DOUBLE_EQ(RealDepth(*exumas, 10000, 10000, 1, 0), 1000.0);
    EXPECT_DOUBLE_EQ(RealDepth(*exumas, 0, 10000, 1, 0), 15.0);
}

TEST(RealDepth, AnyPointOfThePlaneAnswersWithoutReadingPastATable) {
    for (const int32_t code : {11, 12, 20, 30}) {
        SCOPED_TRACE(code);
        auto g = LoadedRealArea(code);
        for (const int32_t x : {-32767, -26001, 0, 25999, 26000, 32767, INT_MIN, INT_MAX})
            for (const int32_t y : {-32767, -26001, 0, 25999, 26000, 32767, INT_MIN, INT_MAX}) {
                const int32_t d = DepthAt(*g, x, y, 1);
                EXPECT_GE(d, 0);
                EXPECT_LE(d, 1000);
                const int32_t s = ShoalAheadReal(*g, 0, x, y);
                EXPECT_TRUE(s == 900 || (s >= 50 && s <= 900 && s % 50 == 0));
            }
    }
}

// The depth index may only skip what cannot be the shallowest: every point
// reads as with no index at all.
TEST(RealDepth, IndexAnswersAsAskingEveryIslandAndShoal) {
    for (const int32_t code : {11, 12, 20, 30}) {
        SCOPED_TRACE(code);
        auto g = LoadedRealArea(code);
        auto all = std::make_unique<Game>(*g);
        all->areaGrid.realCellStart.fill(-1);
        for (int32_t y = -25900; y < 26000; y += 173)
            for (int32_t x = -25900; x < 26000; x += 211)
                for (const int32_t mode : {1, 2})
                    ASSERT_EQ(RealDepth(*g, x, y, mode, 0), RealDepth(*all, x, y, mode, 0)) << x << "," << y << " mode " << mode;
    }
}

TEST(ShoalAheadReal, DistanceToTheFirstShoalAlongTheHeading) {
    auto g = EmptyRealArea();
    AreaGrid& a = g->areaGrid;
    PutIsland(a, 1, kX, kY - 1000, 300, 1.0);  // group A, 1000 north of the boat
    PutIsland(a, 2, kX + 1000, kY, 300, 1.0);  // group B, 1000 east
    a.islandCountA = 1;
    a.islandCountB = 1;
    BuildRealDepthIndex(a);
    // Below 5 ft within n < 1 + 5 / 59.4 of the shore: the probe at 650
    // north reads 1.0 x (99 x 350 / 300 - 99) x 0.3 = 4.95 ft.
    g->ownBoat.heading = 0;
    EXPECT_EQ(ShoalAheadReal(*g, 1, kX, kY), 650);
    EXPECT_EQ(ShoalAheadReal(*g, 5, kX, kY), 700);  // five degrees off meets it further on
    g->ownBoat.heading = 90;
    EXPECT_EQ(ShoalAheadReal(*g, 1, kX, kY), 900);  // as charted, group B is not there
    EXPECT_EQ(ShoalAheadReal(*g, 3, kX, kY), 700);  // but it is there: dry from its shore
    g->ownBoat.heading = 180;
    EXPECT_EQ(ShoalAheadReal(*g, 1, kX, kY), 900);  // clear water astern
    g->tideState.currentFrom = 0;                   // upstream: toward the current's source
    EXPECT_EQ(ShoalAheadReal(*g, 0, kX, kY), 650);
}

}  // namespace
}  // namespace vel
