#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "sim/boat_state.h"
#include "sim/hazards.h"
#include "sim/sailing.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;

// ---- Depth reading ------------------------------------------------------------

struct DepthCase {
    int32_t charted, tide, draft, reading;
};

class Sounder : public ::testing::TestWithParam<DepthCase> {};

TEST_P(Sounder, ReadsChartPlusTideAndNeverBelowOne) {
    const DepthCase c = GetParam();
    EXPECT_EQ(DepthReading(c.charted, c.tide, c.draft), c.reading);
}

INSTANTIATE_TEST_SUITE_P(Cases, Sounder,
                         ::testing::Values(DepthCase{20, 0, 6, 20}, DepthCase{20, 35, 6, 23},
                                           // Shallower than the draft: draft - 1.
                                           DepthCase{5, 0, 6, 5}, DepthCase{3, 0, 6, 5},
                                           DepthCase{4, 15, 6, 5},
                                           // The tide lifts the boat off: 5 + 1 = 6.
                                           DepthCase{5, 10, 6, 6},
                                           // Land reads 1 and takes no tide.
                                           DepthCase{0, 40, 6, 1}, DepthCase{-3, 0, 6, 1},
                                           // A draft of 2 or less is not hard aground over land.
                                           DepthCase{0, 0, 2, 1}, DepthCase{1, 0, 1, 1}));

TEST(DepthStates, ShoalAgroundAndHardAground) {
    auto g = SailingGame();  // draft 6
    const struct {
        int32_t depth;
        bool shoal, aground;
    } cases[] = {{9, false, false}, {8, true, false}, {6, true, false}, {5, false, true}, {1, false, true}};
    for (const auto& c : cases) {
        g->ownBoat.depth = c.depth;
        EXPECT_EQ(InShoalWater(*g), c.shoal) << c.depth;
        EXPECT_EQ(Aground(*g), c.aground) << c.depth;
    }
}

// ---- Depth alarm ----------------------------------------------------------------

std::unique_ptr<Game> AlarmGame(int32_t depth) {
    auto g = SailingGame(3);  // draft 5
    g->ownBoat.depth = depth;
    g->simClock.cycle60 = 15;
    g->cruiseOptions.soundLevel = 1;
    return g;
}

bool Beeped(const Game& g) {
    for (const SoundRequest& r : g.soundRequests)
        if (r == SoundRequest{0, PlayMode::Plain}) return true;
    return false;
}

TEST(DepthAlarm, BeepsInTheThreeFeetAboveTheDraft) {
    for (int32_t depth = 3; depth <= 9; ++depth) {
        auto g = AlarmGame(depth);
        DepthAlarm(*g);
        EXPECT_EQ(Beeped(*g), depth >= 5 && depth <= 7) << depth;
    }
}

TEST(DepthAlarm, OnlyEveryFifteenthTick) {
    for (int32_t cycle : {0, 15, 30, 45, 60}) {
        auto g = AlarmGame(6);
        g->simClock.cycle60 = cycle;
        DepthAlarm(*g);
        EXPECT_TRUE(Beeped(*g)) << cycle;
    }
    for (int32_t cycle : {1, 14, 16, 59}) {
        auto g = AlarmGame(6);
        g->simClock.cycle60 = cycle;
        DepthAlarm(*g);
        EXPECT_FALSE(Beeped(*g)) << cycle;
    }
}

TEST(DepthAlarm, SilentWhenSwitchedOffOutOfOrderOrMadeFast) {
    const std::function<void(Game&)> silencers[] = {
        [](Game& g) { g.cruiseOptions.soundLevel = 0; },
        [](Game& g) { g.cruiseOptions.depthAlarm = 0; },
        [](Game& g) { g.cruiseOptions.troubleNoDepthAlarm = 1; },
        [](Game& g) { g.failures.failed[2] = 1; },
        [](Game& g) { g.ownBoat.anchored = 1; },
        [](Game& g) { g.ownBoat.docked = 1; },
        [](Game& g) { g.ownBoat.alongside = 1; },
        [](Game& g) { g.ownBoat.onBuoy = 2; },
        // The Exumas sound only within two feet of the draft.
        [](Game& g) {
            g.cruiseOptions.areaCode = 30;
            g.ownBoat.depth = 7;
        },
    };
    for (const auto& silence : silencers) {
        auto g = AlarmGame(6);
        silence(*g);
        DepthAlarm(*g);
        EXPECT_FALSE(Beeped(*g));
    }
}

// ---- Pier, piles and dock ---------------------------------------------------------

// A pier built from the base point (1000, -3000) on a coast with the sea south.
void BuildPier(Game& g) {
    AreaGrid& a = g.areaGrid;
    g.cruiseOptions.areaCode = 1;
    a.pierCorner1X = 1080;
    a.pierCorner2X = 1110;
    a.pierCorner2Y = -3000;
    a.pierCorner3X = 1110;
    a.pierCorner3Y = -2990;
    a.pierBerthX = 1095;
    a.pierBerthY = -2995;
}

