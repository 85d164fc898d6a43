// Made fast and other vessels: anchors, pier and buoys, the anchored fleet,
// ships and the sea items, on a calm game whose depth is set on the boat.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "sim/anchored_fleet.h"
#include "sim/anchoring.h"
#include "sim/docking.h"
#include "sim/mooring_actions.h"
#include "sim/sea_items.h"
#include "sim/ships.h"
#include "sim/vessels.h"
#include "vessels_fixture.h"
#include "world/real_area.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

// Anchor 1 holding at the origin on a line of `line` feet in 10 ft of water,
// the boat lying 12 units south of it with the line taut.
std::unique_ptr<Game> HoldingOnAnchorOne(int32_t line) {
    auto g = CalmGame();
    std::tie(g->ownBoat.depth, g->ownBoat.anchored, g->anchors.anchor[1][1], g->anchorState.lineLength1) =
        std::tuple(10, 1, 3, line);
    PutBoat(*g, 0.0, 12.0);
    return g;
}

enum Rode { kRope, kChain, kKellet };

void UseRode(Game& g, Rode r) {
    g.cruiseOptions.anchor1Chain = r == kChain;
    g.ownBoat.kellet = r == kKellet;
}

// 100 ft of line: L / D against W / 10 + 2, or three quarters of that on
// chain or with a kellet; anchor 2, holding beside it, always on the rope rule.
TEST(AnchorScope, HoldsOrDragsByLineOverDepthAgainstWind) {
    const struct {
        Rode rode;
        int32_t depth, wind, state;
    } cases[] = {{kRope, 10, 89, 3},   {kRope, 10, 90, -1},  {kRope, 20, 39, 3},    {kRope, 20, 40, -1},
                 {kChain, 20, 59, 3},  {kChain, 20, 60, -1}, {kChain, 10, 129, 3},  {kChain, 10, 130, -1},
                 {kKellet, 20, 59, 3}, {kKellet, 20, 60, -1}};
    for (const auto& c : cases) {
        auto g = HoldingOnAnchorOne(100);
        UseRode(*g, c.rode);
        std::tie(g->anchors.anchor[1][2], g->anchorState.lineLength2) = std::pair(3, 100);
        std::tie(g->ownBoat.depth, g->weather.windSpeed) = std::pair(c.depth, c.wind);
        UpdateAnchors(*g);
        EXPECT_EQ(std::pair(g->anchors.anchor[1][1], g->anchors.anchor[1][2]),
                  std::pair(c.state, c.rode == kRope ? c.state : -1))
            << c.rode << " " << c.depth << " " << c.wind;
    }
}

// 100 ft in 20 ft: a dragging anchor is let go again once the scope of 5
// exceeds W / 10 + 2 and the engine is not pushing; throttle x gear of 4 or
// more on a taut line breaks a setting or holding anchor out.
TEST(AnchorOne, DraggingIsLetGoAgainAndThrustOnATautLineBreaksItOut) {
    for (auto [before, wind, throttle, gear, after] :
         {std::tuple{-1, 29, 1, 0, 1}, {-1, 30, 0, 0, -1}, {-1, 20, 1, 3, -1}, {-1, 20, 1, -1, 1}, {2, 0, 1, 3, 3},
          {2, 0, 2, 2, -1}, {3, 0, 1, 3, 3}, {3, 0, 10, 3, -1}, {3, 0, 10, -1, 3}}) {
        auto g = HoldingOnAnchorOne(100);
        std::tie(g->anchors.anchor[1][1], g->weather.windSpeed, g->ownBoat.throttle, g->ownBoat.gear) =
            std::tuple(before, wind, throttle, gear);
        g->ownBoat.depth = 20;
        UpdateAnchors(*g);
        EXPECT_EQ(g->anchors.anchor[1][1], after) << before << " " << wind << " " << throttle << " " << gear;
    }
}

