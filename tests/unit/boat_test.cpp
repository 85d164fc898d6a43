// The boat under way: apparent wind, sails and speed, engines, helm, and
// the wave motion.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "replay/sim_commands.h"
#include "sim/engines.h"
#include "sim/sailing.h"
#include "sim/wave_motion.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;
using testing::Ticks;

TEST(ApparentWind, FollowsTrueWindAndBoatSpeed) {
    for (auto [trueAngle, wind, speed, angle, strength, pressure] :
         {std::tuple{0, 10, 0, 0, 10, 120},  // head to wind at rest: pressure 1.2 x 10^2
          {180, 10, 50, 179, 4, 28},         // cos100[180] is -99: shown as 179
          {90, 10, 0, 90, 9, 117},           // sin100[90] is 99
          {90, 0, 20, 45, 2, 4},             // calm: across 0 away from the ends keeps the last angle
          {400, 10, 0, 179, 9, 117}}) {      // guarded: an angle outside the table is held to it
        auto g = SailingGame();
        std::tie(g->ownBoat.trueWindAngle, g->ownBoat.speed, g->ownBoat.apparentWindAngle) =
            std::tuple(trueAngle, speed, 45);
        g->weather.windSpeed = wind;
        EXPECT_EQ(ComputeApparentWind(*g), pressure) << trueAngle << " " << speed;
        EXPECT_EQ(std::pair(g->ownBoat.apparentWindAngle, g->ownBoat.apparentWindSpeed), std::pair(angle, strength));
    }
}

TEST(Sails, SpinnakerFactorTackAndCloseHauledAngle) {
    for (auto [seen, cruising, factor] : {std::tuple{69, 0, 100}, {70, 0, 30}, {79, 0, 30}, {80, 0, 0},
                                          {165, 1, 0}, {166, 1, 30}, {166, 0, 0}}) {
        auto g = SailingGame();
        std::tie(g->ownBoat.apparentWindAngleSeen, g->cruiseOptions.cruisingSpinnaker) = std::pair(seen, cruising);
        EXPECT_EQ(SpinnakerFactor(*g), factor) << seen << " " << cruising;
    }
    auto g = SailingGame();  // wind from the north
    for (auto [heading, tack, angle] : {std::tuple{180, 1, 180}, {0, 1, 0}, {179, -1, 179}, {181, 1, 179}}) {
        g->ownBoat.heading = heading;
        UpdateSpeed(*g);
        EXPECT_EQ(std::pair(g->ownBoat.tack, g->ownBoat.trueWindAngle), std::pair(tack, angle)) << heading;
    }
    // One degree closer for every eight knots; the catamaran a point wider.
    for (auto [type, tack, heading] : {std::tuple{1, 1, -45.0}, {1, -1, 45.0}, {2, 1, -48.0}}) {
        auto c = SailingGame(type);
        std::tie(c->weather.windSpeed, c->ownBoat.tack) = std::pair(16, tack);
        SetCloseHauled(*c);
        EXPECT_EQ(c->ownBoat.headingExact, heading) << type << " " << tack;
    }
}