void PlaceBoat(Game& g, double x, double y) {
    g.ownBoat.x = x;
    g.ownBoat.y = y;
    g.ownBoat.cellX = Trunc(x);
    g.ownBoat.cellY = Trunc(y);
    g.ownBoat.speedExact = 40.0;
}

TEST(PierContact, StrikingThePierStopsTheBoatForGood) {
    auto g = SailingGame();
    BuildPier(*g);
    // West of (1110 + 6 x 1080) / 7 = 1084, within 10 of the berth's y and 20 of its x.
    PlaceBoat(*g, 1083.0, -2995.0);
    CheckPierContact(*g);
    EXPECT_EQ(g->hazards.contact, 1);
    EXPECT_EQ(g->ownBoat.speedExact, 0.0);
    g->ownBoat.heading = 90;
    for (int i = 0; i < 5; ++i) {
        UpdateSpeed(*g);
        EXPECT_EQ(g->ownBoat.speedExact, 0.0);
        EXPECT_EQ(g->ownBoat.speed, 0);
    }
}

TEST(PierContact, ClearOfThePierNothingHappens) {
    // At the bound in x, 10 off the berth's y, 21 off its x.
    for (auto [x, y] : {std::pair{1084.0, -2995.0}, std::pair{1083.0, -2985.0}, std::pair{1074.0, -2995.0}}) {
        auto g = SailingGame();
        BuildPier(*g);
        PlaceBoat(*g, x, y);
        CheckPierContact(*g);
        EXPECT_EQ(g->hazards.contact, 0) << x << " " << y;
    }
}

TEST(PierContact, PilesWithinOneAndAHalfUnits) {
    auto g = SailingGame();
    BuildPier(*g);
    PlaceBoat(*g, 1111.4, -2991.4);
    CheckPierContact(*g);
    EXPECT_EQ(g->hazards.contact, 2);
    auto h = SailingGame();
    BuildPier(*h);
    PlaceBoat(*h, 1111.5, -2990.0);
    CheckPierContact(*h);
    EXPECT_EQ(h->hazards.contact, 0);
}

TEST(PierContact, NoPierInTheIslandsAreaOrWhereNoneWasBuilt) {
    auto g = SailingGame();
    BuildPier(*g);
    g->cruiseOptions.areaCode = 2;
    PlaceBoat(*g, 1083.0, -2995.0);
    CheckPierContact(*g);
    EXPECT_EQ(g->hazards.contact, 0);
    // A passage leaves the pier fields at the origin: no phantom pile there.
    auto h = SailingGame();
    h->cruiseOptions.areaCode = 5;
    h->cruiseOptions.isPassage = 1;
    PlaceBoat(*h, 0.0, 0.0);
    CheckPierContact(*h);
    EXPECT_EQ(h->hazards.contact, 0);
}

TEST(DockContact, TheDockIsStruckFromItsLandSide) {
    const struct {
        int32_t side;
        double x, y;
        int32_t contact;
    } cases[] = {
        {1, 500.0, 195.0, 1}, {1, 500.0, 205.0, 0}, {1, 509.0, 195.0, 0}, {3, 500.0, 205.0, 1},
        {2, 505.0, 200.0, 1}, {2, 495.0, 200.0, 0}, {4, 495.0, 200.0, 1}, {4, 495.0, 209.0, 0},
    };
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->cruiseOptions.areaCode = 12;
        g->cruiseOptions.isRealArea = 1;
        g->areaGrid.realDockX = 500;
        g->areaGrid.realDockY = 200;
        g->areaGrid.realDockSide = c.side;
        PlaceBoat(*g, c.x, c.y);
        CheckPierContact(*g);
        EXPECT_EQ(g->hazards.contact, c.contact) << c.side << " " << c.x << " " << c.y;
    }
}

// ---- Failures --------------------------------------------------------------------

TEST(FailureTimes, FallWithinTheDifficultysWindowAfterDeparture) {
    // random(14000 - 800 d) may reach a little past its bound: rand() / (32000 / n).
    const struct {
        int32_t difficulty, departure, latest;
    } cases[] = {{10, 9, 540 + 32767 / 5}, {5, 0, 32767 / 3}, {2, 18, 1080 + 32767 / 2}};
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->cruiseOptions.difficulty = c.difficulty;
        g->cruiseOptions.departureHour = c.departure;
        for (uint32_t seed = 1; seed <= 50; ++seed) {
            g->rng.srand(seed);
            ResetFailures(*g);
            for (int32_t i = 0; i < 4; ++i) {
                EXPECT_GE(g->failures.time[i], 60 * c.departure);
                EXPECT_LE(g->failures.time[i], c.latest);
                EXPECT_EQ(g->failures.shownAt[i], -400.0);
            }
        }
    }
}

