#include "sim/anchored_fleet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "sim/ships.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

// Wind from 180: a boat swings through the wind speed in degrees either side,
// vessel 0 and boats on moorings through half of it; at day minutes where
// t = 3 j + 0.5 x dayMinutes is a whole turn the swing is at its full amplitude.
TEST(AnchoredVessel, SwingsByTheWindAndLiesDownwindOfItsAnchorOnItsRode) {
    for (auto [j, moored, wind, heading] :
         {std::tuple{2, 0, 6, 186}, {2, 0, 30, 210}, {2, 1, 30, 195}, {0, 0, 30, 195}, {0, 0, 6, 183}}) {
        auto g = CalmGame();
        g->weather.windDirection = 180;
        g->weather.windSpeed = wind;
        g->vessels.onMooring[j] = moored;
        g->simClock.dayMinutes = j == 0 ? 0.0 : 2.0 * (6.283185307179586 - 3.0 * j);
        MoveAnchoredVessel(*g, j);
        EXPECT_EQ(g->vessels.vesselHeading[j], heading) << j << " " << moored << " " << wind;
    }
    for (auto [moored, rode] : {std::pair{0, 20.0}, {1, 10.0}}) {
        auto g = CalmGame();
        g->vessels.onMooring[4] = moored;
        g->anchors.xanch[4][1] = 500.0;
        g->anchors.yanch[4][1] = 700.0;
        MoveAnchoredVessel(*g, 4);
        EXPECT_NEAR(g->objectList.fbx[FleetEntry(4)], 500.0, 1e-9);
        EXPECT_NEAR(g->objectList.fby[FleetEntry(4)], 700.0 + rode, 1e-9);
    }
}

TEST(Anchorage, LiesAroundTheHarbourPointInBothLayoutsAndConvoyChoices) {
    auto g = CalmGame();
    g->areaGrid.harbourX = 1000;
    g->areaGrid.harbourY = 2000;
    g->weather.windSpeed = 12;
    PlaceAnchorage(*g);
    EXPECT_EQ(std::pair(g->anchors.xanch[0][1], g->anchors.yanch[0][1]), std::pair(1200.0, 2000.0));
    for (int32_t j : {0, 2, 3, 4, 5, 6, 7, 8, 9}) {
        const Vessels& v = g->vessels;
        EXPECT_EQ(g->objectList.kind[FleetEntry(j)], 15) << j;
        EXPECT_TRUE(std::abs(g->anchors.xanch[j][1] - 1000.0) <= 200.0 &&
                    std::abs(g->anchors.yanch[j][1] - 2000.0) <= 200.0)
            << j;
        EXPECT_TRUE(v.vesselSize[j] >= 1 && v.vesselSize[j] <= 3 && v.vesselColour[j] >= 1 && v.vesselColour[j] <= 4);
        // Already lying to its anchor before the first tick.
        EXPECT_NE(g->objectList.fby[FleetEntry(j)], g->anchors.yanch[j][1]) << j;
    }
    EXPECT_NE(g->objectList.kind[FleetEntry(1)], 15);
    std::set<double> layouts;
    std::set<int32_t> convoys;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        auto h = CalmGame();
        h->cruiseOptions.areaCode = 3;
        h->rng.srand(seed * 2654435761u);  // consecutive small seeds draw nearly alike
        PlaceAnchorage(*h);
        layouts.insert(h->anchors.xanch[2][1]);
        convoys.insert(h->vessels.convoy);
    }
    EXPECT_EQ(layouts.size(), 2u);
    EXPECT_EQ(convoys.size(), 2u);
}

// Every vessel of the fleet parked far away except vessel 3 at (0, 0).
std::unique_ptr<Game> BesideVesselThree(double distance) {
    auto g = CalmGame();
    for (int j = 0; j <= 9; ++j) g->objectList.fbx[FleetEntry(j)] = g->objectList.fby[FleetEntry(j)] = 100000.0;
    g->objectList.fbx[FleetEntry(3)] = g->objectList.fby[FleetEntry(3)] = 0.0;
    PutBoat(*g, 0.0, distance);
    g->screenState.startPlaced = 1;
    return g;
}

TEST(ClosestVessel, TooCloseBelowSixAndOneBeepBelowSeven) {
    for (auto [distance, closest, tooClose, beeps] : {std::tuple{5.0, 5, 1, 1u}, {6.0, 6, 0, 1u}, {7.5, 7, 0, 0u},
                                                      {300.0, 300, 0, 0u}, {60000.0, 1000, 0, 0u}}) {
        auto g = BesideVesselThree(distance);
        CheckAnchoredVessels(*g);
        CheckAnchoredVessels(*g);
        EXPECT_EQ(std::tuple(g->hazards.closestVessel, g->score.tooClose, g->soundRequests.size()),
                  std::tuple(closest, tooClose, beeps))
            << distance;
        for (const SoundRequest& r : g->soundRequests) EXPECT_EQ(r, (SoundRequest{0, PlayMode::Plain}));
    }
    auto early = BesideVesselThree(2.0);
    early->screenState.startPlaced = 0;
    CheckAnchoredVessels(*early);
    EXPECT_EQ(early->score.tooClose, 0);
}

TEST(ClosestVessel, VesselZeroDoesNotCountInRealAreasAndTheNovaScotiaFleetEndsTheCruise) {
    auto g = BesideVesselThree(2.0);
    g->objectList.fbx[FleetEntry(3)] = 100000.0;
    g->objectList.fbx[FleetEntry(0)] = g->objectList.fby[FleetEntry(0)] = 0.0;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->hazards.closestVessel, 2);
    g->cruiseOptions.isRealArea = 1;
    CheckAnchoredVessels(*g);
    EXPECT_EQ(g->hazards.closestVessel, 1000);
    auto fishing = BesideVesselThree(3.0);
    PutBoat(*fishing, 2.0, 2.0);
    fishing->cruiseOptions.region = 6;
    CheckAnchoredVessels(*fishing);
    EXPECT_EQ(fishing->score.endReason, 2);
}

}  // namespace
}  // namespace vel