// The speed table: steady knots, heel and leeway by boat, wind, angle and
// sail plan. Downwind the spinnaker adds the most, wing-and-wing half as much;
// the spinnaker backs on a close reach; a reef or no headsail costs speed;
// heeled past 23 degrees the leeway grows. Trawlers run on their engines.
TEST(Polar, SpeedTableBySailPlan) {
    using Rig = void (*)(OwnBoat&);
    const Rig plain = nullptr, wing = [](OwnBoat& b) { b.wingAndWing = 1; },
              spinnaker = [](OwnBoat& b) { b.spinnaker = 1; }, reef = [](OwnBoat& b) { b.reefed = 1; },
              jib = [](OwnBoat& b) { b.headsail = 0; };
    for (auto [type, wind, rig, angle, knots, heel, leeway] :
         {std::tuple{1, 15, plain, 45, 6.65, 21.5, 5.0}, {1, 15, plain, 90, 7.79, 21.0, 3.0},
          {1, 15, plain, 180, 6.30, 1.0, 0.0}, {1, 15, wing, 120, 8.21, 13.0, 2.0}, {1, 15, wing, 180, 6.71, 1.0, 0.0},
          {1, 15, spinnaker, 60, -0.87, 0.0, 0.0}, {1, 15, spinnaker, 120, 8.58, 18.5, 2.0},
          {1, 15, spinnaker, 180, 7.05, 2.0, 0.0}, {1, 8, reef, 60, 6.17, 11.0, 2.0}, {1, 15, jib, 90, 7.98, 23.0, 4.0},
          {1, 25, plain, 60, 6.61, 24.0, 4.8}, {1, 25, reef, 60, 7.33, 24.2, 3.9}, {2, 15, plain, 90, 12.34, 5.0, 5.0},
          {2, 15, spinnaker, 150, 9.70, 0.0, 0.0}, {2, 15, wing, 60, -1.21, 0.0, 0.0}, {3, 15, plain, 0, 8.56, 0.0, 0.0},
          {3, 15, plain, 90, 8.76, 2.0, 0.0}, {4, 15, plain, 180, 10.31, 0.0, 0.0}}) {
        const replay::PolarPoint p = replay::SteadyPolar(CruiseOptions{}, type, wind, {angle}, rig)[0];
        EXPECT_NEAR(p.knots, knots, 0.006) << type << " " << wind << " " << angle;
        EXPECT_NEAR(p.heel, heel, 0.06) << type << " " << wind << " " << angle;
        EXPECT_NEAR(p.leeway, leeway, 0.06) << type << " " << wind << " " << angle;
    }
}

// Anchor states: -1, 1 and 2 drag (at most 3 knots), above 2 the anchor
// holds. Brought up under power, the engine drops to idle and the sails come down.
TEST(MadeFast, AnchorStatesDragOrHoldEitherAnchor) {
    for (auto [k, state, speed, anchored, throttle] : {std::tuple{1, 2, 30, 0, 5}, {2, -1, 30, 0, 5},
                                                        {1, 3, 0, 1, 1}, {2, 4, 0, 1, 1}, {1, 0, 50, 0, 5}}) {
        auto g = SailingGame();
        std::tie(g->anchors.anchor[1][k], g->ownBoat.speed, g->ownBoat.speedExact, g->ownBoat.throttle) =
            std::tuple(state, 50, 50.0, 5);
        UpdateSpeed(*g);
        EXPECT_EQ(std::tuple(g->ownBoat.anchored, g->ownBoat.throttle, g->ownBoat.sailsUp == 0),
                  std::tuple(anchored, throttle, anchored == 1))
            << k << " " << state;
        if (state != 0) {
            EXPECT_EQ(g->ownBoat.speed, speed) << k << " " << state;
        }
    }
    // The drag caps the speed, it does not hold it: at 3 knots, sails down and
    // engine off, the boat slows.
    auto g = SailingGame();
    std::tie(g->anchors.anchor[1][1], g->ownBoat.speed, g->ownBoat.speedExact, g->ownBoat.sailsUp) =
        std::tuple(2, 30, 30.0, 0);
    UpdateSpeed(*g);
    EXPECT_LT(g->ownBoat.speed, 30);
}

// More than 60 degrees off the wind the sea's pitch heels the boat as well,
// a degree a tick toward twice the pitch. Calm, sails down: no other heel.
TEST(Heel, OffTheWindThePitchAddsToIt) {
    for (auto [heading, heel] : {std::pair{60, 0}, {61, 1}, {299, 1}, {300, 0}}) {
        auto g = SailingGame();
        std::tie(g->ownBoat.heading, g->ownBoat.sailsUp, g->waveMotion.pitch, g->weather.windSpeed) =
            std::tuple(heading, 0, 3, 0);
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.heel, heel) << heading;
    }
}

TEST(Grounding, AgroundHalfAKnotHardAgroundACreepAndLyingOver) {
    auto g = SailingGame();
    std::tie(g->ownBoat.speedExact, g->ownBoat.depth) = std::tuple(60.0, g->boatDesign.draft - 1);
    UpdateSpeed(*g);
    EXPECT_EQ(std::pair(g->ownBoat.speedExact, g->ownBoat.hardAground), std::pair(5.0, 0));
    for (auto [type, before, after, heel] :
         {std::tuple{1, 60.0, 1.0, 14}, {1, -20.0, -1.0, 14}, {2, 60.0, 1.0, 7}, {3, 60.0, 1.0, 7}}) {
        auto h = SailingGame(type);
        // A foot and more short of the draft is hard aground.
        std::tie(h->waveMotion.pitch, h->ownBoat.speedExact, h->ownBoat.depth) =
            std::tuple(2, before, h->boatDesign.draft - 2);
        UpdateSpeed(*h);
        EXPECT_EQ(std::tuple(h->ownBoat.hardAground, h->ownBoat.speedExact, h->ownBoat.heel), std::tuple(1, after, heel))
            << type;
    }
}

