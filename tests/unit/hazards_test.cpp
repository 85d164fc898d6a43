#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "sim/boat_state.h"
#include "sim/hazards.h"
#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;

TEST(Depth, ShoalAndAgroundFollowTheDraft) {
    auto g = SailingGame();  // draft 6
    for (auto [depth, shoal, aground] :
         {std::tuple{9, false, false}, {8, true, false}, {6, true, false}, {5, false, true}}) {
        g->ownBoat.depth = depth;
        EXPECT_EQ(std::tuple(InShoalWater(*g), Aground(*g)), std::tuple(shoal, aground)) << depth;
    }
}

bool Beeped(const Game& g) {
    for (const SoundRequest& r : g.soundRequests)
        if (r == SoundRequest{0, PlayMode::Plain}) return true;
    return false;
}

TEST(DepthAlarm, BeepsEveryFifteenthTickInTheThreeFeetAboveTheDraftUnlessSilenced) {
    const auto alarmed = [](int32_t depth, int32_t cycle, const std::function<void(Game&)>& set = {}) {
        auto g = SailingGame(3);  // draft 5
        std::tie(g->ownBoat.depth, g->simClock.cycle60, g->cruiseOptions.soundLevel) = std::tuple(depth, cycle, 1);
        if (set) set(*g);
        DepthAlarm(*g);
        return Beeped(*g);
    };
    for (int32_t depth = 3; depth <= 9; ++depth) EXPECT_EQ(alarmed(depth, 15), depth >= 5 && depth <= 7) << depth;
    for (int32_t cycle : {0, 1, 14, 16, 30, 45, 59, 60}) EXPECT_EQ(alarmed(6, cycle), cycle % 15 == 0) << cycle;
    const std::pair<int32_t, std::function<void(Game&)>> silenced[] = {
        {6, [](Game& g) { g.cruiseOptions.soundLevel = 0; }},
        {6, [](Game& g) { g.cruiseOptions.depthAlarm = 0; }},
        {6, [](Game& g) { g.cruiseOptions.troubleNoDepthAlarm = 1; }},
        {6, [](Game& g) { g.failures.failed[2] = 1; }},
        {6, [](Game& g) { g.ownBoat.anchored = 1; }},
        {6, [](Game& g) { g.ownBoat.docked = 1; }},
        {6, [](Game& g) { g.ownBoat.alongside = 1; }},
        {6, [](Game& g) { g.ownBoat.onBuoy = 2; }},
        {7, [](Game& g) { g.cruiseOptions.areaCode = 30; }},  // the Exumas: within two feet only
    };
    for (const auto& [depth, silence] : silenced) EXPECT_FALSE(alarmed(depth, 15, silence)) << depth;
}

// A pier built from the base point (1000, -3000) on a coast with the sea south.
int32_t ContactAt(double x, double y, const std::function<void(Game&)>& set = {}) {
    auto g = SailingGame();
    AreaGrid& a = g->areaGrid;
    g->cruiseOptions.areaCode = 1;
    std::tie(a.pierCorner1X, a.pierCorner2X, a.pierCorner3X, a.pierCorner2Y, a.pierCorner3Y, a.pierBerthX,
             a.pierBerthY) = std::tuple(1080, 1110, 1110, -3000, -2990, 1095, -2995);
    if (set) set(*g);
    OwnBoat& b = g->ownBoat;
    std::tie(b.x, b.y, b.cellX, b.cellY, b.speedExact) = std::tuple(x, y, Trunc(x), Trunc(y), 40.0);
    CheckPierContact(*g);
    if (g->hazards.contact == 1) {  // striking the pier stops the boat for good
        b.heading = 90;
        UpdateSpeed(*g);
        EXPECT_EQ(std::tuple(b.speedExact, b.speed), std::tuple(0.0, 0));
    }
    return g->hazards.contact;
}

