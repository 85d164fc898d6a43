#include <gtest/gtest.h>

#include <cmath>

#include "replay/sim_commands.h"
#include "sim/engines.h"
#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;
using testing::Ticks;

// ---- Apparent wind ---------------------------------------------------------

struct ApparentCase {
    int32_t trueAngle, wind, speed;
    int32_t angle, strength, pressure;
};

class ApparentWind : public ::testing::TestWithParam<ApparentCase> {};

TEST_P(ApparentWind, FollowsTrueWindAndBoatSpeed) {
    const ApparentCase c = GetParam();
    auto g = SailingGame();
    g->ownBoat.trueWindAngle = c.trueAngle;
    g->ownBoat.speed = c.speed;
    g->ownBoat.apparentWindAngle = 45;  // what the last tick left
    g->weather.windSpeed = c.wind;
    EXPECT_EQ(ComputeApparentWind(*g), c.pressure);
    EXPECT_EQ(g->ownBoat.apparentWindAngle, c.angle);
    EXPECT_EQ(g->ownBoat.apparentWindSpeed, c.strength);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApparentWind,
    ::testing::Values(
        // Head to wind at rest: along 100, across 0; pressure 1.2 x 10^2.
        ApparentCase{0, 10, 0, 0, 10, 120},
        // Head to wind making sternway 3 knots: along 70.
        ApparentCase{0, 10, -30, 0, 7, 58},
        // Dead downwind at 5 knots: cos100[180] is -99, so along -49; shown as 179.
        ApparentCase{180, 10, 50, 179, 4, 28},
        // Beam wind at rest: along 0 gives 90; sin100[90] is 99.
        ApparentCase{90, 10, 0, 90, 9, 117},
        // Running as fast as the wind: almost no apparent wind.
        ApparentCase{180, 10, 100, 179, 0, 0},
        // Calm: across 0 away from the ends keeps the last angle.
        ApparentCase{90, 0, 20, 45, 2, 4}));

TEST(ApparentWindGuard, AngleOutsideTheTableIsHeldToIt) {
    auto g = SailingGame();
    g->ownBoat.trueWindAngle = 400;
    g->ownBoat.speed = 0;
    g->weather.windSpeed = 10;
    ComputeApparentWind(*g);
    EXPECT_EQ(g->ownBoat.apparentWindAngle, 179);
}

// ---- Spinnaker -------------------------------------------------------------

struct SpinnakerCase {
    int32_t seen;
    int32_t cruising;
    int32_t factor;
};

class Spinnaker : public ::testing::TestWithParam<SpinnakerCase> {};

TEST_P(Spinnaker, FactorByApparentAngle) {
    const SpinnakerCase c = GetParam();
    auto g = SailingGame();
    g->ownBoat.apparentWindAngleSeen = c.seen;
    g->cruiseOptions.cruisingSpinnaker = c.cruising;
    EXPECT_EQ(SpinnakerFactor(*g), c.factor);
}

INSTANTIATE_TEST_SUITE_P(Cases, Spinnaker,
                         ::testing::Values(SpinnakerCase{69, 0, 100}, SpinnakerCase{70, 0, 30},
                                           SpinnakerCase{79, 0, 30}, SpinnakerCase{80, 0, 0},
                                           SpinnakerCase{165, 1, 0}, SpinnakerCase{166, 1, 30},
                                           SpinnakerCase{166, 0, 0}));

TEST(SpinnakerDrive, TooCloseToTheWindTheDriveFallsToItsFloor) {
    // A close reach of 50 degrees true: apparent well below 70.
    auto plain = SailingGame();
    auto spinnaker = SailingGame();
    for (Game* g : {plain.get(), spinnaker.get()}) {
        g->ownBoat.heading = 50;
        g->ownBoat.trueWindAngle = 50;
        g->ownBoat.apparentWindAngle = 35;
        g->ownBoat.sheet = 0;
        g->ownBoat.autoTrim = 0;
    }
    spinnaker->ownBoat.spinnaker = 1;
    UpdateSpeed(*plain);
    UpdateSpeed(*spinnaker);
    // D = max(D - 300, 1) = 1, against well over a hundred without it.
    EXPECT_GT(plain->ownBoat.sailForce, 100 * spinnaker->ownBoat.sailForce);
}

