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
    std::tie(w.frontType, w.frontHour, w.systemStart, w.highPressure) = std::tuple(0, 240, 10, 1);
    std::tie(w.cruiseWind, w.dailyTrend, w.regionWarmth) = std::tuple(12, 0, 10);
    g->randomTable.r100[50] = 10;
    TideState& t = g->tideState;  // day 1: 13 + 1 - 6 = 8
    std::tie(t.dailyOffset, t.lowWaterHour, t.range, t.maxCurrent) = std::tuple(13, 8, 3, 17);
    g->simClock.cruiseHours = 9;
    DailyWeather(*g, 0);
    return g;
}

// Tomorrow's outlook, in grey, sits between the tide and the prompt.
TEST(Forecast, EveryLineInOrder) {
    auto g = ForecastGame();
    std::vector<std::pair<bool, std::string>> lines;  // tomorrow?, text
    for (const ForecastLine& l : ForecastLines(*g)) lines.emplace_back(l.tomorrow, l.text);
    const std::vector<std::pair<bool, std::string>> expected = {
        {false, "群島へ          ﾛｹｰｼｮﾝ 南        "},
        {false, ""},
        {false, "***  本日の気象予報 ***    "},
        {false, "時々曇り、湿度は高い "},
        {false, "最高温度 90 °F "},
        {false, "高気圧の位置は東"},
        {false, "風向 南 10 から 15 ﾉｯﾄ  "},
        {false, "低潮 8:00, 20:00    高潮 14:00, 2:00"},
        {false, "潮差 3 ft"},
        {false, "潮流の最大値は 1.7 ﾉｯﾄ"},
        {false, ""},
        {true, "***  明日の気象概況 ***       "},
        {true, "晴れ 、湿度は高い "},
        {true, "最高温度 90 °F "},
        {true, "高気圧の位置は南東"},
        {true, "風向 南西 10 から 15 ﾉｯﾄ  "},
        {false, ""},
        {false, "動作停止中         "},
        {false, "ｽﾍﾟｰｽﾊﾞｰを押して継続       "},
    };
    EXPECT_EQ(lines, expected);
}

// The page opens out at 790 and 900 pixels wide: its twenty steps from 15 to
// 17 to 19 pixels, so the prompt at the foot drops 40 each time.
TEST(Forecast, LinesOpenOutOnWiderDisplays) {
    const auto lowestInk = [](int32_t width) {
        auto g = ForecastGame();
        std::tie(g->screenState.width, g->screenState.height) = std::pair(width, 729);
        gfx::Palette palette(768);
        gfx::Surface surface(width, 729);
        gfx::DC dc(surface, palette, gfx::FontPixelSizeFor(768));
        Pacer pacer(0);
        DrawForecast(dc, *g, pacer);
        for (int y = 728; y >= 0; --y)
            for (int x = 0; x < width; ++x)
                if (surface.pixel(x, y) != gfx::kWhite) return y;
        return -1;
    };
    EXPECT_EQ(std::pair(lowestInk(790) - lowestInk(789), lowestInk(900) - lowestInk(899)), std::pair(40, 40));
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
        const auto lines = ForecastLines(*g);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const ForecastLine& l) { return !l.tomorrow && l.text == text; }))
            << hour;
    }
}

}  // namespace
}  // namespace vel
