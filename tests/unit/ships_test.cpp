#include "sim/ships.h"

#include <gtest/gtest.h>

#include "sim/anchored_fleet.h"
#include "sim/vessels.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

// random(2500) reaches 32767 / (32000 / 2500) = 2730 at most.
constexpr double kLaneEntryMax = 2730.0;

void PutShip(Game& g, int i, double x, double y, int32_t heading) {
    g.objectList.fbx[ShipEntry(i)] = x;
    g.objectList.fby[ShipEntry(i)] = y;
    g.vessels.heading[i] = heading;
}

struct LaneCase {
    int32_t difficulty;
    int32_t heading;
    int32_t laneHeading;
    double dx;
};

class ShipOnItsLane : public ::testing::TestWithParam<LaneCase> {};

// timeStep 3 at V = 6 x difficulty + 70 tenths: 3 x 0.001 x sin100 x V units,
// and the table holds 99 at 90 degrees (the degree factor overshoots a right
// angle), -99 at 270.
TEST_P(ShipOnItsLane, RunsEastOrWestAtItsSpeed) {
    const LaneCase c = GetParam();
    auto g = CalmGame();
    g->cruiseOptions.difficulty = c.difficulty;
    PutShip(*g, 1, 0.0, 100.0, c.heading);
    MoveShip(*g, 1);
    EXPECT_EQ(g->vessels.heading[1], c.laneHeading);
    EXPECT_NEAR(g->objectList.fbx[ShipEntry(1)], c.dx, 1e-9);
    EXPECT_NEAR(g->objectList.fby[ShipEntry(1)], 100.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Difficulties, ShipOnItsLane,
                         ::testing::Values(LaneCase{5, 90, 90, 3 * 0.001 * 99 * 100},
                                           LaneCase{1, 90, 90, 3 * 0.001 * 99 * 76},
                                           LaneCase{10, 90, 90, 3 * 0.001 * 99 * 130},
                                           LaneCase{5, 45, 90, 3 * 0.001 * 99 * 100},
                                           LaneCase{5, 200, 270, 3 * 0.001 * -99 * 100},
                                           LaneCase{5, 359, 270, 3 * 0.001 * -99 * 100}));

struct RiverCase {
    int32_t bend;
    double x;
    int32_t heading;
};

class ShipInTheRiver : public ::testing::TestWithParam<RiverCase> {};

TEST_P(ShipInTheRiver, FollowsTheBendWestOfTheMouth) {
    const RiverCase c = GetParam();
    auto g = CalmGame();
    g->cruiseOptions.areaCode = 4;
    g->areaGrid.riverBend = c.bend;
    PutShip(*g, 1, c.x, 0.0, 90);
    MoveShip(*g, 1);
    EXPECT_EQ(g->vessels.heading[1], c.heading);
}

INSTANTIATE_TEST_SUITE_P(Bends, ShipInTheRiver,
                         ::testing::Values(RiverCase{1, -500.0, 108}, RiverCase{-1, -500.0, 72},
                                           RiverCase{1, 10.0, 90}));

TEST(ShipInTheRiver, EntersOnTheBentLane) {
    auto g = CalmGame();
    g->cruiseOptions.areaCode = 4;
    g->areaGrid.riverBend = 1;
    PlaceShip(*g, 1);
    const double x = g->objectList.fbx[ShipEntry(1)];
    ASSERT_LT(x, 0.0);
    EXPECT_EQ(g->objectList.fby[ShipEntry(1)], 100 - static_cast<int32_t>(-0.3 * x));
    EXPECT_EQ(g->vessels.heading[1], 108);
}

TEST(Convoy, ShipTwoKeepsNinetyUnitsAstern) {
    auto g = CalmGame();
    g->vessels.convoy = 1;
    PutShip(*g, 1, 0.0, 100.0, 90);
    PutShip(*g, 2, 5000.0, -100.0, 270);
    MoveShip(*g, 1);
    MoveShip(*g, 2);
    const double lead = g->objectList.fbx[ShipEntry(1)];
    EXPECT_NEAR(g->objectList.fbx[ShipEntry(2)], lead - 90.0, 1e-3);
    EXPECT_NEAR(g->objectList.fby[ShipEntry(2)], 100.0, 1e-2);
    EXPECT_EQ(g->vessels.heading[2], 90);
}

TEST(ShipReplacement, ShipOneComesRoundFromTheWestPastTenThousand) {
    auto g = CalmGame();
    PutShip(*g, 1, 9990.0, 100.0, 90);
    MoveShip(*g, 1);
    const double x = g->objectList.fbx[ShipEntry(1)];
    EXPECT_LE(x, -6000.0);
    EXPECT_GE(x, -6000.0 - kLaneEntryMax);
    EXPECT_EQ(g->objectList.fby[ShipEntry(1)], 100.0);
    EXPECT_EQ(g->vessels.heading[1], 90);
    EXPECT_EQ(g->objectList.kind[ShipEntry(1)], 11);
    EXPECT_EQ(g->vessels.placements[1], 1);
}

TEST(ShipReplacement, ShipTwoComesRoundFromTheEastPastMinusTenThousand) {
    auto g = CalmGame();
    PutShip(*g, 2, -9990.0, -100.0, 270);
    MoveShip(*g, 2);
    const double x = g->objectList.fbx[ShipEntry(2)];
    EXPECT_GE(x, 6000.0);
    EXPECT_LE(x, 6000.0 + kLaneEntryMax);
    EXPECT_EQ(g->objectList.fby[ShipEntry(2)], -100.0);
    EXPECT_EQ(g->vessels.heading[2], 270);
    EXPECT_EQ(g->objectList.kind[ShipEntry(2)], 12);
}

TEST(ShipReplacement, ConvoyComesRoundTogether) {
    auto g = CalmGame();
    g->vessels.convoy = 1;
    PutShip(*g, 1, 9990.0, 100.0, 90);
    MoveShip(*g, 1);
    const double lead = g->objectList.fbx[ShipEntry(1)];
    EXPECT_LE(lead, -6000.0);
    EXPECT_NEAR(g->objectList.fbx[ShipEntry(2)], lead - 90.0, 1e-3);
}

struct CollisionCase {
    double shipX, shipY;
    int32_t depth;
    int32_t anchored;
    int32_t endReason;
};

class ShipCollision : public ::testing::TestWithParam<CollisionCase> {};

// The boat at (1000, 1000): a ship under 40 units (Manhattan) away in more
// than 7 ft of water ends the cruise, at anchor or not.
TEST_P(ShipCollision, EndsTheCruiseWithinFortyUnitsInDeepWater) {
    const CollisionCase c = GetParam();
    auto g = CalmGame();
    PutBoat(*g, 1000.0, 1000.0);
    g->ownBoat.depth = c.depth;
    g->ownBoat.anchored = c.anchored;
    g->anchors.anchor[1][1] = c.anchored ? 3 : 0;
    PutShip(*g, 1, c.shipX, c.shipY, 90);
    CheckShips(*g, 1);
    EXPECT_EQ(g->score.endReason, c.endReason);
}

INSTANTIATE_TEST_SUITE_P(
    Distances, ShipCollision,
    ::testing::Values(CollisionCase{1020.0, 1019.0, 20, 0, 1}, CollisionCase{1020.0, 1020.0, 20, 0, 0},
                      CollisionCase{979.5, 1001.0, 20, 1, 1}, CollisionCase{1000.0, 1000.0, 8, 1, 1},
                      CollisionCase{1000.0, 1000.0, 7, 0, 0}));

TEST(ShipCollision, ShipRunningTheAnchoredBoatDownEndsTheCruiseInTheTick) {
    auto g = CalmGame();
    PlaceVirtualVessels(*g);
    PutBoat(*g, 0.0, 100.0);
    g->ownBoat.anchored = 1;
    g->anchors.anchor[1][1] = 3;
    PutShip(*g, 1, -60.0, 100.0, 90);
    UpdateVesselsAndHazards(*g);
    EXPECT_EQ(g->score.endReason, 1);
}

TEST(ShipSlots, ThoseBeyondTheShipCountWaitFarOff) {
    auto g = CalmGame();
    PlaceVirtualVessels(*g);
    EXPECT_EQ(g->vessels.shipCount, 2);
    EXPECT_EQ(g->objectList.kind[ShipEntry(1)], 11);
    EXPECT_EQ(g->objectList.kind[ShipEntry(2)], 12);
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(g->objectList.fbx[ShipEntry(i)], -30000.0);
        EXPECT_EQ(g->objectList.fby[ShipEntry(i)], -30000.0);
    }
}

}  // namespace
}  // namespace vel
