#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "sim/anchoring.h"
#include "sim/passage_traffic.h"
#include "sim/ships.h"
#include "sim/vessels.h"
#include "world/current_field.h"
#include "world/passages.h"
#include "world/place_names.h"
#include "world/start_circles.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::RoundIsland;
using test::StartedCruise;

constexpr int32_t kPassages[] = {5, 6, 7, 8};

std::unique_ptr<Game> Passage(int32_t areaCode, int32_t currentsOn = 1) {
    return StartedCruise({areaCode, PassageRegionOf(areaCode)}, 4, 5,
                         [&](Game& g) { g.cruiseOptions.currentsOn = currentsOn; });
}

// ---- The start -----------------------------------------------------------------------------------

TEST(PassageStart, AClickSnapsToACircleCentreWithinItsRadiusOnly) {
    struct Case {
        int32_t dx, dy;
        bool snaps;
    };
    const Case cases[] = {{1499, 0, true}, {0, -1500, true}, {1501, 0, false}, {1061, 1061, false}, {1060, 1060, true}};
    for (int32_t code : kPassages) {
        for (const StartCircle& c : StartCirclesFor(code)) {
            for (const Case& k : cases) {
                auto g = Passage(code);
                SCOPED_TRACE(testing::Message() << code << " " << k.dx << "," << k.dy);
                g->simClock.hour = 21;
                g->ownBoat.x = 7;
                const bool snapped = PlaceAtStartCircle(*g, c.x + k.dx, c.y + k.dy);
                EXPECT_EQ(std::tuple(snapped, g->score.passageStartValid, g->anchors.anchor[1][1], g->ownBoat.x),
                          std::tuple(k.snaps, int32_t(k.snaps), int32_t(k.snaps), k.snaps ? c.x : 7));
                if (!k.snaps) continue;
                EXPECT_EQ(std::tuple(g->ownBoat.y, g->simClock.stopHour, g->simClock.speedBeforeStop,
                                     g->simClock.divisorBeforeStop),
                          std::tuple(c.y, 21, 9, 75));
            }
        }
    }
}

TEST(PassageStart, EveryCircleIsAnAnchorageInOpenWater) {
    for (int32_t code : kPassages) {
        auto g = Passage(code);
        ASSERT_EQ(g->areaGrid.startCircleCount, static_cast<int32_t>(StartCirclesFor(code).size()));
        for (const StartCircle& c : StartCirclesFor(code)) {
            SCOPED_TRACE(testing::Message() << code << " (" << c.x << ", " << c.y << ")");
            for (int32_t kind : {0, 1, 2}) EXPECT_NEAR(DepthAt(*g, c.x, c.y, kind), 503.5, 495.5) << kind;  // 8..999
        }
    }
}

// A settings file may pair any area code with any region: the code decides,
// and nothing of the other kind of area is built.
TEST(PassageStart, TheAreaCodeDecidesWhatIsBuilt) {
    struct Case {
        int32_t code, region;
        int32_t passage, builtRegion, slots, landmasses;
    };
    const Case cases[] = {{2, 5, 0, -1, -1, 0}, {1, 6, 0, -1, 16, 0}, {7, 2, 1, 6, 22, 10},
                          {5, 6, 1, 5, 36, 4},  {8, 5, 1, 6, 22, 10}, {6, 0, 1, 5, 36, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << "/" << c.region);
        auto g = StartedCruise({c.code, c.region}, 9, 5, [](Game& x) {
            x.score.passageStartValid = 1;  // left from the last cruise
            x.passageState.onBank = 1;
        });
        const AreaGrid& a = g->areaGrid;
        EXPECT_EQ(std::tuple(a.isPassage, g->score.passageStartValid, g->passageState.onBank, g->passageState.bankLineY),
                  std::tuple(c.passage, 0, 0, 20000));
        EXPECT_TRUE(c.builtRegion > 0 ? a.region == c.builtRegion : a.region >= 1 && a.region <= 3) << a.region;
        EXPECT_TRUE(c.slots <= 0 || a.islandCount == c.slots) << a.islandCount;
        int32_t landmasses = 0;
        for (int32_t i = 0; i < kIslandSlots; ++i) landmasses += a.isLandmass[i];
        EXPECT_EQ(landmasses, c.landmasses);
        EXPECT_EQ(a.startCircleCount, static_cast<int32_t>(StartCirclesFor(c.code).size()));
    }
}

// ---- Depth ---------------------------------------------------------------------------------------

