#include "sim/ships.h"

#include <gtest/gtest.h>

#include <tuple>

#include "sim/anchored_fleet.h"
#include "sim/vessels.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

void PutShip(Game& g, int i, double x, double y, int32_t heading) {
    g.objectList.fbx[ShipEntry(i)] = x;
    g.objectList.fby[ShipEntry(i)] = y;
    g.vessels.heading[i] = heading;
}

double ShipX(const Game& g, int i) { return g.objectList.fbx[ShipEntry(i)]; }

// timeStep 3 at V = 6 x difficulty + 70 tenths: 3 x 0.001 x sin100 x V units,
// and the table holds 99 at 90 degrees, -99 at 270.
TEST(Ships, RunEastOrWestOnTheirLanesAtTheirSpeedAndFollowTheRiverBend) {
    for (auto [difficulty, heading, lane, dx] :
         {std::tuple{5, 90, 90, 3 * 0.001 * 99 * 100}, {1, 90, 90, 3 * 0.001 * 99 * 76},
          {10, 90, 90, 3 * 0.001 * 99 * 130}, {5, 45, 90, 3 * 0.001 * 99 * 100},
          {5, 200, 270, -3 * 0.001 * 99 * 100}, {5, 359, 270, -3 * 0.001 * 99 * 100}}) {
        auto g = CalmGame();
        g->cruiseOptions.difficulty = difficulty;
        PutShip(*g, 1, 0.0, 100.0, heading);
        MoveShip(*g, 1);
        EXPECT_EQ(g->vessels.heading[1], lane) << difficulty << " " << heading;
        EXPECT_NEAR(ShipX(*g, 1), dx, 1e-9) << difficulty << " " << heading;
        EXPECT_NEAR(g->objectList.fby[ShipEntry(1)], 100.0, 1e-9);
    }
    for (auto [bend, x, heading] : {std::tuple{1, -500.0, 108}, {-1, -500.0, 72}, {1, 10.0, 90}}) {
        auto g = CalmGame();
        g->cruiseOptions.areaCode = 4;
        g->areaGrid.riverBend = bend;
        PutShip(*g, 1, x, 0.0, 90);
        MoveShip(*g, 1);
        EXPECT_EQ(g->vessels.heading[1], heading) << bend << " " << x;
    }
    auto g = CalmGame();  // entering on the bent lane
    g->cruiseOptions.areaCode = 4;
    g->areaGrid.riverBend = 1;
    PlaceShip(*g, 1);
    ASSERT_LT(ShipX(*g, 1), 0.0);
    EXPECT_EQ(g->objectList.fby[ShipEntry(1)], 100 - Trunc(-0.3 * ShipX(*g, 1)));
    EXPECT_EQ(g->vessels.heading[1], 108);
}

TEST(Ships, ComeRoundFromTheFarEndPastTenThousandAndTheConvoyKeepsNinetyAstern) {
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
    for (double leadX : {0.0, 9990.0}) {
        auto c = CalmGame();
        c->vessels.convoy = 1;
        PutShip(*c, 1, leadX, 100.0, 90);
        PutShip(*c, 2, 5000.0, -100.0, 270);
        MoveShip(*c, 1);
        MoveShip(*c, 2);
        EXPECT_NEAR(ShipX(*c, 2), ShipX(*c, 1) - 90.0, 1e-3) << leadX;
        EXPECT_NEAR(c->objectList.fby[ShipEntry(2)], 100.0, 1e-2);
        EXPECT_EQ(c->vessels.heading[2], 90);
    }
}

// The boat at (1000, 1000): a ship under 40 units (Manhattan) away in more
// than 7 ft of water ends the cruise, at anchor or not.
TEST(Ships, CollisionWithinFortyUnitsInDeepWaterEndsTheCruise) {
    for (auto [x, y, depth, anchored, endReason] : {std::tuple{1020.0, 1019.0, 20, 0, 1}, {1020.0, 1020.0, 20, 0, 0},
                                                    {979.5, 1001.0, 20, 1, 1}, {1000.0, 1000.0, 8, 1, 1},
                                                    {1000.0, 1000.0, 7, 0, 0}}) {
        auto g = CalmGame();
        PutBoat(*g, 1000.0, 1000.0);
        g->ownBoat.depth = depth;
        g->ownBoat.anchored = anchored;
        g->anchors.anchor[1][1] = anchored ? 3 : 0;
        PutShip(*g, 1, x, y, 90);
        CheckShips(*g, 1);
        EXPECT_EQ(g->score.endReason, endReason) << x << "," << y << " " << depth;
    }
}

}  // namespace
}  // namespace vel