// ---- Heel ------------------------------------------------------------------

TEST(Heel, ChangesByOneDegreeATick) {
    auto g = SailingGame();
    g->weather.windSpeed = 30;
    g->ownBoat.heading = 60;
    g->ownBoat.trueWindAngle = 60;  // as the last tick left it
    g->ownBoat.sheet = 10;
    g->ownBoat.autoTrim = 0;
    for (int tick = 1; tick <= 8; ++tick) {
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.heel, tick);
    }
    g->weather.windSpeed = 0;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, 7);
}

TEST(Heel, NeverPassesThirtyFiveDegrees) {
    auto g = SailingGame();
    g->weather.windSpeed = 60;
    g->ownBoat.heading = 60;
    g->ownBoat.trueWindAngle = 60;
    g->ownBoat.sheet = -3;
    g->ownBoat.autoTrim = 0;
    g->ownBoat.heel = 35;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, 35);
}

// ---- Made fast ---------------------------------------------------------------

TEST(MadeFast, AnchoredBoatRocksWithThePitchAndLiesStill) {
    auto g = SailingGame();
    g->ownBoat.speedExact = 40.0;
    g->ownBoat.speed = 40;
    g->waveMotion.pitch = 4;
    g->anchors.anchor[1][1] = 3;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.anchored, 1);
    EXPECT_EQ(g->ownBoat.heel, 8);
    EXPECT_EQ(g->ownBoat.speed, 0);
    EXPECT_EQ(g->ownBoat.speedExact, 0.0);
    g->waveMotion.pitch = -3;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, -6);
}

TEST(MadeFast, AnchorTakingHoldDropsARunningEngineToIdleAndTheSails) {
    auto g = SailingGame();
    g->ownBoat.throttle = 7;
    g->ownBoat.gear = 3;
    g->anchors.anchor[1][2] = 3;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
}

TEST(MadeFast, DraggingAnchorCapsTheSpeedAtThreeKnots) {
    auto g = SailingGame();
    g->ownBoat.speed = 55;
    g->ownBoat.speedExact = 55.0;
    g->anchors.anchor[1][1] = -1;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.speed, 30);
    EXPECT_EQ(g->ownBoat.speedExact, 30.0);
}

TEST(MadeFast, TiedUpBoatStandsUpright) {
    auto g = SailingGame();
    g->ownBoat.heel = 12;
    g->ownBoat.speedExact = 20.0;
    g->ownBoat.docked = 1;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, 0);
    EXPECT_EQ(g->ownBoat.speedExact, 0.0);
}

// ---- Points of sail -----------------------------------------------------------

TEST(PointsOfSail, HeadToWindTheBoatGathersSternway) {
    auto g = SailingGame();
    g->ownBoat.heading = 0;
    g->ownBoat.headingExact = 0.0;
    Ticks(*g, 30);
    EXPECT_EQ(g->ownBoat.trueWindAngle, 0);
    EXPECT_LT(g->ownBoat.speed, 0);
    EXPECT_GE(g->ownBoat.speed, -40);
    // Windage of ((90 - 0) x 15) / 15 = 90 against a force of almost nothing.
    EXPECT_LT(g->ownBoat.sailForce, 20);
}

TEST(PointsOfSail, DeadDownwindWithTheSheetOutTheWindPushes) {
    auto g = SailingGame();
    g->ownBoat.heading = 180;
    g->ownBoat.headingExact = 180.0;
    g->ownBoat.trueWindAngle = 180;
    g->ownBoat.sheet = 47;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.trueWindAngle, 180);
    EXPECT_EQ(g->ownBoat.luffing, 0);
    EXPECT_GT(g->ownBoat.speedExact, 0.0);
}

