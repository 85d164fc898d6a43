#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

#include "gfx/dc.h"
#include "gfx/palette.h"
#include "sim/weather.h"
#include "sim_fixture.h"
#include "views/forecast.h"

namespace vel {
namespace {

using testing::SailingGame;

// A high in the east today (system start 10, moving one octant a day), with
// low water at 08:00 on day 1.
std::unique_ptr<Game> ForecastGame() {
    auto g = SailingGame();
    Weather& w = g->weather;
    w.frontType = 0;
    w.frontHour = 240;
    w.systemStart = 10;
    w.highPressure = 1;
    w.cruiseWind = 12;
    w.dailyTrend = 0;
    w.regionWarmth = 10;
    g->randomTable.r100[50] = 10;
    TideState& t = g->tideState;
    t.dailyOffset = 13;  // day 1: 13 + 1 - 6 = 8
    t.lowWaterHour = 8;
    t.range = 3;
    t.maxCurrent = 17;
    g->simClock.cruiseHours = 9;
    DailyWeather(*g, 0);
    return g;
}

std::vector<std::string> Texts(const std::vector<ForecastLine>& lines, bool tomorrow) {
    std::vector<std::string> out;
    for (const ForecastLine& l : lines)
        if (l.tomorrow == tomorrow) out.push_back(l.text);
    return out;
}

TEST(Forecast, EveryLineInOrder) {
    auto g = ForecastGame();
    const auto lines = ForecastLines(*g);
    const std::vector<std::string> today = {
        "群島へ          ﾛｹｰｼｮﾝ 南        ",
        "",
        "***  本日の気象予報 ***    ",
        "時々曇り、湿度は高い ",
        "最高温度 90 °F ",
        "高気圧の位置は東",
        "風向 南 10 から 15 ﾉｯﾄ  ",
        "低潮 8:00, 20:00    高潮 14:00, 2:00",
        "潮差 3 ft",
        "潮流の最大値は 1.7 ﾉｯﾄ",
        "",
        "",
        "動作停止中         ",
        "ｽﾍﾟｰｽﾊﾞｰを押して継続       ",
    };
    const std::vector<std::string> tomorrow = {
        "***  明日の気象概況 ***       ",
        "晴れ 、湿度は高い ",
        "最高温度 90 °F ",
        "高気圧の位置は南東",
        "風向 南西 10 から 15 ﾉｯﾄ  ",
    };
    EXPECT_EQ(Texts(lines, false), today);
    EXPECT_EQ(Texts(lines, true), tomorrow);
    // Tomorrow's block sits between the tide and the prompt.
    ASSERT_EQ(lines.size(), today.size() + tomorrow.size());
    EXPECT_EQ(lines[11].text, tomorrow.front());
    EXPECT_TRUE(lines[11].tomorrow && !lines[16].tomorrow);
}

// A day-one front approaches this morning before noon, this afternoon before
// six, this evening from six.
TEST(Forecast, FrontWordedByTheTimeOfDay) {
    for (auto [hour, text] : {std::pair{11, "今朝、寒冷前線が近づく。         "},
                              {12, "今日の午後、寒冷前線が近づく。     "}, {17, "今日の午後、寒冷前線が近づく。     "},
                              {18, "今夕、寒冷前線が近づく。         "}}) {
        auto g = ForecastGame();
        g->weather.frontType = 1;
        g->weather.frontHour = hour;
        const std::vector<std::string> today = Texts(ForecastLines(*g), false);
        EXPECT_NE(std::find(today.begin(), today.end(), text), today.end()) << hour;
    }
}

}  // namespace
}  // namespace vel