// 100 ft of line sets once 12 x (Manhattan drift) reaches 100: after 9 units.
TEST(LetGoAnchorOne, SetsOnlyOnceTheLineIsTaut) {
    for (auto [dx, dy, state, payingOut] :
         {std::tuple{0.0, 0.0, 2, 1}, {4.0, 4.0, 2, 1}, {5.0, 4.0, 3, 0}, {-9.0, 0.0, 3, 0}, {0.0, 8.0, 2, 1}}) {
        auto g = CalmGame();
        g->anchors.anchor[1][1] = 1;
        PutBoat(*g, 100.7, 200.3);
        UpdateAnchors(*g);
        ASSERT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchors.xanch[1][1], g->anchors.yanch[1][1],
                             g->anchorState.lineLength1, g->anchorState.payingOut),
                  std::tuple(2, 100.0, 200.0, 100, 1));
        PutBoat(*g, 100.0 + dx, 200.0 + dy);
        UpdateAnchors(*g);
        EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchorState.payingOut, g->anchorState.distance),
                  std::tuple(state, payingOut, static_cast<int32_t>(std::abs(dx) + std::abs(dy))))
            << dx << "," << dy;
    }
}

// Mended: a pending tender errand's stale anchor position grabbed the boat.
// The tender takes only the four cardinal bearings.
TEST(Tender, PendingAnchorIsNotInTheWaterUntilLaid) {
    auto g = CalmGame();
    std::tie(g->ownBoat.depth, g->anchors.anchor[1][1], g->anchorState.lineLength1) = std::tuple(20, 2, 100);
    LayAnchorByTender(*g, 45);
    EXPECT_EQ(std::pair(g->ownBoat.tenderAnchorBearing, g->anchors.anchor[1][2]), std::pair(-1, 0));
    LayAnchorByTender(*g, 270);
    std::tie(g->anchors.xanch[1][2], g->ownBoat.anchored) = std::pair(5000.0, 1);
    PutBoat(*g, 0.0, 0.0);
    UpdateAnchors(*g);
    EXPECT_EQ(std::tuple(g->ownBoat.tenderAnchorBearing, g->anchors.anchor[1][2], g->ownBoat.x),
              std::tuple(270, 2, 0.0));
    EXPECT_NE(g->anchorState.holdX, 5000);
}

// Aground, the tender-laid anchor holds; the boat lies to it, (L1 / 5 + 1) / 2
// = 10 units downwind, on up to 149 ft.
TEST(Tender, AgroundTheBoatLiesToItOnlyOnAShortLine) {
    for (auto [line2, boatY] : {std::pair{149, -20.0}, {150, 40.0}}) {
        auto g = CalmGame();
        std::tie(g->ownBoat.depth, g->ownBoat.tenderAnchorBearing, g->ownBoat.anchored) = std::tuple(5, -2, 1);
        std::tie(g->anchors.anchor[1][2], g->anchors.yanch[1][2]) = std::pair(-1, -30.0);
        std::tie(g->anchorState.lineLength1, g->anchorState.lineLength2) = std::pair(100, line2);
        PutBoat(*g, 0.0, 40.0);
        UpdateAnchors(*g);
        EXPECT_EQ(std::pair(g->anchors.anchor[1][2], g->ownBoat.y), std::pair(3, boatY)) << line2;
    }
}

// Once anchor 1 holds, the tender drops anchor 2 a fifth of the rode out along
// its bearing (19 units of 100 ft: the degree factor leaves sin 90 just under 1),
// and on the taut line it sets.
TEST(Tender, DropsAnchorTwoAlongItsBearing) {
    for (auto [bearing, dx, dy] : {std::tuple{90, 19.0, 0.0}, {180, 0.0, 19.0}}) {
        auto g = HoldingOnAnchorOne(100);
        std::tie(g->ownBoat.anchorRode, g->ownBoat.tenderAnchorBearing) = std::pair(100, bearing);
        UpdateAnchors(*g);
        EXPECT_EQ(std::tuple(g->anchors.anchor[1][2], g->anchors.xanch[1][2], g->anchors.yanch[1][2]),
                  std::tuple(3, dx, 12.0 + dy))
            << bearing;
    }
}

constexpr int32_t kBerthX = 1000, kBerthY = 500;

std::unique_ptr<Game> NearThePier(int32_t eastOfBerth, int32_t speed, int32_t heading) {
    auto g = CalmGame();
    std::tie(g->areaGrid.pierBerthX, g->areaGrid.pierBerthY) = std::pair(kBerthX, kBerthY);
    PutBoat(*g, kBerthX + eastOfBerth, kBerthY);
    std::tie(g->ownBoat.speed, g->ownBoat.heading) = std::pair(speed, heading);
    return g;
}

