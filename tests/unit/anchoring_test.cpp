#include "sim/anchoring.h"

#include <gtest/gtest.h>

#include <cmath>

#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

// sin(0.2 x dayMinutes) = 1 and cos = 0: the swing at its widest.
constexpr double kQuarterSwingMinutes = 1.5707963267948966 / 0.2;

// Anchor 1 holding at the origin on a line of `line` feet in 10 ft of water,
// the boat lying 12 units south of it with the line taut.
std::unique_ptr<Game> HoldingOnAnchorOne(int32_t line) {
    auto g = CalmGame();
    g->ownBoat.depth = 10;
    g->anchors.anchor[1][1] = 3;
    g->anchorState.lineLength1 = line;
    g->ownBoat.anchored = 1;
    PutBoat(*g, 0.0, 12.0);
    return g;
}

enum class Rode { Rope, Chain, Kellet };

struct ScopeCase {
    Rode rode;
    int32_t depth;
    int32_t wind;
    int32_t state;
};

class AnchorOneScope : public ::testing::TestWithParam<ScopeCase> {};

// 100 ft of line: L / D against W / 10 + 2, or three quarters of that on
// chain or with a kellet.
TEST_P(AnchorOneScope, HoldsOrDragsByLineOverDepthAgainstWind) {
    const ScopeCase c = GetParam();
    auto g = HoldingOnAnchorOne(100);
    g->cruiseOptions.anchor1Chain = c.rode == Rode::Chain ? 1 : 0;
    g->ownBoat.kellet = c.rode == Rode::Kellet ? 1 : 0;
    g->ownBoat.depth = c.depth;
    g->weather.windSpeed = c.wind;
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], c.state);
}

INSTANTIATE_TEST_SUITE_P(OneHundredFeet, AnchorOneScope,
                         ::testing::Values(ScopeCase{Rode::Rope, 10, 89, 3}, ScopeCase{Rode::Rope, 10, 90, -1},
                                           ScopeCase{Rode::Rope, 20, 39, 3}, ScopeCase{Rode::Rope, 20, 40, -1},
                                           ScopeCase{Rode::Chain, 20, 59, 3}, ScopeCase{Rode::Chain, 20, 60, -1},
                                           ScopeCase{Rode::Chain, 10, 129, 3}, ScopeCase{Rode::Chain, 10, 130, -1},
                                           ScopeCase{Rode::Kellet, 20, 59, 3},
                                           ScopeCase{Rode::Kellet, 20, 60, -1}));

TEST(AnchorTwo, DragsOnTheRopeRuleEvenWhenAnchorOneIsOnChain) {
    auto g = CalmGame();
    g->cruiseOptions.anchor1Chain = 1;
    g->anchors.anchor[1][2] = 3;
    g->anchorState.lineLength2 = 100;
    g->ownBoat.depth = 20;
    g->weather.windSpeed = 40;
    PutBoat(*g, 0.0, 12.0);
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][2], -1);
}

TEST(AnchorTwo, HoldsAsSoonAsItIsLetGo) {
    auto g = CalmGame();
    g->anchors.anchor[1][2] = 1;
    PutBoat(*g, 40.6, 50.2);
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][2], 3);
    EXPECT_EQ(g->anchors.xanch[1][2], 40.0);
    EXPECT_EQ(g->anchors.yanch[1][2], 50.0);
    EXPECT_EQ(g->anchorState.lineLength2, 100);
}

struct ResetCase {
    int32_t wind;
    int32_t throttle;
    int32_t gear;
    int32_t state;
};

class DraggingAnchor : public ::testing::TestWithParam<ResetCase> {};

// 100 ft in 20 ft: scope 5 must exceed W / 10 + 2, and the engine must not push.
TEST_P(DraggingAnchor, IsLetGoAgainOnceTheScopeSufficesAndTheEngineIsNotPushing) {
    const ResetCase c = GetParam();
    auto g = HoldingOnAnchorOne(100);
    g->anchors.anchor[1][1] = -1;
    g->ownBoat.depth = 20;
    g->weather.windSpeed = c.wind;
    g->ownBoat.throttle = c.throttle;
    g->ownBoat.gear = c.gear;
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], c.state);
}