TEST(Trim, SheetMovesByTheRule) {
    // Heeled past 25: ease, faster below 14; over-trimmed: ease by three;
    // luffing: trim in, in steps that run on into each other.
    for (auto [heel, sheet, spinnaker, overTrimmed, luffing, after] :
         {std::tuple{26, 13, 0, 0, 0, 17}, {26, 14, 0, 0, 0, 17}, {26, 46, 0, 0, 0, 47}, {26, 20, 1, 0, 0, 21},
          {10, 20, 0, 1, 0, 23}, {10, 46, 0, 1, 0, 47}, {20, 16, 0, 0, 30, 13}, {20, 10, 0, 0, 30, 8},
          {22, 9, 0, 0, 30, 8}, {23, 9, 0, 0, 30, 9}, {20, -2, 0, 0, 30, -2}, {20, 20, 0, 0, 0, 20}}) {
        auto g = SailingGame();
        OwnBoat& b = g->ownBoat;
        std::tie(b.heel, b.sheet, b.spinnaker, b.overTrimmed, b.luffing) =
            std::tuple(heel, sheet, spinnaker, overTrimmed, luffing);
        AutoTrim(*g, 25);
        EXPECT_EQ(b.sheet, after) << heel << " " << sheet << " " << luffing;
    }
}

// Mended: a three-hour leap of the clock no longer carries into the speed.
TEST(Speed, HullSpeedCurveAndAccelerationCappedByTheDisplacement) {
    auto g = SailingGame();  // 40 ft, medium displacement
    const double h = 8.5 * std::sqrt(40.0);
    // The knee at sqrt(576) = 24; 23 more steps of sqrt(P) reach 12.5 / displacement of it.
    for (auto [pressure, speed] : {std::pair{0, 0.0}, {1, h / 24}, {576, h}, {144, h / 2}, {-144, -h / 2},
                                   {47 * 47, h * 1.25}, {100000000, 200.0}, {-100000000, -40.0}})
        EXPECT_DOUBLE_EQ(TargetSpeed(*g, pressure), speed) << pressure;
    g->boatDesign.displacement = 0;  // guarded: no division by nought
    EXPECT_TRUE(std::isfinite(TargetSpeed(*g, 5000)));
    g->boatDesign.length = -10;
    EXPECT_DOUBLE_EQ(TargetSpeed(*g, 5000), 0.0);
    for (double step : {3.0, 882.0}) {
        auto t = SailingGame(3);  // single-screw trawler, displacement 7
        t->weather.windSpeed = 0;
        std::tie(t->ownBoat.throttle, t->ownBoat.gear, t->simClock.timeStep) = std::tuple(10, 3, step);
        UpdateSpeed(*t);
        EXPECT_DOUBLE_EQ(t->ownBoat.speedExact, 20.0 * 3.0 / 7.0) << step;  // from rest capped at 20
    }
}

TEST(Engine, DriveByHullAndThrottleAndAFailedEngineStops) {
    // Split, one screw ahead and one astern, the twin screws cancel whatever gear was in.
    for (auto [type, throttle, gear, split, drive] :
         {std::tuple{1, 10, 3, 0, 1080}, {2, 10, 3, 0, 1800}, {4, 1, -1, 0, -60}, {4, 1, 3, 1, 0}}) {
        auto g = SailingGame(type);
        std::tie(g->ownBoat.throttle, g->ownBoat.gear, g->ownBoat.twinSplit) = std::tuple(throttle, gear, split);
        EXPECT_EQ(std::pair(EngineDrive(*g, 0), EngineDrive(*g, 40)), std::pair(drive, drive - 40)) << type;
    }
    auto g = SailingGame();
    std::tie(g->ownBoat.sailsUp, g->ownBoat.throttle, g->ownBoat.gear, g->failures.failed[3]) = std::tuple(0, 10, 3, 1);
    UpdateSpeed(*g);
    EXPECT_EQ(g->ownBoat.throttle, 0);
}

