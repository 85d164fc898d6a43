#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "app/frame.h"
#include "common/helpers.h"
#include "cruise/advice.h"
#include "cruise/help.h"
#include "cruise/help_layout.h"
#include "cruise/help_text.h"
#include "gfx/dc.h"
#include "shell/input.h"

namespace vel {
namespace {

std::unique_ptr<Game> OnScreen(int32_t w, int32_t h, int32_t page) {
    auto g = std::make_unique<Game>();
    ComputeScreenMetrics(g->screenState, Display{w, h, 32, 20});
    g->screenState.phase = 2;
    g->screenState.startPlaced = 1;
    g->screenState.helpPage = page;
    return g;
}

TEST(HelpLayout, FirstPageHasOnlyNextLastOnlyPreviousAdviceNone) {
    for (auto [page, next, prev] : {std::tuple{1, true, false}, {2, true, true}, {14, true, true}, {15, false, true},
                                    {300, false, false}}) {
        const HelpLayout l = ComputeHelpLayout(OnScreen(1024, 768, page)->screenState, page);
        EXPECT_EQ(std::pair(l.showNext, l.showPrev), std::pair(next, prev)) << page;
    }
}

TEST(HelpClicks, ButtonsTurnPagesStrictlyInsideAndElsewhereAClickCloses) {
    const auto click = [](int32_t page, auto where) {
        auto g = OnScreen(1024, 768, page);
        const HelpLayout l = ApplyHelpLayout(g->screenState);  // as the drawn page leaves it
        const auto [x, y] = where(l);
        OnLButtonDown(*g, x, y);
        return std::pair(g->screenState.helpPage, g->inputState.clickX);
    };
    EXPECT_EQ(click(1, [](const HelpLayout& l) { return std::pair(l.nextLeft + 1, l.buttonTop + 1); }),
              std::pair(2, -100));
    EXPECT_EQ(click(7, [](const HelpLayout& l) { return std::pair(l.prevLeft + l.buttonWidth - 1, l.buttonTop + 19); })
                  .first,
              6);
    // On a button's edge, elsewhere, or where no button is shown.
    const std::pair<int32_t, std::function<std::pair<int32_t, int32_t>(const HelpLayout&)>> closing[] = {
        {5, [](const HelpLayout&) { return std::pair(500, 300); }},
        {5, [](const HelpLayout& l) { return std::pair(l.nextLeft, l.buttonTop + 10); }},
        {5, [](const HelpLayout& l) { return std::pair(l.nextLeft + 10, l.buttonTop + 20); }},
        {5, [](const HelpLayout& l) { return std::pair(l.nextLeft + l.buttonWidth, l.buttonTop + 10); }},
        {5, [](const HelpLayout& l) { return std::pair(l.prevLeft + 10, l.buttonTop); }},
        {15, [](const HelpLayout& l) { return std::pair(l.nextLeft + 5, l.buttonTop + 5); }},
        {1, [](const HelpLayout& l) { return std::pair(l.prevLeft + 5, l.buttonTop + 5); }},
        {300, [](const HelpLayout& l) { return std::pair(l.nextLeft + 5, l.buttonTop + 5); }},
    };
    for (const auto& [page, where] : closing) EXPECT_EQ(click(page, where).first, 0) << page;
}

struct Drawn {
    std::unique_ptr<Game> g;
    gfx::Palette palette{768};
    std::unique_ptr<gfx::Surface> surface;
    explicit Drawn(int32_t page) : g(OnScreen(1024, 768, page)) {
        surface = std::make_unique<gfx::Surface>(1024, 729);
        gfx::DC dc(*surface, palette, gfx::FontPixelSizeFor(768));
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(21);  // red: what the screen below shows
        dc.Rectangle(0, 0, 1024, 729);
        DrawHelp(dc, *g);
    }
    gfx::Color at(int x, int y) const { return surface->pixel(x, y); }
};

TEST(HelpDrawing, ButtonsAreDrawnOnlyWhereTheyAct) {
    Drawn first(1), last(15);
    const HelpLayout l = ComputeHelpLayout(first.g->screenState, 1);
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    // Right of the labels, inside the rounded corners.
    const int dx = l.buttonWidth - 6, dy = l.buttonHeight / 2;
    EXPECT_EQ(std::pair(first.at(l.nextLeft + dx, l.buttonTop + dy), first.at(l.prevLeft + dx, l.buttonTop + dy)),
              std::pair(grey, gfx::kWhite));
    EXPECT_EQ(std::pair(last.at(l.nextLeft + dx, l.buttonTop + dy), last.at(l.prevLeft + dx, l.buttonTop + dy)),
              std::pair(gfx::kWhite, grey));
}

TEST(HelpText, EveryPageOpensWithItsOnlyTitleAndFitsOnTheUsualDisplays) {
    for (int32_t page = 1; page <= kHelpPageCount; ++page) {
        const std::span<const HelpLine> lines = HelpPageLines(page);
        ASSERT_FALSE(lines.empty()) << page;
        EXPECT_EQ(std::string(lines[0].text).rfind("- ", 0), 0u) << page;
        for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].style == HelpStyle::Title, i == 0) << page;
    }
    EXPECT_TRUE(HelpPageLines(0).empty());
    EXPECT_TRUE(HelpPageLines(kHelpPageCount + 1).empty());
    // Every line fits the width and ends above the buttons.
    for (auto [w, h] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}}) {
        const ScreenState s = OnScreen(w, h, 1)->screenState;
        gfx::Palette palette(h);
        gfx::Surface surface(s.width, s.height);
        gfx::DC dc(surface, palette, gfx::FontPixelSizeFor(s.fullHeight));
        auto check = [&](std::span<const HelpLine> lines, int32_t page, const std::string& what) {
            const HelpLayout l = ComputeHelpLayout(s, page);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(l.textX + dc.TextWidth(lines[i].text), s.width) << what << " line " << i << " at " << w;
                EXPECT_LE(l.firstLineY + static_cast<int32_t>(i) * l.lineStep + dc.LineHeight(), l.buttonTop)
                    << what << " line " << i << " at " << w;
            }
        };
        for (int32_t page = 1; page <= kHelpPageCount; ++page)
            if (page != 3) check(HelpPageLines(page), page, "page " + std::to_string(page));
        for (HelpScreen screen : {HelpScreen::Title, HelpScreen::Forecast, HelpScreen::Chart, HelpScreen::SailingView,
                                  HelpScreen::SmallChart, HelpScreen::VerySmallChart, HelpScreen::Radar,
                                  HelpScreen::Compass, HelpScreen::Results}) {
            std::vector<HelpLine> lines(HelpPageLines(3).begin(), HelpPageLines(3).end());
            lines.insert(lines.end(), ScreenLines(screen).begin(), ScreenLines(screen).end());
            check(lines, 3, "screen " + std::to_string(static_cast<int>(screen)));
        }
    }
}