// Within 16 units, under 3.1 knots, heading within 40 degrees of east or west.
TEST(Pier, TiesUpOnlyCloseSlowAndAlongThePier) {
    const struct {
        int32_t distance, speed, heading, docked;
    } cases[] = {{10, 30, 270, 1},  {10, 32, 270, 0},  {10, 31, 270, 0}, {10, 30, 90, 1},  {10, 30, 231, 1},
                 {10, 30, 230, 0},  {10, 30, 309, 1},  {10, 30, 310, 0}, {10, 30, 129, 1}, {10, 30, 130, 0},
                 {10, 30, 0, 0},    {16, 30, 270, 1},  {17, 30, 270, 0}, {-16, -20, 90, 1}};
    for (const auto& c : cases) {
        auto g = NearThePier(c.distance, c.speed, c.heading);
        UpdateDocking(*g);
        EXPECT_EQ(std::tuple(g->ownBoat.docked, g->ownBoat.atPier, g->ownBoat.x),
                  std::tuple(c.docked, c.docked, c.docked ? kBerthX : kBerthX + c.distance))
            << c.distance << " " << c.speed << " " << c.heading;
    }
    auto islands = NearThePier(0, 0, 270);
    islands->cruiseOptions.areaCode = 2;
    UpdateDocking(*islands);
    EXPECT_EQ(islands->ownBoat.docked, 0);
}

TEST(Pier, StrikingItKeepsTheBoatAndCastOffIsReArmedBetweenSixtyAndOneHundredTwentyUnits) {
    auto g = NearThePier(40, 0, 0);
    g->ownBoat.docked = g->hazards.contact = 1;
    UpdateDocking(*g);
    EXPECT_EQ(g->ownBoat.docked, 1);
    for (auto [distance, castOff] : {std::pair{50, 1}, {60, 1}, {61, 0}, {119, 0}, {120, 1}}) {
        auto h = NearThePier(distance, 50, 180);
        h->ownBoat.castOff = 1;
        UpdateDocking(*h);
        EXPECT_EQ(h->ownBoat.castOff, castOff) << distance;
    }
    auto buoy = CalmGame();  // nothing is repaired on a buoy
    buoy->ownBoat.onBuoy = 1;
    buoy->failures.failed[1] = 1;
    RepairAtPier(*buoy);
    EXPECT_EQ(buoy->failures.failed[1], 1);
}

// A real area's dock (running east-west here): within 12 units, under 3.1
// knots over the ground, the heading within 40 degrees of the dock's line.
TEST(RealDock, LiesAlongsideOnlyCloseSlowAndAlongTheDock) {
    for (auto [dx, sog, heading, alongside] : {std::tuple{12, 30, 90, 1}, {13, 30, 90, 0}, {0, 31, 90, 0},
                                               {0, 30, 51, 1}, {0, 30, 50, 0}, {0, 30, 129, 1}, {0, 30, 130, 0},
                                               {0, 30, 231, 1}, {0, 30, 230, 0}, {0, 30, 309, 1}, {0, 30, 310, 0}}) {
        auto g = CalmGame();
        g->cruiseOptions.isRealArea = 1;
        BuildDock(g->areaGrid, 1000, 2000, 1);
        PutBoat(*g, 1000 + dx, 2000);
        std::tie(g->ownBoat.speedOverGroundTenths, g->ownBoat.heading) = std::pair(sog, heading);
        UpdateAlongside(*g);
        EXPECT_EQ(g->ownBoat.alongside, alongside) << dx << " " << sog << " " << heading;
    }
}

constexpr int32_t kBuoyX = 2000, kBuoy1Y = 1000, kBuoy2Y = 1200;

std::unique_ptr<Game> AmongTheBuoys() {
    auto g = CalmGame();
    g->moorings.buoyX = {kBuoyX, kBuoyX};
    std::tie(g->moorings.buoy1Y, g->moorings.buoy2Y, g->ownBoat.mooringLine) = std::tuple(kBuoy1Y, kBuoy2Y, 1);
    return g;
}