// Rocks stand as cones in the true water, a foot per ten units of Manhattan
// distance in the south and per 13.3 in the north; the chart leaves them out;
// no point of the plane reads outside 0..999.
TEST(PassageDepth, RocksAreConesTheChartLeavesOut) {
    struct Case {
        int32_t code, x, y;
        int32_t at30;  // 30 units east of the rock
    };
    for (const Case c : {Case{5, -11000, -3000, 3}, Case{7, -8000, 5000, 2}}) {
        SCOPED_TRACE(testing::Message() << "area " << c.code);
        auto g = Passage(c.code);
        const int32_t open = DepthAt(*g, c.x, c.y, 1);
        ASSERT_GT(open, 10);
        std::tie(g->rockList.count, g->rockList.x[1], g->rockList.y[1]) = std::tuple(1, c.x, c.y);
        EXPECT_EQ(std::tuple(DepthAt(*g, c.x, c.y, 1), DepthAt(*g, c.x + 30, c.y, 0), DepthAt(*g, c.x, c.y, 2)),
                  std::tuple(0, c.at30, open));
        for (int32_t x : {-32768, -1, 0, 32767})
            for (int32_t kind : {0, 1, 2, 9}) EXPECT_NEAR(DepthAt(*g, x, c.y, kind), 499.5, 499.5) << x;  // 0..999
    }
}

// Passage land gives shelter: the probe finds it from an anchorage by the
// coast, and nothing in the open sea.
TEST(PassageDepth, TheLeeOfPassageLandIsFound) {
    for (int32_t code : {5, 7}) {
        auto g = Passage(code);
        const AreaGrid& a = g->areaGrid;
        int32_t nearLand = 0, open = 0;
        for (g->ownBoat.heading = 0; g->ownBoat.heading < 360; g->ownBoat.heading += 10) {
            nearLand += ShoalAheadReal(*g, 1, a.startCircleX[0], a.startCircleY[0]) < 900;
            open += ShoalAheadReal(*g, 1, code == 5 ? -11000 : -8000, code == 5 ? -3000 : 5000) < 900;
        }
        EXPECT_GT(nearLand, 0) << code;
        EXPECT_EQ(open, 0) << code;
    }
}

// ---- Currents ------------------------------------------------------------------------------------

struct CurrentCase {
    int32_t x, y, speed, from;
};

// The flood two hours after the local low water: sin 60 degrees of the
// strongest stream (just over 0.866 with the program's degree factor).
void Flood(Game& g, int32_t phaseShift = 0) {
    g.tideState.lowWaterHour = 10;
    g.simClock.dayHours = 12 + phaseShift;
    g.tideState.chartHoursAhead = 0;
}

TEST(PassageCurrents, TheGulfStreamRunsWithCurrentsOffAndNothingElseDoes) {
    auto g = Passage(5, 0);
    g->tideState.gulfStreamSpeed = 50;
    Flood(*g);
    ASSERT_EQ(g->tideState.maxCurrent, 0);
    const CurrentCase cases[] = {
        {-11000, -3000, 50, 180},  // the core, north half
        {-11000, 3000, 50, 190},   // south half
        {-8000, -3000, 25, 180},   // within 2000 of the east edge
        {-18500, 0, 0, 90},        // inshore of the stream: still
        {0, -1000, 7, 120},        // north-east of the banks, 0.15 of the stream
        {8000, 9000, 0, 90},       // on the bank: tidal, and the tide is off
    };
    for (const CurrentCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        CurrentAt(*g, c.x, c.y, 1);
        EXPECT_EQ(g->tideState.boatCurrentSpeed, c.speed);
        EXPECT_EQ(g->tideState.boatCurrentFrom, c.from);
    }
}

TEST(PassageCurrents, TidalStreamsOnTheBankAndInTheGulfOfMaine) {
    struct Case {
        int32_t code, x, y, speed, from, phase;
    };
    // Region 6 at a strongest stream of 20 (17.3 now).
    const Case cases[] = {
        {7, -12000, -5000, 10, 190, 0},   // west of x = -10000, south of -10000: 0.6
        {7, -8000, 5000, 17, 170, 0},
        {8, -8000, 5000, 17, 170, 0},     // the passage the other way: the same waters
        {7, -20000, 5000, 3, 190, 0},     // the open gulf to the south-west: 0.2
        {7, 7300, 9000, 34, 150, -1},     // off Cape Sable: 2.0, an hour earlier
        {7, 13001, 16000, 12, 90, 0},     // the first unit past the joint at 13000: 0.7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " (" << c.x << ", " << c.y << ")");
        auto g = Passage(c.code);
        g->tideState.maxCurrent = c.code == 5 ? 10 : 20;
        Flood(*g, c.phase);
        ASSERT_GE(DepthAt(*g, c.x, c.y, 1), c.code == 5 ? 15 : 50);
        CurrentAt(*g, c.x, c.y, 0);
        EXPECT_EQ(g->tideState.currentSpeed, c.speed);
        EXPECT_EQ(g->tideState.currentFrom, c.from);
        EXPECT_EQ(g->tideState.localLowWaterHour, 10 + c.phase);
        // Six hours on the ebb runs the other way.
        g->simClock.dayHours += 6;
        CurrentAt(*g, c.x, c.y, 0);
        EXPECT_EQ(g->tideState.currentFrom, NormaliseAngle(c.from + 180));
    }
}