TEST(PointsOfSail, TackFollowsTheSideTheWindComesOver) {
    auto g = SailingGame();
    g->weather.windDirection = 0;
    const struct {
        int32_t heading, tack, angle;
    } cases[] = {{45, -1, 45}, {315, 1, 45}, {180, 1, 180}, {0, 1, 0}, {179, -1, 179}, {181, 1, 179}};
    for (const auto& c : cases) {
        g->ownBoat.heading = c.heading;
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.tack, c.tack) << c.heading;
        EXPECT_EQ(g->ownBoat.trueWindAngle, c.angle) << c.heading;
    }
}

TEST(Polar, SailboatsAreSlowCloseHauledFastestReachingAndInIronsHeadToWind) {
    for (int32_t type : {1, 2}) {
        const auto polar = replay::SteadyPolar(CruiseOptions{}, type, 15, {0, 50, 90, 180});
        EXPECT_LT(polar[0].knots, 0.0) << type;
        EXPECT_LT(polar[1].knots, polar[2].knots) << type;
        EXPECT_LT(polar[3].knots, polar[2].knots) << type;
        EXPECT_GT(polar[1].knots, 3.0) << type;
    }
}

TEST(Polar, TrawlersMakeWayOnEveryHeading) {
    for (int32_t type : {3, 4}) {
        for (const auto& p : replay::SteadyPolar(CruiseOptions{}, type, 15, {0, 90, 180})) EXPECT_GT(p.knots, 5.0);
    }
}

// ---- Shoal water and ground ---------------------------------------------------

TEST(Grounding, AgroundTheSpeedIsHeldToHalfAKnot) {
    auto g = SailingGame();
    g->ownBoat.speedExact = 60.0;
    g->ownBoat.depth = g->boatDesign.draft - 1;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.speedExact, 5.0);
    EXPECT_EQ(g->ownBoat.hardAground, 0);
    g->ownBoat.speedExact = -30.0;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.speedExact, -5.0);
}

TEST(Grounding, HardAgroundTheBoatCreepsAndLiesOver) {
    struct Case {
        int32_t type;
        double before, after;
        int32_t heel;
    } cases[] = {{1, 60.0, 1.0, 14}, {1, -20.0, -1.0, 14}, {2, 60.0, 1.0, 7}, {3, 60.0, 1.0, 7}};
    for (const Case& c : cases) {
        auto g = SailingGame(c.type);
        g->waveMotion.pitch = 2;
        g->ownBoat.speedExact = c.before;
        g->ownBoat.depth = 1;
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.hardAground, 1);
        EXPECT_EQ(g->ownBoat.speedExact, c.after) << c.type;
        EXPECT_EQ(g->ownBoat.heel, c.heel) << c.type;
    }
}

TEST(Grounding, FirstInstantOfTheCruiseHoldsTheBoat) {
    auto g = SailingGame();
    g->simClock.day = 1;
    g->simClock.dayHours = g->cruiseOptions.departureHour;
    g->ownBoat.heading = 90;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.speedExact, 0.0);
}

// ---- Automatic trim -------------------------------------------------------------

struct TrimCase {
    int32_t heel, sheet, spinnaker, overTrimmed, luffing;
    int32_t after;
};

class Trim : public ::testing::TestWithParam<TrimCase> {};

