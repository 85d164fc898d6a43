#include <gtest/gtest.h>

#include <cmath>

#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;
using testing::Ticks;

std::unique_ptr<Game> HelmGame(int32_t boatType = 1) {
    auto g = SailingGame(boatType);
    testing::UseHelmScreen(*g);
    OwnBoat& b = g->ownBoat;
    b.heading = 100;
    b.headingExact = 100.0;
    b.speed = 50;  // fast enough that the helm acts in full
    return g;
}

void PointAt(Game& g, int32_t x) {
    g.screenState.steerMouseX = x;
    g.screenState.steerMouseY = 700;
}

// ---- Mouse rudder ----------------------------------------------------------------

struct RudderCase {
    int32_t mouseX, helm;
    double heading;
    int32_t rudder;
};

class MouseRudder : public ::testing::TestWithParam<RudderCase> {};

// At speed 15, k = 0.04 x (0.1 + 9 / 10) = 0.04 per unit of rudder.
TEST_P(MouseRudder, TurnsByOffsetFromTheCentreLine) {
    const RudderCase c = GetParam();
    auto g = HelmGame();
    g->cruiseOptions.helm = c.helm;
    PointAt(*g, c.mouseX);
    UpdateSteering(*g);
    EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9);
    EXPECT_EQ(g->ownBoat.rudder, c.rudder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseRudder,
    ::testing::Values(
        // 50 px left: R = trunc(50 / 1.6) = 31; the wheel turns to port.
        RudderCase{462, 1, 100.0 - 31 * 0.04, 3},
        // The tiller the other way.
        RudderCase{462, -1, 100.0 + 31 * 0.04, 3},
        // Right of the centre, to starboard.
        RudderCase{562, 1, 100.0 + 31 * 0.04, -3},
        // 100 px out: past trunc(1024 x 0.067) = 68 the rudder doubles.
        RudderCase{412, 1, 100.0 - 124 * 0.04, 12},
        // 150 px out: past 137 it triples, and a rudder over 15 doubles k.
        RudderCase{362, 1, 100.0 - 279 * 0.08, 27},
        // The centre line itself: no helm.
        RudderCase{512, 1, 100.0, 0}));

TEST(Helm, PointerOutsideTheBandHoldsTheHeading) {
    auto g = HelmGame();
    PointAt(*g, 300);  // left of width / 3
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
    EXPECT_EQ(g->ownBoat.rudder, 0);
    g->screenState.steerMouseX = 462;
    g->screenState.steerMouseY = 600;  // above the band
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

TEST(Helm, SlowWithoutThrustTheHelmActsByHalf) {
    auto g = HelmGame();
    g->ownBoat.speed = 19;
    PointAt(*g, 462);
    UpdateSteering(*g);
    EXPECT_NEAR(g->ownBoat.headingExact, 100.0 - 31 * 0.04 * 0.5, 1e-9);
}

TEST(Helm, MakingSternwayWithoutThrustAheadTheHelmReverses) {
    struct Case {
        int32_t throttle, gear;
        double heading;
    } cases[] = {{0, 0, 100.0 + 31 * 0.04}, {1, 0, 100.0 + 31 * 0.04}, {1, 3, 100.0 - 31 * 0.04}};
    for (const auto& c : cases) {
        auto g = HelmGame();
        g->ownBoat.speed = -30;
        g->ownBoat.throttle = c.throttle;
        g->ownBoat.gear = c.gear;
        PointAt(*g, 462);
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9) << c.throttle << " " << c.gear;
    }
}

TEST(Helm, LookingAftTheSteeringFollowsThePicture) {
    auto g = HelmGame();
    g->viewState.headingOffView = 180;
    PointAt(*g, 462);
    UpdateSteering(*g);
    EXPECT_NEAR(g->ownBoat.headingExact, 100.0 + 31 * 0.04, 1e-9);
}

// ---- Screws --------------------------------------------------------------------

TEST(Screws, SplitTwinScrewsTurnTheBoatOnTheSpot) {
    struct Case {
        int32_t split, throttle;
        double heading;
    } cases[] = {{1, 1, 104.0}, {1, 3, 106.0}, {-1, 1, 96.0}, {-1, 10, 94.0}};
    for (const auto& c : cases) {
        auto g = HelmGame(4);
        g->ownBoat.speed = 0;
        g->ownBoat.speedExact = 0.0;
        g->ownBoat.throttle = c.throttle;
        g->ownBoat.gear = 3;
        g->ownBoat.twinSplit = c.split;
        g->weather.windSpeed = 0;
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9);
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.gear, 0);
        EXPECT_EQ(g->ownBoat.speedExact, 0.0);
    }
}