// Running in the sailing view on day 3 of a cruise in the north, in deep water,
// with nothing to remark on.
std::unique_ptr<Game> Underway() {
    auto g = OnScreen(1024, 768, 300);
    g->screenState.chartShown = 0;
    g->screenState.radarOn = 1;
    g->simClock.day = 3;
    g->cruiseOptions.region = 4;
    g->boatDesign.draft = 5;
    g->ownBoat.depth = 40;
    ResetObjectList(g->objectList);
    return g;
}

bool Says(const Game& g, const std::string& start) {
    const std::vector<HelpLine> lines = AdviceLines(g);
    return std::any_of(lines.begin(), lines.end(),
                       [&](const HelpLine& l) { return std::string(l.text).rfind(start, 0) == 0; });
}

TEST(Advice, EachTipAppearsWhenItsSituationHolds) {
    const std::pair<const char*, void (*)(Game&)> tips[] = {
        {"ギアがニュートラル。    ", [](Game& g) { g.ownBoat.throttle = 7; }},
        {"操舵中は前方を見る。", [](Game& g) { g.ownBoat.speed = 21, g.viewState.lookOffset = -30; }},
        {"ｱﾝｶｰﾘﾝｸﾞする時は、", [](Game& g) { g.hazards.closestVessel = 199; }},
        {"艇を深いほうに向けて出力最大にすれば", [](Game& g) { g.ownBoat.depth = 4; }},
        {"ﾘｰｳｪｲが大きい。ｺｰｽにﾘｰｳｪｲを見込め。", [](Game& g) { g.ownBoat.leeway = -9, g.ownBoat.sailsUp = 1; }},
        {"ｱﾝｶｰﾘﾝｸﾞ中は次の日のｸﾙｰｽﾞの計画を立てると良い。", [](Game& g) { g.ownBoat.anchored = 1, g.simClock.day = 2; }},
        {"係留中は次の日のｸﾙｰｽﾞの計画を立てると良い。", [](Game& g) { g.ownBoat.onBuoy = 2, g.simClock.day = 1; }},
        {"もし気象情報が航海に不適であれば、別な日を選べ(Nを押す)。",
         [](Game& g) { g.screenState.chartShown = 1, g.simClock.day = 1, g.cruiseOptions.areaCode = 7; }},
        {"Chubb小島か Great ﾊｰﾊﾞｰ 小島の赤い円の中で",
         [](Game& g) { g.screenState.chartShown = 1, g.simClock.day = 1, g.cruiseOptions.areaCode = 6; }},
        {"このあたりは霧が多い。     ", [](Game& g) { g.cruiseOptions.areaCode = 8; }},
        {"風と潮の方向が反対なので波が大きくなる。",
         [](Game& g) {
             g.weather.windAgainstCurrent = 1, g.tideState.boatCurrentSpeed = -11, g.weather.waveState = 2;
         }},
        {"この沖には漁船が多い。", [](Game& g) { g.cruiseOptions.areaCode = 7, g.ownBoat.x = 1; }},
        {"本船が近い。",
         [](Game& g) { g.objectList.kind[36] = 12, g.objectList.fbx[36] = 700, g.objectList.fby[36] = -799; }},
        {"バハマの海はサンゴ礁が多い。", [](Game& g) { g.cruiseOptions.region = 3; }},
        {"方向がわからなくなったら海図を見よ(Mを押す)。", [](Game& g) { g.screenState.radarOn = 0; }},
        {"海図の点線で囲まれた所は浅瀬。", [](Game& g) { g.cruiseOptions.areaCode = 30, g.ownBoat.depth = 19; }},
        {"浅い。座礁したら、", [](Game& g) { g.ownBoat.depth = 9; }},
    };
    for (const auto& [says, arrange] : tips) {
        auto g = Underway();
        EXPECT_FALSE(Says(*g, says)) << says;
        arrange(*g);
        EXPECT_TRUE(Says(*g, says)) << says;
    }
}

}  // namespace
}  // namespace vel
