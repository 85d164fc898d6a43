#include "sim/anchored_fleet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "sim/ships.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

constexpr double kTwoPi = 6.283185307179586;

// Day minutes at which t = 3 j + 0.5 x dayMinutes is a whole turn, so the
// sine term vanishes and the cosine term is the full amplitude.
double FullSwingMinutes(int32_t j) { return j == 0 ? 0.0 : 2.0 * (kTwoPi - 3.0 * j); }

struct SwingCase {
    int32_t j;
    int32_t moored;
    int32_t wind;
    int32_t heading;
};

class AnchoredVesselSwing : public ::testing::TestWithParam<SwingCase> {};

// Wind from 180: a boat swings through the wind speed in degrees either side,
// vessel 0 and boats on moorings through half of it.
TEST_P(AnchoredVesselSwing, AmplitudeFollowsTheWind) {
    const SwingCase c = GetParam();
    auto g = CalmGame();
    g->weather.windDirection = 180;
    g->weather.windSpeed = c.wind;
    g->vessels.onMooring[c.j] = c.moored;
    g->simClock.dayMinutes = FullSwingMinutes(c.j);
    MoveAnchoredVessel(*g, c.j);
    EXPECT_EQ(g->vessels.vesselHeading[c.j], c.heading);
}

INSTANTIATE_TEST_SUITE_P(Winds, AnchoredVesselSwing,
                         ::testing::Values(SwingCase{2, 0, 6, 186}, SwingCase{2, 0, 30, 210}, SwingCase{2, 1, 30, 195},
                                           SwingCase{0, 0, 30, 195}, SwingCase{0, 0, 6, 183}));

struct PennantCase {
    int32_t moored;
    double length;
};

class AnchoredVesselPosition : public ::testing::TestWithParam<PennantCase> {};

