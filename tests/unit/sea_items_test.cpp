#include "sim/sea_items.h"

#include <gtest/gtest.h>

#include "sim/vessels.h"
#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

// Wind from the north at 15 knots pushes at 2 x 15 / 3 = 10; downwind is 180,
// where the tables hold sin 0 and cos -99: 3 x 0.001 x 99 x 10 south per ship.
TEST(SeaItems, DriftDownwindOncePerShip) {
    for (int32_t ships : {1, 2}) {
        auto g = CalmGame();
        PlaceVirtualVessels(*g);
        PutBoat(*g, 0.0, 5000.0);
        g->vessels.shipCount = ships;
        g->weather.windSpeed = 15;
        g->vessels.crestX[7] = 100.0;
        g->vessels.crestY[7] = 200.0;
        g->vessels.rippleY[150] = -50.0;
        UpdateVesselsAndHazards(*g);
        EXPECT_NEAR(g->vessels.crestX[7], 100.0, 1e-9);
        EXPECT_NEAR(g->vessels.crestY[7], 200.0 + ships * 3 * 0.001 * 99 * 10, 1e-9) << ships;
        EXPECT_NEAR(g->vessels.rippleY[150], -50.0 + ships * 3 * 0.001 * 99 * 10, 1e-9) << ships;
    }
    auto g = CalmGame();  // from 350 the tables hold sin 17 and cos -98 downwind
    g->weather.windDirection = 350;
    g->weather.windSpeed = 30;
    DriftSeaItems(*g);
    EXPECT_NEAR(g->vessels.crestX[0], 3 * 0.001 * 17 * 20, 1e-9);
    EXPECT_NEAR(g->vessels.crestY[0], 3 * 0.001 * 98 * 20, 1e-9);
}

TEST(NearestCrest, SkipsTheExceptedCrestAndCapsAtFiftyThousand) {
    auto g = CalmGame();
    g->vessels.crestX.fill(1.0e6);
    g->vessels.crestY.fill(1.0e6);
    EXPECT_EQ(NearestCrestDistance(*g, 0.0, 0.0, -1), 50000.0);
    g->vessels.crestX[5] = 3.0;
    g->vessels.crestY[5] = 4.0;
    g->vessels.crestX[9] = 30.0;
    g->vessels.crestY[9] = 40.0;
    EXPECT_EQ(NearestCrestDistance(*g, 0.0, 0.0, -1), 5.0);
    EXPECT_EQ(NearestCrestDistance(*g, 0.0, 0.0, 5), 50.0);
}

}  // namespace
}  // namespace vel
