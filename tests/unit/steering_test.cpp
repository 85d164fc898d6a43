#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;
using testing::Ticks;

// Heading 100 at five knots, fast enough that the helm acts in full; at speed
// 15, k = 0.04 x (0.1 + 9 / 10) = 0.04 per unit of rudder.
std::unique_ptr<Game> HelmGame(int32_t boatType = 1) {
    auto g = SailingGame(boatType);
    testing::UseHelmScreen(*g);
    g->ownBoat.heading = 100;
    g->ownBoat.headingExact = 100.0;
    g->ownBoat.speed = 50;
    return g;
}

void PointAt(Game& g, int32_t x, int32_t y = 700) {
    g.screenState.steerMouseX = x;
    g.screenState.steerMouseY = y;
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
        {"to starboard", 562, 700, [](Game&) {}, 100.0 + 31 * 0.04, -3},
        {"doubled", 412, 700, [](Game&) {}, 100.0 - 124 * 0.04, 12},
        {"tripled", 362, 700, [](Game&) {}, 100.0 - 279 * 0.08, 27},
        {"on the centre line", 512, 700, [](Game&) {}, 100.0, 0},
        {"left of the band", 300, 700, [](Game&) {}, 100.0, 0},
        {"above the band", 462, 600, [](Game&) {}, 100.0, 0},
        {"slow without thrust: half", 462, 700, [](Game& g) { g.ownBoat.speed = 19; }, 100.0 - 31 * 0.02, 3},
        {"looking aft", 462, 700, [](Game& g) { g.viewState.headingOffView = 180; }, 100.0 + 31 * 0.04, 3},
        {"sternway reverses", 462, 700, [](Game& g) { g.ownBoat.speed = -30, g.ownBoat.throttle = 1; },
         100.0 + 31 * 0.04, 3},
        {"sternway with thrust ahead", 462, 700,
         [](Game& g) { g.ownBoat.speed = -30, g.ownBoat.throttle = 1, g.ownBoat.gear = 3; }, 100.0 - 31 * 0.04, 3},
    };
    for (const auto& c : cases) {
        auto g = HelmGame();
        c.set(*g);
        PointAt(*g, c.x, c.y);
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9) << c.what;
        EXPECT_EQ(g->ownBoat.rudder, c.rudder) << c.what;
    }
}

TEST(WeatherHelm, HeeledMonohullRoundsUpWithTheRudderAtZero) {
    const struct {
        int32_t type, heel, tack, difficulty, spinnaker, wind, noBroaching;
        double heading;
    } cases[] = {
        {1, 29, 1, 5, 0, 15, 0, 315.0 + 60 * 0.04},  // toward the wind from 315
        {1, 29, -1, 5, 0, 15, 0, 315.0 - 60 * 0.04}, {1, 28, 1, 5, 0, 15, 0, 315.0},
        {1, 29, 1, 8, 0, 15, 0, 315.0 + 90 * 0.04},  {1, 25, 1, 5, 1, 15, 0, 315.0 + 400 * 0.04},
        {1, 25, 1, 5, 0, 31, 0, 315.0 + 400 * 0.04}, {1, 29, 1, 5, 0, 15, 1, 315.0},
        {2, 29, 1, 5, 0, 15, 0, 315.0},
    };
    for (const auto& c : cases) {
        auto g = HelmGame(c.type);
        OwnBoat& b = g->ownBoat;
        b.heading = 315;
        b.headingExact = 315.0;
        std::tie(b.heel, b.tack, b.spinnaker) = std::tuple(c.heel, c.tack, c.spinnaker);
        g->cruiseOptions.difficulty = c.difficulty;
        g->cruiseOptions.noBroaching = c.noBroaching;
        g->weather.windSpeed = c.wind;
        UpdateSteering(*g);
        EXPECT_NEAR(b.headingExact, c.heading, 1e-9) << c.heel << " " << c.tack << " " << c.type;
    }
}

TEST(Requests, TackTurnsThroughTheWindAndSettlesCloseHauledUntilTheHelmCancels) {
    auto g = HelmGame();
    g->weather.windSpeed = 16;
    OwnBoat& b = g->ownBoat;
    b.heading = 315;
    b.headingExact = 315.0;
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
    PointAt(*g, 512);
    UpdateSteering(*g);
    EXPECT_EQ(std::tuple(b.closeHauled, b.tackRequest), std::tuple(0, 0));
}

TEST(BoatClicks, LeftTurnsToPortRightToStarboardEachOnceAndOnlyOnTheBoat) {
    auto g = HelmGame();
    g->ownBoat.closeHauled = 1;
    g->inputState.clickX = 520;
    g->inputState.clickY = 310;
    UpdateSteering(*g);
    EXPECT_EQ(std::tuple(g->ownBoat.heading, g->ownBoat.closeHauled, g->inputState.clickX), std::tuple(90, 0, -100));
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 90.0);
    g->inputState.rightClickX = 500;
    g->inputState.rightClickY = 290;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
    // Away from the boat (width / 9), with a help page up, or before the boat
    // is first drawn (its screen position the corner) nothing turns.
    g->inputState.clickX = 512 + 1024 / 9;
    g->inputState.clickY = 300;
    UpdateSteering(*g);
    g->inputState.clickX = 512;
    g->screenState.helpPage = 3;
    UpdateSteering(*g);
    g->screenState.helpPage = 0;
    g->screenState.ownBoatScreenX = g->screenState.ownBoatScreenY = 0;
    g->inputState.clickX = -100;
    g->inputState.clickY = g->inputState.rightClickX = g->inputState.rightClickY = 0;
    for (int i = 0; i < 3; ++i) UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

TEST(MadeFastHeading, DockedLiesEastOrWestAnchoredSwingsHalfwayTheShortWay) {
    for (auto [heading, after] : {std::pair{200, 270.0}, {349, 270.0}, {350, 90.0}, {10, 90.0}, {180, 90.0}}) {
        auto g = HelmGame();
        g->ownBoat.docked = 1;
        g->ownBoat.heading = heading;
        g->ownBoat.headingExact = heading;
        UpdateSteering(*g);
        EXPECT_EQ(g->ownBoat.headingExact, after) << heading;
    }
    for (auto [heading, line, after] :
         {std::tuple{100.0, 200, 150.0}, {350.0, 10, 0.0}, {10.0, 350, 0.0}, {200.0, 100, 150.0}}) {
        auto g = HelmGame();
        g->ownBoat.anchored = 1;
        g->ownBoat.headingExact = heading;
        g->ownBoat.heading = Trunc(heading);
        g->anchorState.lineBearing = line;
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, after, 1e-9) << heading << " " << line;
    }
}

TEST(HeadingGuard, HeadingFarOutOfRangeStillIndexesTheTables) {
    auto g = HelmGame();
    g->ownBoat.headingExact = 1000.0;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.heading, 280);
    g->ownBoat.headingExact = -725.0;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.heading, 355);
}

}  // namespace
}  // namespace vel
