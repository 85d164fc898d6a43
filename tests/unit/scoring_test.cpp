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

const ScoreRow* Find(const ScoreSheet& sheet, const std::string& label) {
    for (const ScoreRow& r : sheet.rows)
        if (r.label == label) return &r;
    return nullptr;
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

TEST(Scoring, ResultsOnTheFirstDayScoreNothing) {
    auto g = FinishedCruise();
    g->simClock.day = 1;
    const ScoreSheet s = ScoreCruise(*g);
    EXPECT_TRUE(s.failed);
    EXPECT_EQ(s.total, 0);
    EXPECT_EQ(Labels(s), (std::vector<std::string>{"1日目終了せず。   ", "スコア 0。      "}));
}

TEST(Scoring, FewerThanFifteenWholeMilesADayScoreNothing) {
    for (auto [day, log, enough] : {std::tuple{3, 28.0, false}, {3, 29.9, false}, {3, 30.0, true}, {2, 15.0, true},
                                    {6, 74.9, false}, {6, 75.0, true}}) {
        auto g = FinishedCruise();
        g->simClock.day = day;
        g->ownBoat.log = log;
        const ScoreSheet s = ScoreCruise(*g);
        EXPECT_EQ(std::pair(s.failed, Find(s, "距離不十分。          ") != nullptr), std::pair(!enough, !enough))
            << day << " " << log;
    }
}

TEST(Scoring, TheFarSideOfAPassageEarnsItsBonus) {
    for (auto [area, x, arrived] : {std::tuple{5, 17000.0, false}, {5, 17000.5, true}, {6, -15500.0, false},
                                    {6, -15501.0, true}, {7, 15000.0, false}, {7, 15001.0, true},
                                    {8, -12000.0, false}, {8, -12001.0, true}, {1, 30000.0, false}}) {
        auto g = FinishedCruise();
        g->cruiseOptions.areaCode = area;
        g->score.passageStartValid = 1;
        g->weather.moonlight = 1;
        g->ownBoat.x = x;
        EXPECT_EQ(PassageBonus(*g), arrived ? 500 : 0) << area << " " << x;
    }
}

// ---- the results screen ------------------------------------------------------------

struct ResultsFrame {
    std::unique_ptr<Game> g = FinishedCruise();
    gfx::Palette palette{768};
    gfx::Surface surface{1024, 729};
    ResultsFrame() {
        g->screenState.width = 1024;
        g->screenState.height = 729;
    }
    uint32_t draw(uint32_t now) {
        gfx::DC dc(surface, palette, 14);
        Pacer pacer(now);
        ShowResults(dc, *g, pacer);
        return pacer.notBefore();
    }
};

TEST(ResultsScreen, StandsTwoHundredMillisecondsStoresABetterScoreAndBringsBackAFasterSpeed) {
    ResultsFrame f;
    f.g->score.highScore = 700;
    EXPECT_EQ(f.draw(1000), 1200u);
    EXPECT_EQ(f.g->score.highScore, 850);  // 750 + 100
    for (auto [speed, divisor, after] : {std::tuple{12, 34, 9}, {3, 1297, 3}}) {  // a faster speed falls back
        std::tie(f.g->cruiseOptions.simSpeed, f.g->cruiseOptions.stepDivisor) = std::pair(speed, divisor);
        std::tie(f.g->simClock.speedBeforeStop, f.g->simClock.divisorBeforeStop) = std::pair(9, 114);
        f.draw(0);
        EXPECT_EQ(f.g->cruiseOptions.simSpeed, after) << speed;
    }
}

}  // namespace
}  // namespace vel