TEST_P(Trim, SheetMovesByTheRule) {
    const TrimCase c = GetParam();
    auto g = SailingGame();
    OwnBoat& b = g->ownBoat;
    b.heel = c.heel;
    b.sheet = c.sheet;
    b.spinnaker = c.spinnaker;
    b.overTrimmed = c.overTrimmed;
    b.luffing = c.luffing;
    AutoTrim(*g, 25);
    EXPECT_EQ(b.sheet, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, Trim,
                         ::testing::Values(
                             // Heeled past the limit: ease, faster once past 14.
                             TrimCase{26, 10, 0, 0, 0, 11}, TrimCase{26, 13, 0, 0, 0, 17},
                             TrimCase{26, 14, 0, 0, 0, 17}, TrimCase{26, 46, 0, 0, 0, 47},
                             TrimCase{26, 20, 1, 0, 0, 21},
                             // Over-trimmed: ease by three.
                             TrimCase{10, 20, 0, 1, 0, 23}, TrimCase{10, 46, 0, 1, 0, 47},
                             // Luffing: trim in, in steps that run on into each other.
                             TrimCase{20, 16, 0, 0, 30, 13}, TrimCase{20, 12, 0, 0, 30, 11},
                             TrimCase{20, 10, 0, 0, 30, 8}, TrimCase{22, 9, 0, 0, 30, 8},
                             TrimCase{23, 9, 0, 0, 30, 9}, TrimCase{20, -2, 0, 0, 30, -2},
                             // Drawing well: leave the sheet alone.
                             TrimCase{20, 20, 0, 0, 0, 20}));

TEST(Trim, HeeledPastTheLimitTheSheetEasesEveryTickUntilTheBoatStandsUp) {
    auto g = SailingGame();
    g->weather.windSpeed = 28;
    g->ownBoat.heading = 70;
    g->ownBoat.headingExact = 70.0;
    g->ownBoat.trueWindAngle = 70;
    g->ownBoat.sheet = -2;
    g->ownBoat.heel = 34;
    int32_t previous = g->ownBoat.sheet;
    int ticks = 0;
    while (g->ownBoat.heel > 25 && ticks++ < 60) {
        UpdateSpeed(*g);
        // Eased every tick while heeled past the limit, up to all out.
        if (g->ownBoat.heel > 25) {
            EXPECT_TRUE(g->ownBoat.sheet > previous || g->ownBoat.sheet == 47) << ticks;
        }
        previous = g->ownBoat.sheet;
    }
    EXPECT_LE(g->ownBoat.heel, 25);
}

// ---- Speed model -------------------------------------------------------------

TEST(TargetSpeed, FollowsTheHullSpeedCurve) {
    auto g = SailingGame();  // 40 ft, medium displacement
    const double h = 8.5 * std::sqrt(40.0);
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 0), 0.0);
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 576), h);  // the knee: sqrt(576) = 24
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 144), h / 2.0);
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, -144), -h / 2.0);
    // Above the knee, 23 more steps of sqrt(P) reach 12.5 / displacement of it.
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 47 * 47), h * 12.5 / 10.0);
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 100000000), 200.0);
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, -100000000), -40.0);
}

TEST(TargetSpeed, StaysFiniteWithoutLengthOrDisplacement) {
    auto g = SailingGame();
    g->boatDesign.displacement = 0;
    EXPECT_TRUE(std::isfinite(TargetSpeed(*g, 5000)));
    g->boatDesign.length = 0;
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 5000), 0.0);
    g->boatDesign.length = -10;
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 5000), 0.0);
    UpdateSpeed(*g);
    EXPECT_TRUE(std::isfinite(g->ownBoat.speedExact));
}

TEST(Acceleration, SpeedApproachesTheTargetByTheDisplacement) {
    auto g = SailingGame(3);  // single-screw trawler, displacement 7
    g->weather.windSpeed = 0;
    g->ownBoat.throttle = 10;
    g->ownBoat.gear = 3;
    UpdateSpeed(*g);
    // From rest the step is capped at 20: 20 x timeStep 3 / 7.
    EXPECT_DOUBLE_EQ(g->ownBoat.speedExact, 20.0 * 3.0 / 7.0);
}

TEST(Acceleration, ThreeHourLeapOfTheClockDoesNotCarryIntoTheSpeed) {
    auto g = SailingGame(3);
    g->weather.windSpeed = 0;
    g->ownBoat.throttle = 10;
    g->ownBoat.gear = 3;
    g->simClock.timeStep = 882.0;  // what a leap at anchor leaves behind
    UpdateSpeed(*g);
    EXPECT_DOUBLE_EQ(g->ownBoat.speedExact, 20.0 * 3.0 / 7.0);
}

