#include <gtest/gtest.h>

#include <tuple>

#include "common/helpers.h"
#include "shell/settings.h"
#include "sim/tick.h"

namespace vel {
namespace {

// 61.2 / 300: minutes per time unit in the generated areas.
constexpr double kMinutesPerUnit = 0.204;

// The clock and the boat at the departure hour, no failures, draft 5.
struct Rig {
    std::unique_ptr<Game> g = std::make_unique<Game>();
    SimClock& c = g->simClock;
    OwnBoat& b = g->ownBoat;

    void Start(int speed, int departureHour, int unitsPerMile = 300) {
        BuildTrigTables(g->trigTables);
        g->areaGrid.unitsPerMile = unitsPerMile;
        g->cruiseOptions.difficulty = 1;
        g->boatDesign.draft = 5;
        SetSpeed(g->cruiseOptions, speed);
        g->cruiseOptions.departureHour = departureHour;
        ResetClockAndBoat(*g);
    }
    void Tick() { AdvanceClockAndMove(*g); }
};

class Clock : public ::testing::Test, protected Rig {};

TEST(ThreeHourJump, MadeFastBoatsLeapAtEvenHoursPastTheHourAfterStopping) {
    const struct {
        const char* what;
        int hour, stopHour;
        int OwnBoat::*madeFast;  // nullptr: under way
        int noTimeSkip;
        bool jumps;
    } cases[] = {
        {"anchored", 12, 9, &OwnBoat::anchored, 0, true},
        {"docked", 12, 9, &OwnBoat::docked, 0, true},
        {"on a buoy", 12, 9, &OwnBoat::onBuoy, 0, true},
        {"alongside", 12, 9, &OwnBoat::alongside, 0, true},
        {"under way", 12, 9, nullptr, 0, false},
        {"odd hour", 11, 9, &OwnBoat::docked, 0, false},
        {"the hour after stopping", 10, 9, &OwnBoat::docked, 0, false},
        {"two hours after stopping", 12, 11, &OwnBoat::docked, 0, false},
        {"no time skip", 12, 9, &OwnBoat::docked, 1, false},
        {"midnight, no stop hour", 0, -1, &OwnBoat::anchored, 0, false},
        {"two in the morning", 2, -1, &OwnBoat::anchored, 0, true},
    };
    for (const auto& p : cases) {
        Rig t;
        t.g->cruiseOptions.noTimeSkip = p.noTimeSkip;
        t.Start(15, p.hour);
        t.c.stopHour = p.stopHour;
        if (p.madeFast) t.b.*p.madeFast = 1;
        const double before = t.c.dayMinutes;
        t.Tick();
        const SimClock& c = t.c;
        if (p.jumps) {
            EXPECT_NEAR(c.timeStep, 180.0 / kMinutesPerUnit, 1e-9) << p.what;
            EXPECT_NEAR(c.dayMinutes - before, 180.0, 1e-9) << p.what;
            EXPECT_EQ(std::tuple(c.hour, c.minute, c.jumpBanner), std::tuple(p.hour + 3, 0, 27)) << p.what;
        } else {
            EXPECT_EQ(std::tuple(c.timeStep, c.hour, c.jumpBanner), std::tuple(3.0, p.hour, 0)) << p.what;
        }
    }
}

// The program's degree factor leaves cos 90 at -2e-5 rather than 0, so a
// course due east still creeps south a little: hence the tolerances.
TEST_F(Clock, SpeedOfOneHundredCoversTenUnitsPerTimeUnitOnTheHeading) {
    const struct {
        int heading, variation;
        double dx, dy;
        int courseOverGround;
    } cases[] = {{90, 0, 30, 0, 90},   {90, 7, 30, 0, 97},    {0, 0, 0, -30, 0},
                 {0, -10, 0, -30, 350}, {180, 0, 0, 30, 180}, {270, 0, -30, 0, 271}};
    Start(15, 9);
    for (const auto& p : cases) {
        std::tie(b.x, b.y, b.log, b.heading, b.speed) = std::tuple(1000.5, 2000.5, 0.0, p.heading, 100);
        g->navState.variation = p.variation;
        Tick();
        EXPECT_NEAR(b.x - 1000.5, p.dx, 1e-2) << p.heading;
        EXPECT_NEAR(b.y - 2000.5, p.dy, 1e-2) << p.heading;
        EXPECT_EQ(std::tuple(b.courseOverGround, b.speedOverGroundTenths, b.cellX, b.cellY),
                  std::tuple(p.courseOverGround, 100, Trunc(b.x), Trunc(b.y)))
            << p.heading;
        EXPECT_NEAR(b.log, 100 * 3.0 * 0.0996 / 300, 1e-12);
    }
}

TEST(CurrentDrift, OnlyAFreeBoatAfloatDrifts) {
    // Current from the east at 2: -sin100[90] x 2 = -198, 0.594 units a tick;
    // from the north at 3: cos100[0] x 3 = 300, 0.9 units south.
    const struct {
        const char* what;
        int OwnBoat::*madeFast;
        int depth, speed, from, knots;
        double dx, dy;
    } cases[] = {
        {"free", nullptr, 10, 0, 90, 2, -0.594, 0},
        {"depth equal to draft is afloat", nullptr, 5, 0, 90, 2, -0.594, 0},
        {"aground", nullptr, 4, 0, 90, 2, 0, 0},
        {"anchored", &OwnBoat::anchored, 10, 0, 90, 2, 0, 0},
        {"on a buoy", &OwnBoat::onBuoy, 10, 0, 90, 2, 0, 0},
        {"free under way", nullptr, 10, 100, 90, 2, 30.0 - 0.594, 0},
        {"docked under way", &OwnBoat::docked, 10, 100, 90, 2, 30.0, 0},
        {"from the north", nullptr, 10, 0, 0, 3, 0, 0.9},
    };
    for (const auto& p : cases) {
        Rig t;
        t.Start(15, 9);  // 09:00: no jump at an odd hour
        std::tie(t.b.x, t.b.y, t.b.heading, t.b.speed, t.b.depth) = std::tuple(5000.0, 5000.0, 90, p.speed, p.depth);
        if (p.madeFast) t.b.*p.madeFast = 1;
        // Buoy 1 lies up-current of the boat, the pennant's 15 units east.
        std::tie(t.g->moorings.buoyX[0], t.g->moorings.buoy1Y) = std::pair(5015, 5000);
        std::tie(t.g->tideState.boatCurrentFrom, t.g->tideState.boatCurrentSpeed) = std::pair(p.from, p.knots);
        t.Tick();
        EXPECT_NEAR(t.b.x - 5000, p.dx, 1e-6) << p.what;
        EXPECT_NEAR(t.b.y - 5000, p.dy, 1e-3) << p.what;
    }
}

}  // namespace
}  // namespace vel