std::unique_ptr<Game> FailureGame() {
    auto g = SailingGame();
    g->cruiseOptions.difficulty = 5;
    g->cruiseOptions.soundLevel = 2;
    g->failures.time = {1000, 2000, 3000, 4000};
    g->simClock.cruiseMinutes = 2500.0;
    g->simClock.dayMinutes = 1060.0;
    return g;
}

TEST(Failures, DevicesFailOnceTheirMinuteHasPassed) {
    auto g = FailureGame();
    UpdateFailures(*g);
    EXPECT_EQ(g->failures.failed[0], 1);
    EXPECT_EQ(g->failures.failed[1], 1);
    EXPECT_EQ(g->failures.failed[2], 0);
    EXPECT_EQ(g->failures.reported[1], 1);
    EXPECT_EQ(g->failures.lastKind, 2);
    EXPECT_EQ(g->failures.shownAt[1], 1060.0);
    EXPECT_EQ(g->soundRequests.size(), 2u);
    // No second beep for a device that is already out.
    UpdateFailures(*g);
    EXPECT_EQ(g->soundRequests.size(), 2u);
    EXPECT_TRUE(DeviceOut(*g, Device::Radar));
    EXPECT_FALSE(DeviceOut(*g, Device::DepthAlarm));
}

TEST(Failures, NothingFailsAtTheEasiestDifficulty) {
    auto g = FailureGame();
    g->cruiseOptions.difficulty = 1;
    g->simClock.cruiseMinutes = 9000.0;
    UpdateFailures(*g);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(g->failures.failed[i], 0);
}

TEST(Failures, QuietBelowSoundLevelTwo) {
    auto g = FailureGame();
    g->cruiseOptions.soundLevel = 1;
    UpdateFailures(*g);
    EXPECT_EQ(g->failures.failed[0], 1);
    EXPECT_TRUE(g->soundRequests.empty());
}

TEST(Failures, SparedDevices) {
    auto g = FailureGame();
    g->simClock.cruiseMinutes = 9000.0;
    g->cruiseOptions.noFailElectronics = 1;
    UpdateFailures(*g);
    EXPECT_EQ(g->failures.failed[0], 0);
    EXPECT_EQ(g->failures.failed[3], 1);

    auto trawler = FailureGame();
    trawler->cruiseOptions.boatType = 4;
    trawler->simClock.cruiseMinutes = 9000.0;
    UpdateFailures(*trawler);
    EXPECT_EQ(trawler->failures.failed[3], 0);

    auto troubled = FailureGame();
    troubled->simClock.cruiseMinutes = 9000.0;
    troubled->cruiseOptions.troubleNoGps = 1;
    troubled->cruiseOptions.noFailEngine = 1;
    UpdateFailures(*troubled);
    EXPECT_EQ(troubled->failures.failed[0], 0);  // out already, by the trouble
    EXPECT_TRUE(DeviceOut(*troubled, Device::Gps));
    EXPECT_EQ(troubled->failures.failed[3], 0);
}

TEST(Failures, TyingUpAtThePierRepairsTheEngineForTheRestOfTheCruise) {
    auto g = FailureGame();
    g->simClock.cruiseMinutes = 5000.0;
    UpdateFailures(*g);
    ASSERT_EQ(g->failures.failed[3], 1);
    g->ownBoat.docked = 1;
    UpdateFailures(*g);
    EXPECT_EQ(g->failures.failed[3], 0);
    EXPECT_EQ(g->failures.time[3], 30000);
    EXPECT_EQ(g->failures.reported[3], 1);
    g->ownBoat.docked = 0;
    g->simClock.cruiseMinutes = 7000.0;
    UpdateFailures(*g);
    EXPECT_EQ(g->failures.failed[3], 0);
}

TEST(FailureBanner, ShowsTheLastFailureForFifteenMinutes) {
    auto g = FailureGame();
    UpdateFailures(*g);  // radar last, at 1060
    g->simClock.dayMinutes = 1074.9;
    EXPECT_STREQ(FailureBanner(*g), " ﾚｰﾀﾞｰ故障停止");
    EXPECT_EQ(g->failures.shownAt[0], -400.0);  // GPS was overtaken by the radar
    g->simClock.dayMinutes = 1075.0;
    EXPECT_EQ(FailureBanner(*g), nullptr);
    EXPECT_EQ(g->failures.shownAt[1], -400.0);
}

TEST(FailureBanner, RaisedJustBeforeMidnightItRunsItsFullTime) {
    auto g = FailureGame();
    g->failures.lastKind = 4;
    g->failures.failed[3] = 1;
    g->failures.shownAt[3] = 1435.0;
    g->simClock.dayMinutes = 5.0;
    EXPECT_STREQ(FailureBanner(*g), "ｴﾝｼﾞﾝ故障停止");
    g->simClock.dayMinutes = 10.0;
    EXPECT_EQ(FailureBanner(*g), nullptr);
}

}  // namespace
}  // namespace vel