// Within 9 units (Manhattan): buoy 1 under 3.5 knots over the ground, buoy 2
// under 3.5 knots through the water.
TEST(Buoys, PickedUpOnlyCloseAndSlow) {
    for (auto [dx, dy, sog, speed, onBuoy] : {std::tuple{5, 4, 34, 0, 1}, {5, 5, 34, 0, 0}, {5, 4, 35, 0, 0},
                                              {-3, -3, -34, 0, 1}, {4, 195, 80, 34, 2}, {4, 195, 0, 35, 0},
                                              {0, 191, 0, -34, 2}}) {
        auto g = AmongTheBuoys();
        PutBoat(*g, kBuoyX + dx, kBuoy1Y + dy);
        std::tie(g->ownBoat.speedOverGroundTenths, g->ownBoat.speed) = std::pair(sog, speed);
        UpdateBuoys(*g);
        EXPECT_EQ(g->ownBoat.onBuoy, onBuoy) << dx << "," << dy << " " << sog << " " << speed;
    }
}

TEST(Buoys, LetGoByTheEngineAboveIdleOrBySail) {
    for (auto [throttle, sailsUp, onBuoy] : {std::tuple{1, 0, 2}, {0, 0, 2}, {2, 0, 0}, {-3, 0, 0}, {0, 1, 0}}) {
        auto g = AmongTheBuoys();
        g->ownBoat.onBuoy = g->ownBoat.mooringLine = 2;
        std::tie(g->ownBoat.throttle, g->ownBoat.sailsUp, g->ownBoat.speed, g->ownBoat.speedExact) =
            std::tuple(throttle, sailsUp, 5, 5.5);
        UpdateBuoys(*g);
        EXPECT_EQ(std::tuple(g->ownBoat.onBuoy, g->ownBoat.mooringLine, g->ownBoat.speedExact),
                  std::tuple(onBuoy, onBuoy == 0 ? 0 : 2, onBuoy == 0 ? 0.0 : 5.5))
            << throttle << " " << sailsUp;
    }
}

// Wind from 180: a boat swings through the wind speed in degrees either side,
// vessel 0 and boats on moorings through half of it; at day minutes where
// t = 3 j + 0.5 x dayMinutes is a whole turn the swing is at its full amplitude.
TEST(AnchoredVessel, SwingsByTheWind) {
    for (auto [j, moored, wind, heading] :
         {std::tuple{2, 0, 6, 186}, {2, 0, 30, 210}, {2, 1, 30, 195}, {0, 0, 30, 195}, {0, 0, 6, 183}}) {
        auto g = CalmGame();
        std::tie(g->weather.windDirection, g->weather.windSpeed) = std::pair(180, wind);
        g->vessels.onMooring[j] = moored;
        g->simClock.dayMinutes = j == 0 ? 0.0 : 2.0 * (6.283185307179586 - 3.0 * j);
        MoveAnchoredVessel(*g, j);
        EXPECT_EQ(g->vessels.vesselHeading[j], heading) << j << " " << moored << " " << wind;
    }
}

// Every vessel of the fleet parked far away except vessel 2 at (0, 0), the
// first after slot 1, the own boat's.
std::unique_ptr<Game> BesideVesselTwo(double distance) {
    auto g = CalmGame();
    for (int j = 0; j <= 9; ++j) g->objectList.fbx[FleetEntry(j)] = g->objectList.fby[FleetEntry(j)] = 100000.0;
    g->objectList.fbx[FleetEntry(2)] = g->objectList.fby[FleetEntry(2)] = 0.0;
    PutBoat(*g, 0.0, distance);
    g->screenState.startPlaced = 1;
    return g;
}