// At five knots, fast enough that the helm acts in full; at speed 15,
// k = 0.04 x (0.1 + 9 / 10) = 0.04 per unit of rudder. Wind 16 from the north.
std::unique_ptr<Game> HelmGame(int32_t heading = 100) {
    auto g = SailingGame();
    testing::UseHelmScreen(*g);
    std::tie(g->ownBoat.heading, g->ownBoat.headingExact, g->ownBoat.speed) = std::tuple(heading, heading, 50);
    g->weather.windSpeed = 16;
    return g;
}

TEST(Helm, MouseTurnsByOffsetFromTheCentreLine) {
    // 50 px left: R = trunc(50 / 1.6) = 31; past trunc(1024 x 0.067) = 68 px
    // the rudder doubles, past 137 it triples and a rudder over 15 doubles k.
    const struct {
        const char* what;
        int32_t x, y;
        std::function<void(Game&)> set;
        double heading;
        int32_t rudder;
    } cases[] = {
        {"wheel to port", 462, 700, [](Game&) {}, 100.0 - 31 * 0.04, 3},
        {"tiller the other way", 462, 700, [](Game& g) { g.cruiseOptions.helm = -1; }, 100.0 + 31 * 0.04, 3},
        {"doubled", 412, 700, [](Game&) {}, 100.0 - 124 * 0.04, 12},
        {"tripled", 362, 700, [](Game&) {}, 100.0 - 279 * 0.08, 27},
        {"left of the band", 300, 700, [](Game&) {}, 100.0, 0},
        {"above the band", 462, 600, [](Game&) {}, 100.0, 0},
        {"slow without thrust: half", 462, 700, [](Game& g) { g.ownBoat.speed = 19; }, 100.0 - 31 * 0.02, 3},
        {"looking aft", 462, 700, [](Game& g) { g.viewState.headingOffView = 180; }, 100.0 + 31 * 0.04, 3},
        {"sternway reverses", 462, 700, [](Game& g) { g.ownBoat.speed = -30, g.ownBoat.throttle = 1; },
         100.0 + 31 * 0.04, 3},
        {"sternway with thrust ahead", 462, 700,
         [](Game& g) { g.ownBoat.speed = -30, g.ownBoat.throttle = 1, g.ownBoat.gear = 3; }, 100.0 - 31 * 0.04, 3},
        {"the trawler's screw walks her bow to starboard astern: 50 x 0.4 k", 462, 600,
         [](Game& g) { g.cruiseOptions.boatType = 3, g.ownBoat.throttle = 2, g.ownBoat.gear = -1; }, 100.8, 0},
    };
    for (const auto& c : cases) {
        auto g = HelmGame();
        c.set(*g);
        std::tie(g->screenState.steerMouseX, g->screenState.steerMouseY) = std::pair(c.x, c.y);
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9) << c.what;
        EXPECT_EQ(g->ownBoat.rudder, c.rudder) << c.what;
    }
}

TEST(Requests, TackTurnsThroughTheWindAndSettlesCloseHauledUntilTheHelmCancels) {
    auto g = HelmGame(315);
    OwnBoat& b = g->ownBoat;
    UpdateSpeed(*g);
    ASSERT_EQ(b.tack, 1);
    b.prevTack = 1;
    b.tackRequest = 1;
    UpdateSteering(*g);
    EXPECT_EQ(b.rudder, -35);  // R = -500 x helm x tack: to starboard
    for (int i = 0; i < 100 && b.tackRequest != 0; ++i) Ticks(*g, 1);
    // 47 - 16 / 8 = 45 degrees off the wind on the new tack.
    EXPECT_EQ(std::tuple(b.tackRequest, b.closeHauled, b.tack, b.heading), std::tuple(0, 1, -1, 45));
    g->weather.windDirection = 10;  // held close-hauled as the wind shifts
    Ticks(*g, 1);
    EXPECT_EQ(b.heading, 55);
    b.tackRequest = 1;
    std::tie(g->screenState.steerMouseX, g->screenState.steerMouseY) = std::pair(512, 700);
    UpdateSteering(*g);
    EXPECT_EQ(std::tuple(b.closeHauled, b.tackRequest), std::tuple(0, 0));
}