TEST(PierContact, PierWithinItsBoundsPilesWithinOneAndAHalfUnits) {
    // West of (1110 + 6 x 1080) / 7 = 1084, within 10 of the berth's y and 20 of its x.
    for (auto [x, y, contact] : {std::tuple{1083.0, -2995.0, 1}, {1084.0, -2995.0, 0}, {1083.0, -2985.0, 0},
                                 {1074.0, -2995.0, 0}, {1111.4, -2991.4, 2}, {1111.5, -2990.0, 0}})
        EXPECT_EQ(ContactAt(x, y), contact) << x << " " << y;
    // No pier in the islands area; a passage leaves the pier fields at the
    // origin, with no phantom pile there.
    EXPECT_EQ(ContactAt(1083.0, -2995.0, [](Game& g) { g.cruiseOptions.areaCode = 2; }), 0);
    const auto passage = [](Game& g) {
        g.areaGrid = AreaGrid{};
        std::tie(g.cruiseOptions.areaCode, g.cruiseOptions.isPassage) = std::pair(5, 1);
    };
    EXPECT_EQ(ContactAt(0.0, 0.0, passage), 0);
}

// Difficulty 5; the GPS and the radar have failed by minute 2500.
std::unique_ptr<Game> FailureGame() {
    auto g = SailingGame();
    g->cruiseOptions.soundLevel = 2;
    g->failures.time = {1000, 2000, 3000, 4000};
    std::tie(g->simClock.cruiseMinutes, g->simClock.dayMinutes) = std::pair(2500.0, 1060.0);
    return g;
}

TEST(DockContact, TheDockIsStruckFromItsLandSide) {
    for (auto [side, x, y, contact] : {std::tuple{1, 500.0, 195.0, 1}, {1, 500.0, 205.0, 0}, {1, 509.0, 195.0, 0},
                                       {3, 500.0, 205.0, 1}, {2, 505.0, 200.0, 1}, {2, 495.0, 200.0, 0},
                                       {4, 495.0, 200.0, 1}, {4, 495.0, 209.0, 0}}) {
        const auto dock = [side](Game& g) {
            std::tie(g.cruiseOptions.areaCode, g.cruiseOptions.isRealArea) = std::pair(12, 1);
            std::tie(g.areaGrid.realDockX, g.areaGrid.realDockY, g.areaGrid.realDockSide) = std::tuple(500, 200, side);
        };
        EXPECT_EQ(ContactAt(x, y, dock), contact) << side << " " << x << " " << y;
    }
}

TEST(Failures, DevicesFailOnceTheirMinuteHasPassedWithOneBeepEach) {
    auto g = FailureGame();
    UpdateFailures(*g);
    const Failures& f = g->failures;
    EXPECT_EQ(std::tuple(f.failed[0], f.failed[1], f.failed[2], f.reported[1], f.lastKind, f.shownAt[1]),
              std::tuple(1, 1, 0, 1, 2, 1060.0));
    UpdateFailures(*g);  // no second beep
    EXPECT_EQ(std::tuple(g->soundRequests.size(), DeviceOut(*g, Device::Radar), DeviceOut(*g, Device::DepthAlarm)),
              std::tuple(2u, true, false));
    auto quiet = FailureGame();
    quiet->cruiseOptions.soundLevel = 1;
    UpdateFailures(*quiet);
    EXPECT_EQ(std::pair(quiet->failures.failed[0], quiet->soundRequests.empty()), std::pair(1, true));
    // Through the tick: nothing fails at the first difficulty.
    for (auto [difficulty, failed] : {std::pair{1, 0}, {2, 1}}) {
        auto h = FailureGame();
        std::tie(h->cruiseOptions.difficulty, h->failures.time[0]) = std::pair(difficulty, 400);
        AdvanceClockAndMove(*h);
        EXPECT_EQ(h->failures.failed[0], failed) << difficulty;
    }
}

TEST(FailureBanner, ShowsTheLastFailureForFifteenMinutesEvenAcrossMidnight) {
    auto g = FailureGame();
    UpdateFailures(*g);  // radar last, at 1060
    g->simClock.dayMinutes = 1074.9;
    EXPECT_STREQ(FailureBanner(*g), " ﾚｰﾀﾞｰ故障停止");
    EXPECT_EQ(g->failures.shownAt[0], -400.0);  // GPS was overtaken by the radar
    g->simClock.dayMinutes = 1075.0;
    EXPECT_EQ(FailureBanner(*g), nullptr);
    std::tie(g->failures.lastKind, g->failures.shownAt[3], g->simClock.dayMinutes) = std::tuple(4, 1435.0, 5.0);
    EXPECT_STREQ(FailureBanner(*g), "ｴﾝｼﾞﾝ故障停止");
    g->simClock.dayMinutes = 10.0;
    EXPECT_EQ(FailureBanner(*g), nullptr);
}

}  // namespace
}  // namespace vel
