#include <gtest/gtest.h>

#include <memory>

#include "cruise/results.h"
#include "cruise/scoring.h"
#include "gfx/dc.h"

namespace vel {
namespace {

// A finished cruise with nothing special about it: five days at difficulty
// 5, 120 miles, afloat, currents on, no troubles, no failures.
std::unique_ptr<Game> FinishedCruise() {
    auto g = std::make_unique<Game>();
    g->simClock.day = 6;
    g->cruiseOptions.difficulty = 5;
    g->cruiseOptions.troubleStrongWind = 0;
    g->ownBoat.log = 120.0;
    g->ownBoat.depth = 20;
    g->boatDesign.draft = 5;
    return g;
}

std::vector<std::string> Labels(const ScoreSheet& sheet) {
    std::vector<std::string> out;
    for (const ScoreRow& r : sheet.rows)
        if (r.kind != ScoreRowKind::Blank) out.push_back(r.label);
    return out;
}

TEST(Scoring, FiveDaysAtLevelFiveWithStrongWindAndAHundredMilesScoreNineHundred) {
    auto g = FinishedCruise();
    g->cruiseOptions.troubleStrongWind = 1;
    const ScoreSheet s = ScoreCruise(*g);
    EXPECT_FALSE(s.failed);
    EXPECT_EQ(s.total, 900);  // 50 x 15 + 50 + 100
    const std::vector<ScoreRow> expected = {
        {ScoreRowKind::Item, "日目終了 : ", 5},
        {ScoreRowKind::Item, "ﾍﾞｰｽﾎﾟｲﾝﾄ  : ", 500},
        {ScoreRowKind::Item, "レベル5 難易度ボーナス:", 250},
        {ScoreRowKind::Item, "強風ボーナス : ", 50},
        {ScoreRowKind::Item, "100 ﾏｲﾙﾎﾞｰﾅｽ  :", 100},
        {ScoreRowKind::Blank, "", 0},
        {ScoreRowKind::Blank, "", 0},
        {ScoreRowKind::Total, "総合得点: ", 900},
        {ScoreRowKind::Best, "最高得点: ", 900},
    };
    EXPECT_EQ(s.rows, expected);
}

// Every bonus and penalty by what earns it, against the plain cruise's 850:
// a trouble chosen or a device that failed on the way count alike.
TEST(Scoring, EachBonusAndPenaltyByWhatEarnsIt) {
    using G = Game;
    using Set = void (*)(G&);
    for (auto [change, set] : std::initializer_list<std::pair<int, Set>>{
             {50, [](G& g) { g.cruiseOptions.troubleNoRadar = 1; }}, {50, [](G& g) { g.failures.reported[1] = 1; }},
             {20, [](G& g) { g.cruiseOptions.troubleNoDepthAlarm = 1; }},
             {20, [](G& g) { g.failures.reported[2] = 1; }}, {100, [](G& g) { g.cruiseOptions.troubleNoGps = 1; }},
             {100, [](G& g) { g.failures.reported[0] = 1; }}, {50, [](G& g) { g.failures.reported[3] = 1; }},
             {50, [](G& g) { g.cruiseOptions.troubleNoEngine = 1; }}, {100, [](G& g) { g.weather.fogSeen = 1; }},
             {100, [](G& g) { g.cruiseOptions.troubleNoMiniChart = 1; }}, {0, [](G& g) { g.weather.maxWind = 23; }},
             {50, [](G& g) { g.weather.maxWind = 24; }}, {50, [](G& g) { g.ownBoat.atPier = 1; }},
             {-100, [](G& g) { g.ownBoat.log = 99.9; }}, {0, [](G& g) { g.ownBoat.log = 100.0; }},
             {-50, [](G& g) { g.cruiseOptions.currentsOn = 0; }},
             {-100, [](G& g) { g.score.tooClose = 1; }}, {-50, [](G& g) { g.score.anchorageCalm = 9; }}}) {
        auto g = FinishedCruise();
        set(*g);
        EXPECT_EQ(ScoreCruise(*g).total, 850 + change) << change;
    }
}

// The first day, or fewer than fifteen whole miles a day, scores nothing.
TEST(Scoring, TheFirstDayOrFewerThanFifteenWholeMilesADayScoreNothing) {
    const std::vector<std::string> firstDay = {"1日目終了せず。   ", "スコア 0。      "},
                                   tooShort = {"距離不十分。          ", "スコア 0。      "};
    for (auto [day, log, failure] : {std::tuple{1, 120.0, &firstDay}, {3, 29.9, &tooShort}, {3, 30.0, nullptr},
                                     {2, 15.0, nullptr}, {6, 74.9, &tooShort}, {6, 75.0, nullptr}}) {
        auto g = FinishedCruise();
        std::tie(g->simClock.day, g->ownBoat.log) = std::pair(day, log);
        const ScoreSheet s = ScoreCruise(*g);
        if (failure)
            EXPECT_EQ(std::tuple(s.failed, s.total, Labels(s)), std::tuple(true, 0, *failure)) << day << " " << log;
        else
            EXPECT_FALSE(s.failed) << day << " " << log;
    }
}

TEST(Scoring, TheFarSideOfAPassageEarnsItsBonus) {
    // Area 5 ends at Chub Cay (x 14200..) or north of it (y < 16800).
    for (auto [area, x, y, arrived] :
         {std::tuple{5, 14200.0, 0.0, false}, {5, 14200.5, 0.0, true}, {5, 15247.0, 16799.0, true},
          {5, 15247.0, 16800.0, false}, {6, -18000.0, 0.0, false}, {6, -18001.0, 0.0, true},
          {7, 15000.0, 0.0, false}, {7, 15001.0, 0.0, true}, {8, -12000.0, 0.0, false},
          {8, -12001.0, 0.0, true}, {1, 30000.0, 0.0, false}}) {
        auto g = FinishedCruise();
        g->cruiseOptions.areaCode = area;
        g->score.passageStartValid = 1;
        g->weather.moonlight = area == 6 ? 0 : 1;  // crossed on a moonless night: 550
        g->ownBoat.x = x;
        g->ownBoat.y = y;
        EXPECT_EQ(PassageBonus(*g), arrived ? (area == 6 ? 550 : 500) : 0) << area << " " << x << " " << y;
    }
}

// ---- the results screen ------------------------------------------------------------

// The results stand 200 ms; a speed faster than the one in use when the boat
// was made fast falls back to it.
TEST(ResultsScreen, StandsTwoHundredMillisecondsAndBringsBackAFasterSpeed) {
    auto g = FinishedCruise();
    std::tie(g->screenState.width, g->screenState.height) = std::pair(1024, 729);
    gfx::Palette palette{768};
    gfx::Surface surface{1024, 729};
    const auto draw = [&](uint32_t now) {
        gfx::DC dc(surface, palette, 14);
        Pacer pacer(now);
        ShowResults(dc, *g, pacer);
        return pacer.notBefore();
    };
    EXPECT_EQ(draw(1000), 1200u);
    for (auto [speed, divisor, after] : {std::tuple{12, 34, 9}, {3, 1297, 3}}) {
        std::tie(g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor) = std::pair(speed, divisor);
        std::tie(g->simClock.speedBeforeStop, g->simClock.divisorBeforeStop) = std::pair(9, 114);
        draw(0);
        EXPECT_EQ(g->cruiseOptions.simSpeed, after) << speed;
    }
}

}  // namespace
}  // namespace vel