TEST(ClosestVessel, TooCloseBelowSixAndOneBeepBelowSeven) {
    for (auto [distance, closest, tooClose, beeps] : {std::tuple{5.0, 5, 1, 1u}, {6.0, 6, 0, 1u}, {7.5, 7, 0, 0u},
                                                      {300.0, 300, 0, 0u}, {60000.0, 1000, 0, 0u}}) {
        auto g = BesideVesselTwo(distance);
        CheckAnchoredVessels(*g);
        CheckAnchoredVessels(*g);
        EXPECT_EQ(std::tuple(g->hazards.closestVessel, g->score.tooClose, g->soundRequests),
                  std::tuple(closest, tooClose, std::vector<SoundRequest>(beeps, {0, PlayMode::Plain})))
            << distance;
    }
    auto zero = BesideVesselTwo(2.0);  // vessel 0 counts but in the real areas
    zero->objectList.fbx[FleetEntry(2)] = 100000.0;
    zero->objectList.fbx[FleetEntry(0)] = zero->objectList.fby[FleetEntry(0)] = 0.0;
    CheckAnchoredVessels(*zero);
    EXPECT_EQ(zero->hazards.closestVessel, 2);
    zero->cruiseOptions.isRealArea = 1;
    CheckAnchoredVessels(*zero);
    EXPECT_EQ(zero->hazards.closestVessel, 1000);
    auto early = BesideVesselTwo(2.0);
    early->screenState.startPlaced = 0;
    CheckAnchoredVessels(*early);
    EXPECT_EQ(early->score.tooClose, 0);
}

void PutShip(Game& g, int i, double x, double y, int32_t heading) {
    g.objectList.fbx[ShipEntry(i)] = x;
    g.objectList.fby[ShipEntry(i)] = y;
    g.vessels.heading[i] = heading;
}

double ShipX(const Game& g, int i) { return g.objectList.fbx[ShipEntry(i)]; }

// timeStep 3 at V = 6 x difficulty + 70 tenths: 3 x 0.001 x sin100 x V units,
// and the table holds 99 at 90 degrees, -99 at 270. In a convoy ship 2 keeps
// 90 units astern of ship 1 wherever it was.
TEST(Ships, RunEastOrWestOnTheirLanesAtTheirSpeed) {
    for (auto [difficulty, heading, lane, dx, astern] :
         {std::tuple{5, 0, 90, 3 * 0.001 * 99 * 100, -90.0}, {1, 179, 90, 3 * 0.001 * 99 * 76, -90.0},
          {5, 180, 270, -3 * 0.001 * 99 * 100, 90.0}}) {
        auto g = CalmGame();
        std::tie(g->cruiseOptions.difficulty, g->vessels.convoy) = std::pair(difficulty, 1);
        PutShip(*g, 1, 0.0, 100.0, heading);
        PutShip(*g, 2, 5000.0, -100.0, 270);
        MoveShip(*g, 1);
        MoveShip(*g, 2);
        EXPECT_EQ(std::pair(g->vessels.heading[1], g->vessels.heading[2]), std::pair(lane, lane));
        EXPECT_NEAR(ShipX(*g, 1), dx, 1e-9) << difficulty << " " << heading;
        EXPECT_NEAR(g->objectList.fby[ShipEntry(1)], 100.0, 1e-9);
        // Ship 2 from its station; the degree factor falls a touch short of pi / 180.
        EXPECT_NEAR(std::hypot(ShipX(*g, 2) - dx - astern, g->objectList.fby[ShipEntry(2)] - 100.0), 0.0, 0.01);
    }
}

// Both anchors set, the boat lies to the one nearer a point 1000 units upwind
// of anchor 1. Wind from the north: anchor 2 twenty units north takes the boat;
// twenty south and 300 west it does not, though the point lies to its side.
TEST(TwoAnchors, TheBoatLiesToTheOneFartherUpwind) {
    for (auto [x2, y2, holdX, holdY] : {std::tuple{500.0, 480.0, 500, 480}, {200.0, 520.0, 500, 500}}) {
        auto g = HoldingOnAnchorOne(100);
        std::tie(g->anchors.xanch[1][1], g->anchors.yanch[1][1], g->anchors.anchor[1][2]) = std::tuple(500.0, 500.0, 3);
        std::tie(g->anchors.xanch[1][2], g->anchors.yanch[1][2], g->anchorState.lineLength2) = std::tuple(x2, y2, 100);
        UpdateAnchors(*g);
        EXPECT_EQ(std::pair(g->anchorState.holdX, g->anchorState.holdY), std::pair(holdX, holdY)) << x2 << "," << y2;
    }
}

