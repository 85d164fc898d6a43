#include "sim/anchoring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;
using fixture::PutBoat;

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

enum Rode { kRope, kChain, kKellet };

void UseRode(Game& g, Rode r) {
    g.cruiseOptions.anchor1Chain = r == kChain;
    g.ownBoat.kellet = r == kKellet;
}

// 100 ft of line: L / D against W / 10 + 2, or three quarters of that on
// chain or with a kellet; anchor 2 always on the rope rule.
TEST(AnchorScope, HoldsOrDragsByLineOverDepthAgainstWind) {
    const struct {
        Rode rode;
        int32_t depth, wind, state;
    } cases[] = {{kRope, 10, 89, 3},   {kRope, 10, 90, -1},  {kRope, 20, 39, 3},    {kRope, 20, 40, -1},
                 {kChain, 20, 59, 3},  {kChain, 20, 60, -1}, {kChain, 10, 129, 3},  {kChain, 10, 130, -1},
                 {kKellet, 20, 59, 3}, {kKellet, 20, 60, -1}};
    for (const auto& c : cases) {
        auto g = HoldingOnAnchorOne(100);
        UseRode(*g, c.rode);
        g->ownBoat.depth = c.depth;
        g->weather.windSpeed = c.wind;
        UpdateAnchors(*g);
        EXPECT_EQ(g->anchors.anchor[1][1], c.state) << c.rode << " " << c.depth << " " << c.wind;
    }
    auto two = CalmGame();
    two->cruiseOptions.anchor1Chain = 1;
    two->anchors.anchor[1][2] = 3;
    two->anchorState.lineLength2 = 100;
    two->ownBoat.depth = 20;
    two->weather.windSpeed = 40;
    UpdateAnchors(*two);
    EXPECT_EQ(two->anchors.anchor[1][2], -1);
}

// 100 ft in 20 ft: scope 5 must exceed W / 10 + 2, and the engine must not push.
TEST(DraggingAnchor, IsLetGoAgainOnceTheScopeSufficesAndTheEngineIsNotPushing) {
    for (auto [wind, throttle, gear, state] :
         {std::tuple{20, 0, 0, 1}, {29, 1, 0, 1}, {30, 0, 0, -1}, {20, 1, 3, -1}, {20, 1, -1, 1}}) {
        auto g = HoldingOnAnchorOne(100);
        g->anchors.anchor[1][1] = -1;
        g->ownBoat.depth = 20;
        g->weather.windSpeed = wind;
        g->ownBoat.throttle = throttle;
        g->ownBoat.gear = gear;
        UpdateAnchors(*g);
        EXPECT_EQ(g->anchors.anchor[1][1], state) << wind << " " << throttle << " " << gear;
    }
}

// 100 ft of line sets once 12 x (Manhattan drift) reaches 100: after 9 units.
TEST(LetGoAnchorOne, SetsOnlyOnceTheLineIsTaut) {
    for (auto [dx, dy, state, payingOut] :
         {std::tuple{0.0, 0.0, 2, 1}, {4.0, 4.0, 2, 1}, {5.0, 4.0, 3, 0}, {-9.0, 0.0, 3, 0}, {0.0, 8.0, 2, 1}}) {
        auto g = CalmGame();
        g->anchors.anchor[1][1] = 1;
        PutBoat(*g, 100.7, 200.3);
        UpdateAnchors(*g);
        ASSERT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchors.xanch[1][1], g->anchors.yanch[1][1],
                             g->anchorState.lineLength1, g->anchorState.payingOut),
                  std::tuple(2, 100.0, 200.0, 100, 1));
        PutBoat(*g, 100.0 + dx, 200.0 + dy);
        UpdateAnchors(*g);
        EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchorState.payingOut, g->anchorState.distance),
                  std::tuple(state, payingOut, static_cast<int32_t>(std::abs(dx) + std::abs(dy))))
            << dx << "," << dy;
    }
}

// Throttle x gear of 4 or more on a taut line breaks the anchor out.
TEST(TautLine, BreaksOutUnderThrust) {
    for (auto [before, throttle, gear, after] : {std::tuple{2, 1, 3, 3}, {2, 2, 2, -1}, {2, 3, 3, -1}, {3, 1, 3, 3},
                                                 {3, 10, 3, -1}, {3, 10, -1, 3}}) {
        auto g = HoldingOnAnchorOne(100);
        g->anchors.anchor[1][1] = before;
        g->ownBoat.throttle = throttle;
        g->ownBoat.gear = gear;
        UpdateAnchors(*g);
        EXPECT_EQ(g->anchors.anchor[1][1], after) << before << " " << throttle << " " << gear;
    }
}

// Mended: a pending tender errand's stale anchor position grabbed the boat.
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
    EXPECT_EQ(std::tuple(g->ownBoat.tenderAnchorBearing, g->anchors.anchor[1][2], g->ownBoat.x), std::tuple(90, 2, 0.0));
    EXPECT_NE(g->anchorState.holdX, 5000);
}

// Aground, the tender-laid anchor holds; the boat lies to it, (L1 / 5 + 1) / 2
// = 10 units downwind, on up to 149 ft.
TEST(Tender, AgroundTheBoatLiesToItOnlyOnAShortLine) {
    for (auto [line2, boatY] : {std::pair{149, -20.0}, {150, 40.0}}) {
        auto g = CalmGame();
        g->ownBoat.depth = 5;
        g->ownBoat.tenderAnchorBearing = -2;
        g->ownBoat.anchored = 1;
        g->anchors.anchor[1][2] = -1;
        g->anchors.yanch[1][2] = -30.0;
        g->anchorState.lineLength1 = 100;
        g->anchorState.lineLength2 = line2;
        PutBoat(*g, 0.0, 40.0);
        UpdateAnchors(*g);
        EXPECT_EQ(std::pair(g->anchors.anchor[1][2], g->ownBoat.y), std::pair(3, boatY)) << line2;
    }
}

// Wind from 180 at 20 knots, at the widest point of the swing (sin 0.2 x
// dayMinutes = 1): the line lies L1 x W / 100 off the wind, or W / 2 on
// chain, a kellet or two anchors; hard aground the heading stays.
TEST(AnchorSwing, AmplitudeFollowsLineAndGround) {
    for (auto [line1, rode, twoAnchors, bearing] : {std::tuple{100, kRope, false, 160}, {200, kRope, false, 140},
                                                    {100, kChain, false, 170}, {100, kKellet, false, 170},
                                                    {200, kRope, true, 170}, {100, kRope, false, -1}}) {
        auto g = HoldingOnAnchorOne(line1);
        g->weather.windDirection = 180;
        g->weather.windSpeed = 20;
        g->simClock.dayMinutes = 1.5707963267948966 / 0.2;
        UseRode(*g, rode);
        if (twoAnchors) {
            g->anchors.anchor[1][2] = 3;
            g->anchorState.lineLength2 = 100;
            g->anchors.yanch[1][2] = -500.0;
        }
        g->ownBoat.hardAground = bearing < 0;
        g->ownBoat.heading = 33;
        UpdateAnchors(*g);
        EXPECT_EQ(g->ownBoat.heading, bearing < 0 ? 33 : bearing) << line1 << " " << rode << " " << twoAnchors;
        EXPECT_TRUE(bearing < 0 || g->anchorState.lineBearing == bearing);
    }
}

}  // namespace
}  // namespace vel