TEST(Requests, CloseHauledFromARunHeadsUpToFortyFiveDegrees) {
    auto g = HelmGame(180);
    UpdateSpeed(*g);
    g->ownBoat.tackRequest = -1;
    for (int i = 0; i < 100 && g->ownBoat.tackRequest != 0; ++i) Ticks(*g, 1);
    EXPECT_EQ(std::tuple(g->ownBoat.closeHauled, g->ownBoat.tack, g->ownBoat.heading), std::tuple(1, 1, 315));
}

TEST(BoatClicks, LeftTurnsToPortRightToStarboardEachOnceAndOnlyOnTheBoat) {
    auto g = HelmGame();
    InputState& in = g->inputState;
    g->ownBoat.closeHauled = 1;
    std::tie(in.clickX, in.clickY) = std::pair(520, 310);
    UpdateSteering(*g);
    EXPECT_EQ(std::tuple(g->ownBoat.heading, g->ownBoat.closeHauled, in.clickX), std::tuple(90, 0, -100));
    std::tie(in.rightClickX, in.rightClickY) = std::pair(500, 290);
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
    // Away from the boat (width / 9), with a help page up, or before the boat
    // is first drawn (its screen position the corner) nothing turns; a
    // consumed click stays consumed.
    std::tie(in.clickX, in.clickY) = std::pair(512 + 1024 / 9, 300);
    UpdateSteering(*g);
    in.clickX = 512;
    g->screenState.helpPage = 3;
    UpdateSteering(*g);
    g->screenState.helpPage = g->screenState.ownBoatScreenX = g->screenState.ownBoatScreenY = 0;
    std::tie(in.clickX, in.clickY, in.rightClickX, in.rightClickY) = std::tuple(-100, 0, 0, 0);
    for (int i = 0; i < 3; ++i) UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

TEST(MadeFastHeading, DockedLiesEastOrWestAnchoredSwingsHalfwayTheShortWay) {
    for (auto [heading, after] : {std::pair{181, 270.0}, {349, 270.0}, {350, 90.0}, {180, 90.0}}) {
        auto g = HelmGame(heading);
        g->ownBoat.docked = 1;
        UpdateSteering(*g);
        EXPECT_EQ(g->ownBoat.headingExact, after) << heading;
    }
    for (auto [heading, line, after] : {std::tuple{100, 200, 150.0}, {350, 10, 0.0}, {10, 350, 0.0}}) {
        auto g = HelmGame(heading);
        g->ownBoat.anchored = 1;
        g->anchorState.lineBearing = line;
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, after, 1e-9) << heading << " " << line;
    }
}

TEST(HeadingGuard, HeadingFarOutOfRangeStillIndexesTheTables) {
    auto g = HelmGame();
    for (auto [exact, heading] : {std::pair{1000.0, 280}, {-725.0, 355}}) {
        g->ownBoat.headingExact = exact;
        UpdateSteering(*g);
        EXPECT_EQ(g->ownBoat.heading, heading) << exact;
    }
}

// Pitch over one cycle of bouncecount 0..stepDivisor / 3 (divisor 10: 0..3).
TEST(WaveMotion, PitchFollowsTheCycleWithAmplitudeBySea) {
    for (auto [waves, trueAngle, amplitude] : {std::tuple{2, 120, 3}, {2, 60, 5}, {1, 60, 2}}) {
        auto g = SailingGame();
        std::tie(g->weather.waveState, g->ownBoat.trueWindAngle) = std::pair(waves, trueAngle);
        for (int32_t frame = 1; frame <= 4; ++frame) {
            AdvanceWaveMotion(*g);
            const int32_t count = frame % 4;  // wraps to 0 once above 10 / 3
            EXPECT_EQ(g->waveMotion.bouncecount, count);
            EXPECT_EQ(g->waveMotion.pitch, Trunc(amplitude * std::sin(count * 18.84 / 10))) << waves << " " << frame;
        }
    }
    auto g = SailingGame();  // guarded: a zero divisor
    std::tie(g->cruiseOptions.stepDivisor, g->weather.waveState) = std::pair(0, 3);
    AdvanceWaveMotion(*g);
    EXPECT_LE(std::abs(g->waveMotion.pitch), 7);
}

}  // namespace
}  // namespace vel
