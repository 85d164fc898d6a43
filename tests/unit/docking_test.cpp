#include "sim/docking.h"

#include <gtest/gtest.h>

#include "sim/anchoring.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

constexpr int32_t kBerthX = 1000, kBerthY = 500;

std::unique_ptr<Game> NearThePier(int32_t eastOfBerth, int32_t speed, int32_t heading) {
    auto g = CalmGame();
    g->areaGrid.pierBerthX = kBerthX;
    g->areaGrid.pierBerthY = kBerthY;
    PutBoat(*g, kBerthX + eastOfBerth, kBerthY);
    g->ownBoat.speed = speed;
    g->ownBoat.heading = heading;
    return g;
}

struct ApproachCase {
    int32_t distance;
    int32_t speed;
    int32_t heading;
    int32_t docked;
};

class PierApproach : public ::testing::TestWithParam<ApproachCase> {};

// Within 16 units, under 3.1 knots, heading within 40 degrees of east or west.
TEST_P(PierApproach, TiesUpOnlyCloseSlowAndAlongThePier) {
    const ApproachCase c = GetParam();
    auto g = NearThePier(c.distance, c.speed, c.heading);
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.docked, c.docked);
    EXPECT_EQ(g->ownBoat.atPier, c.docked);
    EXPECT_EQ(g->ownBoat.x, c.docked ? kBerthX : kBerthX + c.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Approaches, PierApproach,
    ::testing::Values(ApproachCase{10, 30, 270, 1}, ApproachCase{10, 32, 270, 0}, ApproachCase{10, 31, 270, 0},
                      ApproachCase{10, 30, 90, 1}, ApproachCase{10, 30, 231, 1}, ApproachCase{10, 30, 230, 0},
                      ApproachCase{10, 30, 309, 1}, ApproachCase{10, 30, 310, 0}, ApproachCase{10, 30, 129, 1},
                      ApproachCase{10, 30, 130, 0}, ApproachCase{10, 30, 0, 0}, ApproachCase{16, 30, 270, 1},
                      ApproachCase{17, 30, 270, 0}, ApproachCase{-16, -20, 90, 1}));

TEST(Pier, FirstTyingStopsTheBoatAndKeepsTheSimulatorSpeed) {
    auto g = NearThePier(5, 20, 270);
    g->ownBoat.throttle = 3;
    g->ownBoat.sailsUp = 1;
    g->cruiseOptions.simSpeed = 12;
    g->cruiseOptions.stepDivisor = 34;
    g->simClock.hour = 9;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.throttle, 0);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    EXPECT_EQ(g->simClock.speedBeforeStop, 12);
    EXPECT_EQ(g->simClock.divisorBeforeStop, 34);
    EXPECT_EQ(g->simClock.stopHour, 9);
}

TEST(Pier, CastOffFreesTheBoatBesideThePier) {
    auto g = NearThePier(5, 0, 270);
    g->ownBoat.docked = 1;
    g->ownBoat.castOff = 1;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.docked, 0);
    EXPECT_EQ(g->ownBoat.x, kBerthX + 5);
}

TEST(Pier, StrikingItKeepsTheBoatWhereItWas) {
    auto g = NearThePier(40, 0, 0);
    g->ownBoat.docked = 1;
    g->hazards.contact = 1;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.docked, 1);
}

struct RearmCase {
    int32_t distance;
    int32_t castOff;
};

class PierCastOff : public ::testing::TestWithParam<RearmCase> {};

TEST_P(PierCastOff, IsReArmedBetweenSixtyAndOneHundredTwentyUnits) {
    const RearmCase c = GetParam();
    auto g = NearThePier(c.distance, 50, 180);
    g->ownBoat.castOff = 1;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.castOff, c.castOff);
}

INSTANTIATE_TEST_SUITE_P(Distances, PierCastOff,
                         ::testing::Values(RearmCase{50, 1}, RearmCase{60, 1}, RearmCase{61, 0}, RearmCase{119, 0},
                                           RearmCase{120, 1}));

TEST(Pier, NoneInTheIslandsArea) {
    auto g = NearThePier(0, 0, 270);
    g->cruiseOptions.areaCode = 2;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.docked, 0);
}

