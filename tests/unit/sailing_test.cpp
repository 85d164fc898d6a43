#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "replay/sim_commands.h"
#include "sim/engines.h"
#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;
using testing::Ticks;

TEST(ApparentWind, FollowsTrueWindAndBoatSpeed) {
    const struct {
        int32_t trueAngle, wind, speed;
        int32_t angle, strength, pressure;
    } cases[] = {
        {0, 10, 0, 0, 10, 120},    // head to wind at rest: pressure 1.2 x 10^2
        {0, 10, -30, 0, 7, 58},    // making sternway 3 knots
        {180, 10, 50, 179, 4, 28}, // cos100[180] is -99: shown as 179
        {90, 10, 0, 90, 9, 117},   // sin100[90] is 99
        {180, 10, 100, 179, 0, 0}, // running as fast as the wind
        {90, 0, 20, 45, 2, 4},     // calm: across 0 away from the ends keeps the last angle
        {400, 10, 0, 179, 10, 120},  // outside the table: held to it
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->ownBoat.trueWindAngle = c.trueAngle;
        g->ownBoat.speed = c.speed;
        g->ownBoat.apparentWindAngle = 45;  // what the last tick left
        g->weather.windSpeed = c.wind;
        const int32_t pressure = ComputeApparentWind(*g);
        EXPECT_EQ(g->ownBoat.apparentWindAngle, c.angle) << c.trueAngle << " " << c.speed;
        if (c.trueAngle < 360) {
            EXPECT_EQ(std::tuple(pressure, g->ownBoat.apparentWindSpeed), std::tuple(c.pressure, c.strength))
                << c.trueAngle << " " << c.speed;
        }
    }
}

TEST(Spinnaker, FactorByApparentAngle) {
    for (auto [seen, cruising, factor] : {std::tuple{69, 0, 100}, {70, 0, 30}, {79, 0, 30}, {80, 0, 0},
                                          {165, 1, 0}, {166, 1, 30}, {166, 0, 0}}) {
        auto g = SailingGame();
        g->ownBoat.apparentWindAngleSeen = seen;
        g->cruiseOptions.cruisingSpinnaker = cruising;
        EXPECT_EQ(SpinnakerFactor(*g), factor) << seen << " " << cruising;
    }

}

TEST(Heel, ChangesByOneDegreeATickUpToThirtyFive) {
    auto g = SailingGame();
    g->weather.windSpeed = 30;
    g->ownBoat.heading = g->ownBoat.trueWindAngle = 60;
    g->ownBoat.sheet = 10;
    g->ownBoat.autoTrim = 0;
    for (int tick = 1; tick <= 8; ++tick) {
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.heel, tick);
    }
    g->weather.windSpeed = 0;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, 7);
    g->weather.windSpeed = 60;
    g->ownBoat.sheet = -3;
    g->ownBoat.heel = 35;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, 35);
}

TEST(MadeFast, AnchoredRocksWithThePitchAndDraggingCapsAtThreeKnots) {
    auto g = SailingGame();
    g->ownBoat.speedExact = 40.0;
    g->ownBoat.speed = 40;
    g->waveMotion.pitch = 4;
    g->ownBoat.throttle = 7;
    g->ownBoat.gear = 3;
    g->anchors.anchor[1][1] = 3;
    UpdateSpeed(*g);
    // An anchor taking hold drops a running engine to idle and the sails.
    EXPECT_EQ(std::tuple(g->ownBoat.anchored, g->ownBoat.heel, g->ownBoat.speed, g->ownBoat.throttle,
                         g->ownBoat.sailsUp),
              std::tuple(1, 8, 0, 1, 0));
    g->waveMotion.pitch = -3;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.heel, -6);

    auto d = SailingGame();
    d->ownBoat.speed = 55;
    d->ownBoat.speedExact = 55.0;
    d->anchors.anchor[1][1] = -1;
    UpdateSpeed(*d);
    EXPECT_EQ(std::tuple(d->ownBoat.speed, d->ownBoat.speedExact), std::tuple(30, 30.0));


}