// ---- Engines -------------------------------------------------------------------

TEST(Engine, DriveByHullAndThrottle) {
    struct Case {
        int32_t type, throttle, gear, drive;
    } cases[] = {{1, 10, 3, 1080}, {2, 10, 3, 1800}, {3, 7, 3, 1260}, {4, 1, -1, -60}, {1, 1, 0, 0}};
    for (const Case& c : cases) {
        auto g = SailingGame(c.type);
        g->ownBoat.throttle = c.throttle;
        g->ownBoat.gear = c.gear;
        EXPECT_EQ(EngineDrive(*g, 0), c.drive) << c.type;
        EXPECT_EQ(EngineDrive(*g, 40), c.drive - 40) << c.type;
    }
}

TEST(Engine, SplitTwinScrewsGiveNoThrustAndLeaveTheGearInNeutral) {
    auto g = SailingGame(4);
    g->ownBoat.throttle = 3;
    g->ownBoat.gear = 3;
    g->ownBoat.twinSplit = -1;
    EXPECT_EQ(EngineDrive(*g, 25), -25);
    EXPECT_EQ(g->ownBoat.gear, 0);
}

TEST(Engine, FailedOrMissingEngineStops) {
    auto g = SailingGame();
    g->ownBoat.sailsUp = 0;
    g->ownBoat.throttle = 10;
    g->ownBoat.gear = 3;
    g->failures.failed[3] = 1;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.throttle, 0);
    auto h = SailingGame();
    h->ownBoat.throttle = 3;
    h->cruiseOptions.troubleNoEngine = 1;
    UpdateSpeed(*h);
    EXPECT_EQ(h->ownBoat.throttle, 0);
}

// ---- Leeway ---------------------------------------------------------------------

TEST(Leeway, FollowsForceOverSpeedSquared) {
    auto g = SailingGame();
    OwnBoat& b = g->ownBoat;
    b.sailsUp = 1;
    b.sheetAngle = 0;
    b.sailForce = 360;
    b.speed = 30;
    // (2 x 100 x 360) / (4 x 900) = 20, halved with the last value 0.
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 10);
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 15);
    b.speed = -30;
    b.leeway = 0;
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, -10);
}

TEST(Leeway, CatamaranSlipsMoreAndTheAngleIsCapped) {
    auto g = SailingGame(2);
    OwnBoat& b = g->ownBoat;
    b.sheetAngle = 0;
    b.sailForce = 360;
    b.speed = 30;
    UpdateLeeway(*g);  // 20 x 5 / 2 = 50, halved to 25, capped
    EXPECT_EQ(b.leeway, 15);
}

TEST(Leeway, StoppedAgroundOrMadeFast) {
    auto g = SailingGame();
    OwnBoat& b = g->ownBoat;
    b.speed = 1;
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 15);
    b.speed = 50;
    b.depth = g->boatDesign.draft - 1;
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 0);
    b.depth = 60;
    b.leeway = 7;
    b.onBuoy = 1;
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 0);
}

// ---- Close-hauled ------------------------------------------------------------------

TEST(CloseHauled, AngleNarrowsOneDegreeForEveryEightKnots) {
    struct Case {
        int32_t type, wind, tack;
        double heading;
    } cases[] = {{1, 0, 1, -47.0}, {1, 16, 1, -45.0}, {1, 16, -1, 45.0}, {1, 23, -1, 45.0}, {2, 16, 1, -48.0}};
    for (const Case& c : cases) {
        auto g = SailingGame(c.type);
        g->weather.windDirection = 0;
        g->weather.windSpeed = c.wind;
        g->ownBoat.tack = c.tack;
        SetCloseHauled(*g);
        EXPECT_EQ(g->ownBoat.headingExact, c.heading);
    }
}

}  // namespace
}  // namespace vel