INSTANTIATE_TEST_SUITE_P(OneHundredFeetInTwenty, DraggingAnchor,
                         ::testing::Values(ResetCase{20, 0, 0, 1}, ResetCase{29, 1, 0, 1}, ResetCase{30, 0, 0, -1},
                                           ResetCase{20, 1, 3, -1}, ResetCase{20, 1, -1, 1}));

TEST(DraggingAnchor, ResetsWhereTheBoatIsNow) {
    auto g = HoldingOnAnchorOne(100);
    g->anchors.anchor[1][1] = -1;
    g->ownBoat.depth = 20;
    g->weather.windSpeed = 10;
    UpdateAnchors(*g);
    PutBoat(*g, 300.0, 12.0);
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], 2);
    EXPECT_EQ(g->anchors.xanch[1][1], 300.0);
    EXPECT_EQ(g->anchorState.payingOut, 1);
}

struct DriftCase {
    double dx, dy;
    int32_t state;
    int32_t payingOut;
};

class LetGoAnchorOne : public ::testing::TestWithParam<DriftCase> {};

// 100 ft of line sets once 12 x (Manhattan drift) reaches 100: after 9 units.
TEST_P(LetGoAnchorOne, SetsOnlyOnceTheLineIsTaut) {
    const DriftCase c = GetParam();
    auto g = CalmGame();
    g->anchors.anchor[1][1] = 1;
    PutBoat(*g, 100.7, 200.3);
    UpdateAnchors(*g);
    ASSERT_EQ(g->anchors.anchor[1][1], 2);
    ASSERT_EQ(g->anchors.xanch[1][1], 100.0);
    ASSERT_EQ(g->anchors.yanch[1][1], 200.0);
    ASSERT_EQ(g->anchorState.lineLength1, 100);
    ASSERT_EQ(g->anchorState.payingOut, 1);

    PutBoat(*g, 100.0 + c.dx, 200.0 + c.dy);
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], c.state);
    EXPECT_EQ(g->anchorState.payingOut, c.payingOut);
    EXPECT_EQ(g->anchorState.distance, static_cast<int32_t>(std::abs(c.dx) + std::abs(c.dy)));
}

INSTANTIATE_TEST_SUITE_P(OneHundredFeet, LetGoAnchorOne,
                         ::testing::Values(DriftCase{0, 0, 2, 1}, DriftCase{4, 4, 2, 1}, DriftCase{5, 4, 3, 0},
                                           DriftCase{-9, 0, 3, 0}, DriftCase{0, 8, 2, 1}));

struct ThrustCase {
    int32_t before;
    int32_t throttle;
    int32_t gear;
    int32_t after;
};

class TautLine : public ::testing::TestWithParam<ThrustCase> {};

// Throttle x gear of 4 or more on a taut line breaks the anchor out.
TEST_P(TautLine, BreaksOutUnderThrust) {
    const ThrustCase c = GetParam();
    auto g = HoldingOnAnchorOne(100);
    g->anchors.anchor[1][1] = c.before;
    g->ownBoat.throttle = c.throttle;
    g->ownBoat.gear = c.gear;
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], c.after);
}

INSTANTIATE_TEST_SUITE_P(SettingAndHolding, TautLine,
                         ::testing::Values(ThrustCase{2, 1, 3, 3}, ThrustCase{2, 2, 2, -1}, ThrustCase{2, 3, 3, -1},
                                           ThrustCase{3, 1, 3, 3}, ThrustCase{3, 10, 3, -1}, ThrustCase{3, 10, -1, 3}));

TEST(Tender, LaysAnchorTwoAlongTheBearingAndItStaysThere) {
    auto g = HoldingOnAnchorOne(100);
    g->ownBoat.anchorRode = 100;
    g->ownBoat.tenderAnchorBearing = 0;
    g->anchors.anchor[1][2] = 2;
    PutBoat(*g, 0.0, 10.0);
    UpdateAnchors(*g);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, -2);
    EXPECT_EQ(g->anchorState.lineLength2, 100);
    // 0.2 x 100 units north of the boat's cell, not under the boat.
    EXPECT_EQ(g->anchors.xanch[1][2], 0.0);
    EXPECT_EQ(g->anchors.yanch[1][2], -10.0);
    EXPECT_EQ(g->anchors.anchor[1][2], 3);
}