TEST_P(AnchoredVesselPosition, LiesDownwindOfItsAnchorOnItsRode) {
    const PennantCase c = GetParam();
    auto g = CalmGame();
    g->vessels.onMooring[4] = c.moored;
    g->anchors.xanch[4][1] = 500.0;
    g->anchors.yanch[4][1] = 700.0;
    MoveAnchoredVessel(*g, 4);
    EXPECT_NEAR(g->objectList.fbx[FleetEntry(4)], 500.0, 1e-9);
    EXPECT_NEAR(g->objectList.fby[FleetEntry(4)], 700.0 + c.length, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(AnchorOrMooring, AnchoredVesselPosition,
                         ::testing::Values(PennantCase{0, 20.0}, PennantCase{1, 10.0}));

class OwnBoatMadeFast : public ::testing::TestWithParam<int> {};

// 0: anchored; 1: on buoy 1.
TEST_P(OwnBoatMadeFast, EveryAnchoredVesselLiesAsTheOwnBoatDoes) {
    auto g = CalmGame();
    g->weather.windDirection = 300;
    g->ownBoat.heading = 45;
    if (GetParam() == 0) g->ownBoat.anchored = 1;
    if (GetParam() == 1) g->ownBoat.onBuoy = 1;
    const double rad = 45 * kDegToRad;
    for (int32_t j : {0, 2, 3, 4, 5, 6, 7, 8, 9}) {
        g->anchors.xanch[j][1] = 100.0 * j;
        MoveAnchoredVessel(*g, j);
        EXPECT_EQ(g->vessels.vesselHeading[j], 45) << "vessel " << j;
        EXPECT_NEAR(g->objectList.fbx[FleetEntry(j)], 100.0 * j - std::sin(rad) * 20.0, 1e-9) << "vessel " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(AnchoredOrOnBuoyOne, OwnBoatMadeFast, ::testing::Values(0, 1));

TEST(Anchorage, LiesAroundTheHarbourPoint) {
    auto g = CalmGame();
    g->areaGrid.harbourX = 1000;
    g->areaGrid.harbourY = 2000;
    g->weather.windSpeed = 12;
    PlaceAnchorage(*g);
    EXPECT_EQ(g->anchors.xanch[0][1], 1200.0);
    EXPECT_EQ(g->anchors.yanch[0][1], 2000.0);
    for (int32_t j : {0, 2, 3, 4, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(g->objectList.kind[FleetEntry(j)], 15) << "vessel " << j;
        EXPECT_LE(std::abs(g->anchors.xanch[j][1] - 1000.0), 200.0) << "vessel " << j;
        EXPECT_LE(std::abs(g->anchors.yanch[j][1] - 2000.0), 200.0) << "vessel " << j;
        EXPECT_GE(g->vessels.vesselSize[j], 1);
        EXPECT_LE(g->vessels.vesselSize[j], 3);
        EXPECT_GE(g->vessels.vesselColour[j], 1);
        EXPECT_LE(g->vessels.vesselColour[j], 4);
        // Already lying to its anchor before the first tick.
        EXPECT_NE(g->objectList.fby[FleetEntry(j)], g->anchors.yanch[j][1]);
    }
    EXPECT_NE(g->objectList.kind[FleetEntry(1)], 15);
}

TEST(Anchorage, BothLayoutsAndBothConvoyChoicesOccur) {
    std::set<double> layouts;
    std::set<int32_t> convoys;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto g = CalmGame();
        g->cruiseOptions.areaCode = 3;
        // Consecutive small seeds give nearly the same first draw; spread them.
        g->rng.srand(seed * 2654435761u);
        PlaceAnchorage(*g);
        layouts.insert(g->anchors.xanch[2][1]);
        convoys.insert(g->vessels.convoy);
    }
    EXPECT_EQ(layouts.size(), 2u);
    EXPECT_EQ(convoys.size(), 2u);
}

// ---- Closest vessel ----------------------------------------------------------

// Every vessel of the fleet parked far away except vessel 3 at (0, 0).
std::unique_ptr<Game> BesideVesselThree(double distance) {
    auto g = CalmGame();
    for (int j = 0; j <= 9; ++j) {
        g->objectList.fbx[FleetEntry(j)] = 100000.0;
        g->objectList.fby[FleetEntry(j)] = 100000.0;
    }
    g->objectList.fbx[FleetEntry(3)] = 0.0;
    g->objectList.fby[FleetEntry(3)] = 0.0;
    PutBoat(*g, 0.0, distance);
    g->screenState.startPlaced = 1;
    return g;
}

struct CloseCase {
    double distance;
    int32_t closest;
    int32_t tooClose;
    std::size_t beeps;
};

class ClosestVessel : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosestVessel, TooCloseBelowSixAndOneBeepBelowSeven) {
    const CloseCase c = GetParam();
    auto g = BesideVesselThree(c.distance);
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->hazards.closestVessel, c.closest);
    EXPECT_EQ(g->score.tooClose, c.tooClose);
    ASSERT_EQ(g->soundRequests.size(), c.beeps);
    for (const SoundRequest& r : g->soundRequests) EXPECT_EQ(r, (SoundRequest{0, PlayMode::Plain}));
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->soundRequests.size(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(Distances, ClosestVessel,
                         ::testing::Values(CloseCase{5.0, 5, 1, 1}, CloseCase{6.0, 6, 0, 1}, CloseCase{7.5, 7, 0, 0},
                                           CloseCase{300.0, 300, 0, 0}, CloseCase{60000.0, 1000, 0, 0}));

TEST(ClosestVessel, NotTooCloseBeforeTheStartIsPlaced) {
    auto g = BesideVesselThree(2.0);
    g->screenState.startPlaced = 0;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->score.tooClose, 0);
}

TEST(ClosestVessel, VesselZeroDoesNotCountInRealAreas) {
    auto g = BesideVesselThree(2.0);
    g->objectList.fbx[FleetEntry(3)] = 100000.0;
    g->objectList.fbx[FleetEntry(0)] = 0.0;
    g->objectList.fby[FleetEntry(0)] = 0.0;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->hazards.closestVessel, 2);
    g->cruiseOptions.isRealArea = 1;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->hazards.closestVessel, 1000);
}

TEST(ClosestVessel, TouchingAFishingBoatOffNovaScotiaEndsTheCruise) {
    auto g = BesideVesselThree(3.0);
    PutBoat(*g, 2.0, 2.0);
    g->cruiseOptions.region = 6;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->score.endReason, 2);
}

}  // namespace
}  // namespace vel