TEST(PassageCurrents, AnAnchoredBoatLiesToAStrongChartCurrentElseToTheWind) {
    struct Case {
        int32_t anchorX, anchorY, windSpeed, lie;
    };
    const Case cases[] = {
        {-11000, -3000, 12, 180},  // the stream at 50 against 2 x 12 / 3
        {-11000, 3000, 12, 190},
        {-11000, 3000, 75, 190},   // 2 x 75 / 3 = 50: still the stream
        {-11000, 3000, 77, 90},    // 50 < 2 x 77 / 3: the wind
        {-18500, 0, 12, 90},       // still water inshore
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.anchorX << ", " << c.anchorY << ") wind " << c.windSpeed);
        auto g = Passage(5, 0);
        g->tideState.gulfStreamSpeed = 50;
        g->tideState.boatCurrentSpeed = 3;
        g->weather.windDirection = 90;
        g->weather.windSpeed = c.windSpeed;
        g->anchors.anchor[1][1] = 3;
        g->anchors.xanch[1][1] = c.anchorX;
        g->anchors.yanch[1][1] = c.anchorY;
        EXPECT_EQ(LieDirection(*g), c.lie);
        EXPECT_EQ(g->tideState.boatCurrentSpeed, 3);  // asking leaves the boat's own current alone
    }
}

TEST(PassageNames, EachPassageNamesItsAnchoragesWithinTheChart) {
    for (auto [code, anchorage] : {std::pair{5, "Chubb小島"}, {6, "Great ﾊｰﾊﾞｰ 小島"}, {7, "Cutler"}, {8, "Shelburne"}}) {
        bool found = false;
        for (const PlaceName& n : PlaceNamesFor(code)) {
            EXPECT_TRUE(std::abs(n.x) < 25000 && std::abs(n.y) < 21000) << n.text;  // the chart at its full scale
            found |= std::string(n.text) == anchorage && n.style == NameStyle::Anchorage;
        }
        EXPECT_TRUE(found) << code;
    }
    EXPECT_STREQ(PassageLegend(6), "錨地の名前は暗赤色で表示される、堆(Bank)上でも可能。");
    EXPECT_STREQ(PassageLegend(8), "錨泊地の名前は暗い赤で表示される。");
    EXPECT_TRUE(PlaceNamesFor(2).empty());
    EXPECT_EQ(PassageLegend(11), nullptr);
}

// ---- Traffic -------------------------------------------------------------------------------------

TEST(PassageTraffic, ShipsComeRoundAtTheEndsOfTheirLanes) {
    auto south = Passage(5);
    ObjectList& o = south->objectList;
    EXPECT_EQ(o.fbx[ShipEntry(1)], south->areaGrid.gulfWestX + 1000);
    EXPECT_EQ(o.kind[ShipEntry(5)], 16);
    o.fby[ShipEntry(1)] = -15000;
    south->vessels.heading[1] = 0;
    south->simClock.timeStep = 3;
    MoveShip(*south, 1);  // past y = -15000 northbound: back to the start of the lane
    EXPECT_GE(o.fby[ShipEntry(1)], 0);
    EXPECT_EQ(south->vessels.placements[1], 2);

    auto north = Passage(7);
    ObjectList& n = north->objectList;
    n.fbx[ShipEntry(5)] = -7001;
    n.fby[ShipEntry(5)] = 0;
    north->vessels.heading[5] = 307;
    north->simClock.timeStep = 3;
    MoveShip(*north, 5);
    EXPECT_EQ(north->vessels.heading[5], 0);  // ship 5 turns north for the Bay of Fundy
}

TEST(PassageTraffic, TheAnchorageMovesWhenTheBoatCrossesAZoneLine) {
    auto g = Passage(5);
    g->ownBoat.x = -18100;
    g->passageState.zoneX = -18100;
    g->ownBoat.x = -17900;  // eastward over the stream's west edge
    CheckZoneCrossings(*g);
    EXPECT_EQ(g->areaGrid.harbourX, -5400);
    EXPECT_EQ(g->anchors.xanch[0][1], -5400);
    g->areaGrid.harbourX = 1;
    g->ownBoat.x = -18100;  // back west: no new anchorage in this direction
    CheckZoneCrossings(*g);
    EXPECT_EQ(g->areaGrid.harbourX, 1);
}

// The anchorage at the far end lies off that coast's circles, whichever way
// the passage is sailed.
TEST(PassageTraffic, TheArrivalAnchorageLiesOffAnArrivalCircle) {
    for (int32_t code : kPassages) {
        for (const StartCircle& c : StartCirclesFor(code % 2 == 1 ? code + 1 : code - 1)) {
            SCOPED_TRACE(testing::Message() << code << " (" << c.x << ", " << c.y << ")");
            auto g = Passage(code);
            g->ownBoat.x = c.x;
            g->ownBoat.y = c.y;
            ChooseZonePoints(*g);
            EXPECT_LE(std::abs(g->areaGrid.harbourX - c.x) + std::abs(g->areaGrid.harbourY - c.y), 450);
        }
    }
}

}  // namespace
}  // namespace vel