TEST(Ships, ComeRoundFromTheFarEndPastTenThousand) {
    // random(2500) reaches 32767 / (32000 / 2500) = 2730 at most.
    auto g = CalmGame();
    PutShip(*g, 1, 9990.0, 100.0, 90);
    PutShip(*g, 2, -9990.0, -100.0, 270);
    MoveShip(*g, 1);
    MoveShip(*g, 2);
    EXPECT_TRUE(ShipX(*g, 1) <= -6000.0 && ShipX(*g, 1) >= -8730.0) << ShipX(*g, 1);
    EXPECT_TRUE(ShipX(*g, 2) >= 6000.0 && ShipX(*g, 2) <= 8730.0) << ShipX(*g, 2);
    EXPECT_EQ(std::tuple(g->objectList.fby[ShipEntry(1)], g->vessels.heading[1], g->objectList.kind[ShipEntry(1)],
                         g->vessels.placements[1]),
              std::tuple(100.0, 90, 11, 1));
    EXPECT_EQ(std::tuple(g->objectList.fby[ShipEntry(2)], g->vessels.heading[2], g->objectList.kind[ShipEntry(2)]),
              std::tuple(-100.0, 270, 12));
    PlaceVirtualVessels(*g);  // mended: slots beyond the ship count wait far off, not at the origin
    for (int i = 3; i <= 5; ++i)
        EXPECT_EQ(std::pair(ShipX(*g, i), g->objectList.fby[ShipEntry(i)]), std::pair(-30000.0, -30000.0)) << i;
}

// Mended: the drift index past the sine table wraps. From 350 at 30 knots the
// push is 20 toward 170, where the tables hold sin 17 and cos -98.
TEST(SeaItems, DriftDownwind) {
    auto g = CalmGame();
    std::tie(g->weather.windDirection, g->weather.windSpeed) = std::pair(350, 30);
    DriftSeaItems(*g);
    EXPECT_NEAR(g->vessels.crestX[0], 3 * 0.001 * 17 * 20, 1e-9);
    EXPECT_NEAR(g->vessels.crestY[0], 3 * 0.001 * 98 * 20, 1e-9);
}

// The boat at (1000, 1000): a ship under 40 units (Manhattan) away in more
// than 7 ft of water ends the cruise, at anchor or not.
TEST(Ships, CollisionWithinFortyUnitsInDeepWaterEndsTheCruise) {
    for (auto [x, y, depth, anchored, endReason] : {std::tuple{1020.0, 1019.0, 20, 0, 1}, {1020.0, 1020.0, 20, 0, 0},
                                                    {979.5, 1001.0, 20, 1, 1}, {1000.0, 1000.0, 8, 1, 1},
                                                    {1000.0, 1000.0, 7, 0, 0}}) {
        auto g = CalmGame();
        PutBoat(*g, 1000.0, 1000.0);
        std::tie(g->ownBoat.depth, g->ownBoat.anchored, g->anchors.anchor[1][1]) =
            std::tuple(depth, anchored, 3 * anchored);
        PutShip(*g, 1, x, y, 90);
        CheckShips(*g, 1);
        EXPECT_EQ(g->score.endReason, endReason) << x << "," << y << " " << depth;
    }
}

TEST(LetGoAnchor, KeepsTheSpeedAndIdlesARunningEngineInNeutralButLeavesAStoppedOneStopped) {
    auto g = CalmGame();
    std::tie(g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor, g->simClock.hour) = std::tuple(11, 51, 16);
    OwnBoat& b = g->ownBoat;
    std::tie(b.throttle, b.gear, b.twinSplit, b.sailsUp) = std::tuple(7, 3, 1, 1);
    LetGoAnchor(*g, 2);
    EXPECT_EQ(std::pair(g->anchors.anchor[1][2], g->anchors.anchor[1][1]), std::pair(1, 0));
    EXPECT_EQ(std::tuple(g->simClock.speedBeforeStop, g->simClock.divisorBeforeStop, g->simClock.stopHour),
              std::tuple(11, 51, 16));
    EXPECT_EQ(std::tuple(b.throttle, b.gear, b.twinSplit, b.sailsUp), std::tuple(1, 0, 0, 0));
    auto s = CalmGame();
    s->ownBoat.gear = 3;
    LetGoAnchor(*s, 1);
    EXPECT_EQ(std::pair(s->ownBoat.throttle, s->ownBoat.gear), std::pair(0, 3));
}

}  // namespace
}  // namespace vel