TEST(Tender, LaysAnchorTwoInShoalWaterWithAnchorOneUp) {
    auto g = CalmGame();
    g->ownBoat.depth = 7;
    g->ownBoat.anchorRode = 150;
    g->ownBoat.tenderAnchorBearing = 270;
    g->anchors.anchor[1][2] = 2;
    PutBoat(*g, 500.5, 600.5);
    UpdateAnchors(*g);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, -2);
    EXPECT_EQ(g->ownBoat.anchored, 1);
    // 30 units west, give or take the truncation of a sine just short of 1.
    EXPECT_NEAR(g->anchors.xanch[1][2], 470.0, 1.0);
    EXPECT_EQ(g->anchors.yanch[1][2], 600.0);
}

TEST(Tender, PendingAnchorIsNotInTheWaterUntilLaid) {
    auto g = CalmGame();
    g->ownBoat.depth = 20;
    g->anchors.anchor[1][1] = 2;
    g->anchorState.lineLength1 = 100;
    g->ownBoat.tenderAnchorBearing = 90;
    g->anchors.anchor[1][2] = 2;
    g->anchors.xanch[1][2] = 5000.0;
    g->ownBoat.anchored = 1;
    PutBoat(*g, 0.0, 0.0);
    UpdateAnchors(*g);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, 90);
    EXPECT_EQ(g->anchors.anchor[1][2], 2);
    EXPECT_EQ(g->ownBoat.x, 0.0);
    EXPECT_NE(g->anchorState.holdX, 5000);
}

struct AgroundCase {
    int32_t line2;
    double boatY;
};

class AgroundOnTenderAnchor : public ::testing::TestWithParam<AgroundCase> {};

// Aground, the tender-laid anchor holds; the boat lies to it on up to 149 ft.
TEST_P(AgroundOnTenderAnchor, LiesToItOnlyOnAShortLine) {
    const AgroundCase c = GetParam();
    auto g = CalmGame();
    g->ownBoat.depth = 5;
    g->ownBoat.tenderAnchorBearing = -2;
    g->ownBoat.anchored = 1;
    g->anchors.anchor[1][2] = -1;
    g->anchors.yanch[1][2] = -30.0;
    g->anchorState.lineLength1 = 100;
    g->anchorState.lineLength2 = c.line2;
    PutBoat(*g, 0.0, 40.0);
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][2], 3);
    EXPECT_EQ(g->ownBoat.y, c.boatY);
}

// On anchor 2 the boat lies (L1 / 5 + 1) / 2 = 10 units downwind of it.
INSTANTIATE_TEST_SUITE_P(LineLengths, AgroundOnTenderAnchor,
                         ::testing::Values(AgroundCase{149, -20.0}, AgroundCase{150, 40.0}));

TEST(LineChange, GivesTheRequestedAnchorTheMenuLengthOnce) {
    auto g = HoldingOnAnchorOne(100);
    g->anchorState.lineLength2 = 50;
    g->ownBoat.anchorRode = 200;
    g->ownBoat.rodeChangeRequest = 2;
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchorState.lineLength1, 100);
    EXPECT_EQ(g->anchorState.lineLength2, 200);
    EXPECT_EQ(g->ownBoat.rodeChangeRequest, 0);
}

struct SwingCase {
    int32_t line1;
    Rode rode;
    bool twoAnchors;
    int32_t bearing;
};

class AnchorSwing : public ::testing::TestWithParam<SwingCase> {};