TEST(Screws, GoingAsternThePropellerWalksTheSternToPort) {
    struct Case {
        int32_t type, gear;
        double heading;
    } cases[] = {
        {1, -1, 100.0 + 25 * 0.04},        // sailboat auxiliary
        {3, -1, 100.0 + 50 * 0.04 * 0.4},  // single screw: slower to answer astern
        {4, -1, 100.0},                    // twin screws cancel
        {3, 3, 100.0},                     // ahead: no walk
    };
    for (const auto& c : cases) {
        auto g = HelmGame(c.type);
        g->ownBoat.speed = 0;
        g->ownBoat.throttle = 1;
        g->ownBoat.gear = c.gear;
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.heading, 1e-9) << c.type;
    }
}

// ---- Weather helm --------------------------------------------------------------

TEST(WeatherHelm, HeeledMonohullRoundsUpWithTheRudderAtZero) {
    struct Case {
        int32_t type, heel, tack, difficulty, spinnaker, wind, noBroaching;
        double heading;
    } cases[] = {
        {1, 29, 1, 5, 0, 15, 0, 315.0 + 60 * 0.04},  // toward the wind from 315
        {1, 29, -1, 5, 0, 15, 0, 315.0 - 60 * 0.04},
        {1, 28, 1, 5, 0, 15, 0, 315.0},
        {1, 29, 1, 8, 0, 15, 0, 315.0 + 90 * 0.04},
        {1, 25, 1, 5, 1, 15, 0, 315.0 + 400 * 0.04},
        {1, 25, 1, 5, 0, 31, 0, 315.0 + 400 * 0.04},
        {1, 29, 1, 5, 0, 15, 1, 315.0},
        {2, 29, 1, 5, 0, 15, 0, 315.0},
    };
    for (const auto& c : cases) {
        auto g = HelmGame(c.type);
        OwnBoat& b = g->ownBoat;
        b.heading = 315;
        b.headingExact = 315.0;
        b.heel = c.heel;
        b.tack = c.tack;
        b.spinnaker = c.spinnaker;
        g->cruiseOptions.difficulty = c.difficulty;
        g->cruiseOptions.noBroaching = c.noBroaching;
        g->weather.windSpeed = c.wind;
        UpdateSteering(*g);
        EXPECT_NEAR(b.headingExact, c.heading, 1e-9) << c.heel << " " << c.tack << " " << c.type;
    }
}

// ---- Tack and close-hauled requests ---------------------------------------------

TEST(Requests, TackTurnsThroughTheWindAndSettlesCloseHauled) {
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
    // R = -500 x helm x tack: a rudder of -35, to starboard.
    EXPECT_EQ(b.rudder, -35);
    EXPECT_GT(b.headingExact, 315.0);
    for (int i = 0; i < 100 && b.tackRequest != 0; ++i) Ticks(*g, 1);
    EXPECT_EQ(b.tackRequest, 0);
    EXPECT_EQ(b.closeHauled, 1);
    EXPECT_EQ(b.tack, -1);
    // 47 - 16 / 8 = 45 degrees off the wind on the new tack.
    EXPECT_EQ(b.heading, 45);
}

TEST(Requests, CloseHauledRequestFromARunHeadsUpToFortyFiveDegrees) {
    auto g = HelmGame();
    g->weather.windSpeed = 16;
    OwnBoat& b = g->ownBoat;
    b.heading = 180;
    b.headingExact = 180.0;
    UpdateSpeed(*g);
    b.tackRequest = -1;
    for (int i = 0; i < 100 && b.tackRequest != 0; ++i) Ticks(*g, 1);
    EXPECT_EQ(b.closeHauled, 1);
    EXPECT_EQ(b.tack, 1);
    EXPECT_EQ(b.heading, 315);
    // Held close-hauled as the wind shifts.
    g->weather.windDirection = 10;
    Ticks(*g, 1);
    EXPECT_EQ(b.heading, 325);
}

TEST(Requests, SteeringInTheBandCancelsThem) {
    auto g = HelmGame();
    g->ownBoat.closeHauled = 1;
    g->ownBoat.tackRequest = 1;
    PointAt(*g, 512);
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.closeHauled, 0);
    EXPECT_EQ(g->ownBoat.tackRequest, 0);
}

// ---- Boat clicks ------------------------------------------------------------------