TEST(PointsOfSail, TackAndTrueWindAngleFollowTheSideTheWindComesOver) {
    auto g = SailingGame();
    for (auto [heading, tack, angle] :
         {std::tuple{45, -1, 45}, {315, 1, 45}, {180, 1, 180}, {0, 1, 0}, {179, -1, 179}, {181, 1, 179}}) {
        g->ownBoat.heading = heading;
        UpdateSpeed(*g);
        EXPECT_EQ(std::tuple(g->ownBoat.tack, g->ownBoat.trueWindAngle), std::tuple(tack, angle)) << heading;
    }

}

TEST(Polar, SailboatsFastestReachingInIronsHeadToWindTrawlersEverywhere) {
    for (int32_t type : {1, 2}) {
        const auto polar = replay::SteadyPolar(CruiseOptions{}, type, 15, {0, 50, 90, 180});
        EXPECT_LT(polar[0].knots, 0.0) << type;
        EXPECT_GT(polar[1].knots, 3.0) << type;
        EXPECT_LT(polar[1].knots, polar[2].knots) << type;
        EXPECT_LT(polar[3].knots, polar[2].knots) << type;
    }
    for (int32_t type : {3, 4})
        for (const auto& p : replay::SteadyPolar(CruiseOptions{}, type, 15, {0, 90, 180})) EXPECT_GT(p.knots, 5.0);
}

TEST(Grounding, AgroundHalfAKnotHardAgroundACreepAndLyingOverFirstInstantHeld) {
    auto g = SailingGame();
    g->ownBoat.speedExact = 60.0;
    g->ownBoat.depth = g->boatDesign.draft - 1;
    UpdateSpeed(*g);
    EXPECT_EQ(std::tuple(g->ownBoat.speedExact, g->ownBoat.hardAground), std::tuple(5.0, 0));
    g->ownBoat.speedExact = -30.0;
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.speedExact, -5.0);
    for (auto [type, before, after, heel] :
         {std::tuple{1, 60.0, 1.0, 14}, {1, -20.0, -1.0, 14}, {2, 60.0, 1.0, 7}, {3, 60.0, 1.0, 7}}) {
        auto h = SailingGame(type);
        h->waveMotion.pitch = 2;
        h->ownBoat.speedExact = before;
        h->ownBoat.depth = 1;
        UpdateSpeed(*h);
        EXPECT_EQ(std::tuple(h->ownBoat.hardAground, h->ownBoat.speedExact, h->ownBoat.heel),
                  std::tuple(1, after, heel))
            << type;
    }
    auto first = SailingGame();
    first->simClock.day = 1;
    first->simClock.dayHours = first->cruiseOptions.departureHour;
    UpdateSpeed(*first);
    EXPECT_EQ(first->ownBoat.speedExact, 0.0);
}

TEST(Trim, SheetMovesByTheRule) {
    const struct {
        int32_t heel, sheet, spinnaker, overTrimmed, luffing, after;
    } cases[] = {
        // Heeled past the limit: ease, faster once past 14.
        {26, 10, 0, 0, 0, 11}, {26, 13, 0, 0, 0, 17}, {26, 14, 0, 0, 0, 17}, {26, 46, 0, 0, 0, 47},
        {26, 20, 1, 0, 0, 21},
        // Over-trimmed: ease by three.
        {10, 20, 0, 1, 0, 23}, {10, 46, 0, 1, 0, 47},
        // Luffing: trim in, in steps that run on into each other.
        {20, 16, 0, 0, 30, 13}, {20, 12, 0, 0, 30, 11}, {20, 10, 0, 0, 30, 8}, {22, 9, 0, 0, 30, 8},
        {23, 9, 0, 0, 30, 9}, {20, -2, 0, 0, 30, -2},
        {20, 20, 0, 0, 0, 20},  // drawing well: left alone
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        OwnBoat& b = g->ownBoat;
        std::tie(b.heel, b.sheet, b.spinnaker, b.overTrimmed, b.luffing) =
            std::tuple(c.heel, c.sheet, c.spinnaker, c.overTrimmed, c.luffing);
        AutoTrim(*g, 25);
        EXPECT_EQ(b.sheet, c.after) << c.heel << " " << c.sheet << " " << c.luffing;
    }
}

