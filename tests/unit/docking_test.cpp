#include "sim/docking.h"

#include <gtest/gtest.h>

#include <tuple>

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
    g->ownBoat.docked = 1;
    g->hazards.contact = 1;
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

constexpr int32_t kBuoyX = 2000, kBuoy1Y = 1000, kBuoy2Y = 1200;

std::unique_ptr<Game> AmongTheBuoys() {
    auto g = CalmGame();
    g->moorings.buoyX = {kBuoyX, kBuoyX};
    g->moorings.buoy1Y = kBuoy1Y;
    g->moorings.buoy2Y = kBuoy2Y;
    g->ownBoat.mooringLine = 1;
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
        g->ownBoat.speedOverGroundTenths = sog;
        g->ownBoat.speed = speed;
        UpdateBuoys(*g);
        EXPECT_EQ(g->ownBoat.onBuoy, onBuoy) << dx << "," << dy << " " << sog << " " << speed;
    }
}

TEST(Buoys, LetGoByTheEngineAboveIdleOrBySailAndReArmedBeyondOneHundredUnitsOfBoth) {
    for (auto [throttle, sailsUp, onBuoy] : {std::tuple{1, 0, 2}, {0, 0, 2}, {2, 0, 0}, {-3, 0, 0}, {0, 1, 0}}) {
        auto g = AmongTheBuoys();
        g->ownBoat.onBuoy = g->ownBoat.mooringLine = 2;
        g->ownBoat.throttle = throttle;
        g->ownBoat.sailsUp = sailsUp;
        g->ownBoat.speed = 5;
        g->ownBoat.speedExact = 5.5;
        UpdateBuoys(*g);
        EXPECT_EQ(std::tuple(g->ownBoat.onBuoy, g->ownBoat.mooringLine, g->ownBoat.speedExact),
                  std::tuple(onBuoy, onBuoy == 0 ? 0 : 2, onBuoy == 0 ? 0.0 : 5.5))
            << throttle << " " << sailsUp;
    }
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