TEST(BoatClicks, LeftClickTurnsToPortRightToStarboardEachOnce) {
    auto g = HelmGame();
    g->ownBoat.closeHauled = 1;
    g->inputState.clickX = 520;
    g->inputState.clickY = 310;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 90.0);
    EXPECT_EQ(g->ownBoat.heading, 90);
    EXPECT_EQ(g->ownBoat.closeHauled, 0);
    EXPECT_EQ(g->inputState.clickX, -100);
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 90.0);
    g->inputState.rightClickX = 500;
    g->inputState.rightClickY = 290;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

TEST(BoatClicks, ConsumedOrAbsentClicksNeverTurnTheBoat) {
    auto g = HelmGame();
    // Before the boat is first drawn its screen position is the corner.
    g->screenState.ownBoatScreenX = 0;
    g->screenState.ownBoatScreenY = 0;
    g->inputState.clickX = -100;
    g->inputState.clickY = 0;
    g->inputState.rightClickX = 0;
    g->inputState.rightClickY = 0;
    for (int i = 0; i < 3; ++i) UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

TEST(BoatClicks, ClicksAwayFromTheBoatOrWithAHelpPageDoNothing) {
    auto g = HelmGame();
    g->inputState.clickX = 512 + 1024 / 9;  // just outside width / 9
    g->inputState.clickY = 300;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
    g->inputState.clickX = 512;
    g->screenState.helpPage = 3;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
}

// ---- Made fast --------------------------------------------------------------------

TEST(MadeFastHeading, DockedBoatLiesEastOrWest) {
    const struct {
        int32_t heading;
        double after;
    } cases[] = {{200, 270.0}, {349, 270.0}, {350, 90.0}, {10, 90.0}, {180, 90.0}};
    for (const auto& c : cases) {
        auto g = HelmGame();
        g->ownBoat.docked = 1;
        g->ownBoat.heading = c.heading;
        g->ownBoat.headingExact = c.heading;
        UpdateSteering(*g);
        EXPECT_EQ(g->ownBoat.headingExact, c.after) << c.heading;
    }
}

TEST(MadeFastHeading, AnchoredBoatSwingsHalfwayToTheLineTheShortWayRound) {
    const struct {
        double heading;
        int32_t line;
        double after;
    } cases[] = {{100.0, 200, 150.0}, {350.0, 10, 0.0}, {10.0, 350, 0.0}, {200.0, 100, 150.0}};
    for (const auto& c : cases) {
        auto g = HelmGame();
        g->ownBoat.anchored = 1;
        g->ownBoat.headingExact = c.heading;
        g->ownBoat.heading = Trunc(c.heading);
        g->anchorState.lineBearing = c.line;
        UpdateSteering(*g);
        EXPECT_NEAR(g->ownBoat.headingExact, c.after, 1e-9) << c.heading << " " << c.line;
    }
}

TEST(MadeFastHeading, OnABuoyAndAlongsideTheDock) {
    auto g = HelmGame();
    g->ownBoat.onBuoy = 1;
    g->anchorState.lineBearing = 123;
    UpdateSteering(*g);
    EXPECT_EQ(g->ownBoat.heading, 123);

    auto d = HelmGame();
    d->cruiseOptions.isRealArea = 1;
    d->areaGrid.realDockHeading1 = 90;
    d->areaGrid.realDockHeading2 = 270;
    d->ownBoat.alongside = 1;
    d->ownBoat.heading = 125;
    UpdateSteering(*d);
    EXPECT_EQ(d->ownBoat.heading, 90);
    d->ownBoat.heading = 140;
    UpdateSteering(*d);
    EXPECT_EQ(d->ownBoat.heading, 270);
}

// ---- Hand-bearing compass --------------------------------------------------------

TEST(HandBearingCompass, PointerTurnsTheCompassNotTheBoat) {
    auto g = HelmGame();
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 100.0;
    PointAt(*g, 462);
    UpdateSteering(*g);
    EXPECT_NEAR(g->viewState.compassBearingExact, 100.0 - 31 * 0.5 / std::sqrt(200.0), 1e-9);
    EXPECT_EQ(g->viewState.handBearing, 98);
    EXPECT_EQ(g->ownBoat.headingExact, 100.0);
    EXPECT_EQ(g->ownBoat.rudder, 0);
}

TEST(HandBearingCompass, ReturnsToTheHeadingTwoHoursAfterUse) {
    auto g = HelmGame();
    g->viewState.compassBearingExact = 33.0;
    g->viewState.compassHour = 8;
    g->simClock.hour = 9;
    UpdateSteering(*g);
    EXPECT_EQ(g->viewState.compassBearingExact, 33.0);
    g->simClock.hour = 10;
    UpdateSteering(*g);
    EXPECT_EQ(g->viewState.compassBearingExact, 100.0);
}

// ---- Soundness ---------------------------------------------------------------------

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