TEST(TargetSpeed, FollowsTheHullSpeedCurveAndStaysFiniteWithoutLengthOrDisplacement) {
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
    g->boatDesign.displacement = 0;
    EXPECT_TRUE(std::isfinite(TargetSpeed(*g, 5000)));
    g->boatDesign.length = -10;
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 5000), 0.0);
    UpdateSpeed(*g);
    EXPECT_TRUE(std::isfinite(g->ownBoat.speedExact));
}

TEST(Acceleration, FromRestCappedAtTwentyByTheDisplacementEvenAfterAThreeHourLeap) {
    for (double step : {3.0, 882.0}) {  // 882: what a leap at anchor leaves behind
        auto g = SailingGame(3);         // single-screw trawler, displacement 7
        g->weather.windSpeed = 0;
        g->ownBoat.throttle = 10;
        g->ownBoat.gear = 3;
        g->simClock.timeStep = step;
        UpdateSpeed(*g);
        EXPECT_DOUBLE_EQ(g->ownBoat.speedExact, 20.0 * 3.0 / 7.0) << step;
    }
}

TEST(Engine, DriveByHullAndThrottleSplitScrewsAndFailure) {
    for (auto [type, throttle, gear, drive] :
         {std::tuple{1, 10, 3, 1080}, {2, 10, 3, 1800}, {3, 7, 3, 1260}, {4, 1, -1, -60}, {1, 1, 0, 0}}) {
        auto g = SailingGame(type);
        g->ownBoat.throttle = throttle;
        g->ownBoat.gear = gear;
        EXPECT_EQ(EngineDrive(*g, 0), drive) << type;
        EXPECT_EQ(EngineDrive(*g, 40), drive - 40) << type;
    }
    auto split = SailingGame(4);
    split->ownBoat.throttle = 3;
    split->ownBoat.gear = 3;
    split->ownBoat.twinSplit = -1;
    EXPECT_EQ(EngineDrive(*split, 25), -25);
    EXPECT_EQ(split->ownBoat.gear, 0);
    for (int trouble : {0, 1}) {
        auto g = SailingGame();
        g->ownBoat.sailsUp = 0;
        g->ownBoat.throttle = 10;
        g->ownBoat.gear = 3;
        g->failures.failed[3] = 1 - trouble;
        g->cruiseOptions.troubleNoEngine = trouble;
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.throttle, 0) << trouble;
    }
}

TEST(Leeway, ForceOverSpeedSquaredCappedAndNoneStoppedAgroundOrMadeFast) {
    auto g = SailingGame();
    OwnBoat& b = g->ownBoat;
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
    b.speed = 1;
    UpdateLeeway(*g);
    EXPECT_EQ(b.leeway, 15);
    for (auto [depth, onBuoy] : {std::pair{g->boatDesign.draft - 1, 0}, {60, 1}}) {
        std::tie(b.speed, b.leeway, b.depth, b.onBuoy) = std::tuple(50, 7, depth, onBuoy);
        UpdateLeeway(*g);
        EXPECT_EQ(b.leeway, 0) << depth;
    }

}

TEST(CloseHauled, AngleNarrowsOneDegreeForEveryEightKnots) {
    for (auto [type, wind, tack, heading] : {std::tuple{1, 0, 1, -47.0}, {1, 16, 1, -45.0}, {1, 16, -1, 45.0},
                                             {1, 23, -1, 45.0}, {2, 16, 1, -48.0}}) {
        auto g = SailingGame(type);
        g->weather.windDirection = 0;
        g->weather.windSpeed = wind;
        g->ownBoat.tack = tack;
        SetCloseHauled(*g);
        EXPECT_EQ(g->ownBoat.headingExact, heading) << type << " " << wind << " " << tack;
    }
}

}  // namespace
}  // namespace vel