TEST(Pier, RepairsFailedEquipmentForGood) {
    auto g = NearThePier(0, 0, 270);
    g->failures.failed[3] = 1;
    g->failures.time[3] = 500;
    g->failures.time[0] = 700;
    UpdateMadeFast(*g);
    EXPECT_EQ(g->failures.failed[3], 0);
    EXPECT_EQ(g->failures.time[3], 30000);
    EXPECT_EQ(g->failures.time[0], 700);
}

TEST(Pier, NothingIsRepairedOnABuoy) {
    auto g = CalmGame();
    g->ownBoat.onBuoy = 1;
    g->failures.failed[1] = 1;
    RepairAtPier(*g);
    EXPECT_EQ(g->failures.failed[1], 1);
}

struct DockSideCase {
    int32_t side;
    double x, y;
};

class RealDock : public ::testing::TestWithParam<DockSideCase> {};

// Sides 1..4 are the dock's water side: south, west, north, east.
TEST_P(RealDock, BoatLiesOneUnitOffOnTheWaterSide) {
    const DockSideCase c = GetParam();
    auto g = CalmGame();
    g->cruiseOptions.isRealArea = 1;
    g->cruiseOptions.areaCode = 12;
    AreaGrid& a = g->areaGrid;
    a.realDockX = 400;
    a.realDockY = 300;
    a.realDockSide = c.side;
    a.realDockHeading1 = 90;
    a.realDockHeading2 = 270;
    PutBoat(*g, 405, 304);
    g->ownBoat.heading = 95;
    g->ownBoat.speedOverGroundTenths = 30;
    UpdateAlongside(*g);
    EXPECT_EQ(g->ownBoat.alongside, 1);
    EXPECT_EQ(g->ownBoat.x, c.x);
    EXPECT_EQ(g->ownBoat.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Sides, RealDock,
                         ::testing::Values(DockSideCase{1, 400, 301}, DockSideCase{2, 399, 300},
                                           DockSideCase{3, 400, 299}, DockSideCase{4, 401, 300}));

TEST(RealDock, TooFastOverTheGroundOrAcrossTheDockDoesNotTieUp) {
    auto g = CalmGame();
    g->cruiseOptions.isRealArea = 1;
    g->areaGrid.realDockHeading1 = 90;
    g->areaGrid.realDockHeading2 = 270;
    g->areaGrid.realDockSide = 1;
    PutBoat(*g, 5, 0);
    g->ownBoat.heading = 90;
    g->ownBoat.speedOverGroundTenths = 31;
    UpdateAlongside(*g);
    EXPECT_EQ(g->ownBoat.alongside, 0);
    g->ownBoat.speedOverGroundTenths = 20;
    g->ownBoat.heading = 180;
    UpdateAlongside(*g);
    EXPECT_EQ(g->ownBoat.alongside, 0);
}

// ---- Buoys -----------------------------------------------------------------

constexpr int32_t kBuoyX = 2000, kBuoy1Y = 1000, kBuoy2Y = 1200;

std::unique_ptr<Game> AmongTheBuoys() {
    auto g = CalmGame();
    g->moorings.buoyX = {kBuoyX, kBuoyX};
    g->moorings.buoy1Y = kBuoy1Y;
    g->moorings.buoy2Y = kBuoy2Y;
    g->ownBoat.mooringLine = 1;
    return g;
}

struct PickUpCase {
    int32_t dx, dy;
    int32_t speedOverGround;
    int32_t speed;
    int32_t onBuoy;
};

class BuoyPickUp : public ::testing::TestWithParam<PickUpCase> {};

// Within 9 units (Manhattan): buoy 1 under 3.5 knots over the ground, buoy 2
// under 3.5 knots through the water.
TEST_P(BuoyPickUp, NeedsTheBoatCloseAndSlow) {
    const PickUpCase c = GetParam();
    auto g = AmongTheBuoys();
    PutBoat(*g, kBuoyX + c.dx, kBuoy1Y + c.dy);
    g->ownBoat.speedOverGroundTenths = c.speedOverGround;
    g->ownBoat.speed = c.speed;
    UpdateBuoys(*g);
    EXPECT_EQ(g->ownBoat.onBuoy, c.onBuoy);
}

INSTANTIATE_TEST_SUITE_P(
    Approaches, BuoyPickUp,
    ::testing::Values(PickUpCase{5, 4, 34, 0, 1}, PickUpCase{5, 5, 34, 0, 0}, PickUpCase{5, 4, 35, 0, 0},
                      PickUpCase{-3, -3, -34, 0, 1}, PickUpCase{4, 195, 80, 34, 2}, PickUpCase{4, 195, 0, 35, 0},
                      PickUpCase{0, 191, 0, -34, 2}));

TEST(BuoyPickUp, StopsTheBoatAndLiesDownwindOfTheBuoy) {
    auto g = AmongTheBuoys();
    PutBoat(*g, kBuoyX + 3, kBuoy1Y + 3);
    g->ownBoat.throttle = 1;
    g->ownBoat.sailsUp = 1;
    g->cruiseOptions.simSpeed = 14;
    g->cruiseOptions.stepDivisor = 15;
    g->simClock.hour = 17;
    UpdateBuoys(*g);
    EXPECT_EQ(g->ownBoat.mooringLine, 2);
    EXPECT_EQ(g->ownBoat.throttle, 0);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    EXPECT_EQ(g->simClock.speedBeforeStop, 14);
    EXPECT_EQ(g->simClock.divisorBeforeStop, 15);
    EXPECT_EQ(g->simClock.stopHour, 17);
    EXPECT_EQ(g->anchorState.holdX, kBuoyX);
    EXPECT_EQ(g->anchorState.holdY, kBuoy1Y);
    // Wind from the north: 15 units south of the buoy.
    EXPECT_EQ(g->ownBoat.x, kBuoyX);
    EXPECT_EQ(g->ownBoat.y, kBuoy1Y + 15);
    EXPECT_EQ(g->ownBoat.cellY, kBuoy1Y + 15);
}

TEST(BuoyPickUp, OnTheBuoyTheBoatLiesToAStrongCurrent) {
    auto g = AmongTheBuoys();
    g->ownBoat.onBuoy = 2;
    g->ownBoat.mooringLine = 2;
    g->weather.windSpeed = 15;
    g->tideState.boatCurrentSpeed = 20;
    g->tideState.boatCurrentFrom = 90;
    UpdateBuoys(*g);
    EXPECT_EQ(g->anchorState.lineBearing, 90);
    EXPECT_NEAR(g->ownBoat.x, kBuoyX - 15, 1e-3);
    EXPECT_NEAR(g->ownBoat.y, kBuoy2Y, 1e-3);
}

struct ReleaseCase {
    int32_t throttle;
    int32_t sailsUp;
    int32_t onBuoy;
};

class BuoyTwo : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(BuoyTwo, IsLetGoByTheEngineAboveIdleOrBySail) {
    const ReleaseCase c = GetParam();
    auto g = AmongTheBuoys();
    g->ownBoat.onBuoy = 2;
    g->ownBoat.mooringLine = 2;
    g->ownBoat.throttle = c.throttle;
    g->ownBoat.sailsUp = c.sailsUp;
    g->ownBoat.speed = 5;
    g->ownBoat.speedExact = 5.5;
    UpdateBuoys(*g);
    EXPECT_EQ(g->ownBoat.onBuoy, c.onBuoy);
    EXPECT_EQ(g->ownBoat.mooringLine, c.onBuoy == 0 ? 0 : 2);
    EXPECT_EQ(g->ownBoat.speedExact, c.onBuoy == 0 ? 0.0 : 5.5);
}

INSTANTIATE_TEST_SUITE_P(Controls, BuoyTwo,
                         ::testing::Values(ReleaseCase{1, 0, 2}, ReleaseCase{0, 0, 2}, ReleaseCase{2, 0, 0},
                                           ReleaseCase{-3, 0, 0}, ReleaseCase{0, 1, 0}));

TEST(BuoyRelease, LineIsReArmedOnlyBeyondOneHundredUnitsOfBoth) {
    auto g = AmongTheBuoys();
    g->ownBoat.mooringLine = 0;
    PutBoat(*g, kBuoyX + 100, kBuoy1Y);
    UpdateBuoys(*g);
    EXPECT_EQ(g->ownBoat.mooringLine, 0);
    PutBoat(*g, kBuoyX + 101, kBuoy1Y - 1);
    UpdateBuoys(*g);
    EXPECT_EQ(g->ownBoat.mooringLine, 1);
}

}  // namespace
}  // namespace vel