// Wind from 180 at 20 knots, at the widest point of the swing: the line lies
// A = L1 x W / 100 off the wind, or W / 2 on chain, a kellet or two anchors.
TEST_P(AnchorSwing, AmplitudeFollowsLineAndGround) {
    const SwingCase c = GetParam();
    auto g = HoldingOnAnchorOne(c.line1);
    g->weather.windDirection = 180;
    g->weather.windSpeed = 20;
    g->simClock.dayMinutes = kQuarterSwingMinutes;
    g->cruiseOptions.anchor1Chain = c.rode == Rode::Chain ? 1 : 0;
    g->ownBoat.kellet = c.rode == Rode::Kellet ? 1 : 0;
    if (c.twoAnchors) {
        g->anchors.anchor[1][2] = 3;
        g->anchorState.lineLength2 = 100;
        g->anchors.yanch[1][2] = -500.0;
    }
    UpdateAnchors(*g);
    EXPECT_EQ(g->anchorState.lineBearing, c.bearing);
    EXPECT_EQ(g->ownBoat.heading, c.bearing);
}

INSTANTIATE_TEST_SUITE_P(TwentyKnots, AnchorSwing,
                         ::testing::Values(SwingCase{100, Rode::Rope, false, 160},
                                           SwingCase{200, Rode::Rope, false, 140},
                                           SwingCase{100, Rode::Chain, false, 170},
                                           SwingCase{100, Rode::Kellet, false, 170},
                                           SwingCase{200, Rode::Rope, true, 170}));

TEST(AnchorSwing, LeavesTheHeadingAloneWhenHardAground) {
    auto g = HoldingOnAnchorOne(100);
    g->weather.windSpeed = 20;
    g->ownBoat.hardAground = 1;
    g->ownBoat.heading = 33;
    UpdateAnchors(*g);
    EXPECT_EQ(g->ownBoat.heading, 33);
}

struct LieCase {
    int32_t currentSpeed;
    int32_t currentFrom;
    int32_t direction;
};

class LieToCurrentOrWind : public ::testing::TestWithParam<LieCase> {};

// Wind from 0 at 15 knots: a current of 2 x 15 / 3 = 10 or more wins.
TEST_P(LieToCurrentOrWind, StrongerCurrentWinsAndTheEbbTurnsIt) {
    const LieCase c = GetParam();
    auto g = CalmGame();
    g->weather.windSpeed = 15;
    g->tideState.boatCurrentSpeed = c.currentSpeed;
    g->tideState.boatCurrentFrom = c.currentFrom;
    EXPECT_EQ(LieDirection(*g), c.direction);
}

INSTANTIATE_TEST_SUITE_P(VirtualAreas, LieToCurrentOrWind,
                         ::testing::Values(LieCase{20, 90, 90}, LieCase{-20, 90, 270}, LieCase{10, 90, 90},
                                           LieCase{9, 90, 0}, LieCase{-10, 300, 120}));

struct TwoAnchorCase {
    double anchor2Y;
    double boatY;
    int32_t holdY;
};

class TwoAnchors : public ::testing::TestWithParam<TwoAnchorCase> {};

// Wind from the north: the boat lies 10 units south of the northern anchor.
TEST_P(TwoAnchors, BoatLiesToTheUpwindOne) {
    const TwoAnchorCase c = GetParam();
    auto g = HoldingOnAnchorOne(100);
    g->anchors.anchor[1][2] = 3;
    g->anchors.yanch[1][2] = c.anchor2Y;
    g->anchorState.lineLength2 = 100;
    UpdateAnchors(*g);
    EXPECT_NEAR(g->ownBoat.y, c.boatY, 1e-9);
    EXPECT_EQ(g->anchorState.holdY, c.holdY);
}

INSTANTIATE_TEST_SUITE_P(NorthAndSouth, TwoAnchors,
                         ::testing::Values(TwoAnchorCase{-40.0, -30.0, -40}, TwoAnchorCase{40.0, 10.0, 0}));

TEST(AnchorOne, BoatIsHeldOnlyWhileTheEngineIsNotDriving) {
    auto g = HoldingOnAnchorOne(100);
    PutBoat(*g, 3.0, 14.0);
    g->ownBoat.throttle = 1;
    g->ownBoat.gear = 3;
    UpdateAnchors(*g);
    EXPECT_EQ(g->ownBoat.x, 3.0);
    g->ownBoat.gear = 0;
    UpdateAnchors(*g);
    EXPECT_NEAR(g->ownBoat.x, 0.0, 1e-9);
    EXPECT_NEAR(g->ownBoat.y, 10.0, 1e-9);
}

}  // namespace
}  // namespace vel
