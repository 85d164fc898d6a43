#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

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
    g->screenState.helpPage = page;
    return g;
}

struct ButtonCase {
    int32_t page;
    bool next, prev;
};

class PageButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(PageButtons, FirstHasOnlyNextLastOnlyPreviousAdviceNone) {
    const ButtonCase c = GetParam();
    auto g = OnScreen(1024, 768, c.page);
    const HelpLayout l = ComputeHelpLayout(g->screenState, c.page);
    EXPECT_EQ(l.showNext, c.next);
    EXPECT_EQ(l.showPrev, c.prev);
}

INSTANTIATE_TEST_SUITE_P(Help, PageButtons,
                         ::testing::Values(ButtonCase{1, true, false}, ButtonCase{2, true, true},
                                           ButtonCase{3, true, true}, ButtonCase{14, true, true},
                                           ButtonCase{15, false, true}, ButtonCase{300, false, false}));

struct GeometryCase {
    int32_t width, height, largeFonts, page;
    int32_t buttonTop, labelInset, textX, lineStep;
};

class HelpGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(HelpGeometry, FollowsTheScreenWidthAndFonts) {
    const GeometryCase c = GetParam();
    auto g = OnScreen(c.width, c.height, c.page);
    g->screenState.largeFonts = c.largeFonts;
    const ScreenState& s = g->screenState;
    const HelpLayout l = ComputeHelpLayout(s, c.page);
    EXPECT_EQ(l.buttonTop, c.buttonTop);
    EXPECT_EQ(l.labelInset, c.labelInset);
    EXPECT_EQ(l.textX, c.textX);
    EXPECT_EQ(l.lineStep, c.lineStep);
    EXPECT_EQ(l.buttonWidth, s.width / 9);
    EXPECT_EQ(l.nextLeft, static_cast<int32_t>(s.width * 0.65));
    EXPECT_EQ(l.prevLeft, static_cast<int32_t>(s.width * 0.8));
}

// Heights: 480 gives 456, 600 gives 570, 768 gives 729.
INSTANTIATE_TEST_SUITE_P(Help, HelpGeometry,
                         ::testing::Values(GeometryCase{640, 480, 0, 1, 396, 2, 1, 21},
                                           GeometryCase{699, 480, 1, 1, 396, 2, 1, 21},
                                           GeometryCase{700, 525, 0, 1, 383, 12, 20, 24},
                                           GeometryCase{800, 600, 0, 1, 455, 12, 20, 24},
                                           GeometryCase{800, 600, 1, 1, 470, 5, 20, 24},
                                           GeometryCase{900, 600, 1, 1, 470, 5, 20, 24},
                                           GeometryCase{901, 600, 1, 1, 455, 15, 20, 24},
                                           GeometryCase{1024, 768, 0, 1, 614, 20, 20, 24},
                                           GeometryCase{1024, 768, 0, 3, 228, 20, 20, 24},
                                           GeometryCase{640, 480, 0, 300, 137, 2, 1, 21}));

// ---- clicks, through the mouse handler ---------------------------------------------

struct Clicked {
    std::unique_ptr<Game> g;
    HelpLayout l;
    explicit Clicked(int32_t page) : g(OnScreen(1024, 768, page)) {
        g->screenState.startPlaced = 1;
        l = ApplyHelpLayout(g->screenState);  // as the drawn page leaves it
    }
    int32_t click(int32_t x, int32_t y) {
        OnLButtonDown(*g, x, y);
        return g->screenState.helpPage;
    }
};

TEST(HelpClicks, NextTurnsThePageWithoutClosingIt) {
    Clicked c(1);
    EXPECT_EQ(c.click(c.l.nextLeft + 1, c.l.buttonTop + 1), 2);
    EXPECT_EQ(c.g->inputState.clickX, -100);
}

TEST(HelpClicks, PreviousTurnsBack) {
    Clicked c(7);
    EXPECT_EQ(c.click(c.l.prevLeft + c.l.buttonWidth - 1, c.l.buttonTop + 19), 6);
}

TEST(HelpClicks, AClickOnAButtonsEdgeOrElsewhereCloses) {
    const HelpLayout l = Clicked(5).l;
    const std::pair<int32_t, int32_t> points[] = {{500, 300},
                                                  {l.nextLeft, l.buttonTop + 10},
                                                  {l.nextLeft + 10, l.buttonTop + 20},
                                                  {l.nextLeft + l.buttonWidth, l.buttonTop + 10},
                                                  {l.prevLeft + 10, l.buttonTop}};
    for (auto [x, y] : points) {
        Clicked c(5);
        EXPECT_EQ(c.click(x, y), 0) << x << "," << y;
    }
}

TEST(HelpClicks, WhereNoButtonIsShownAClickCloses) {
    Clicked last(15);
    EXPECT_EQ(last.click(last.l.nextLeft + 5, last.l.buttonTop + 5), 0);
    Clicked first(1);
    EXPECT_EQ(first.click(first.l.prevLeft + 5, first.l.buttonTop + 5), 0);
    Clicked advice(300);
    EXPECT_EQ(advice.click(advice.l.nextLeft + 5, advice.l.buttonTop + 5), 0);
}

TEST(HelpClicks, TurningAPageNeitherStartsTheCruiseNorResumesIt) {
    Clicked c(3);
    c.g->screenState.startPlaced = 0;
    c.g->screenState.paused = 1;
    EXPECT_EQ(c.click(c.l.nextLeft + 5, c.l.buttonTop + 5), 4);
    EXPECT_EQ(c.g->screenState.startPlaced, 0);
    EXPECT_EQ(c.g->screenState.paused, 1);
}

// ---- drawing ---------------------------------------------------------------------

struct Drawn {
    std::unique_ptr<Game> g;
    gfx::Palette palette{768};
    std::unique_ptr<gfx::Surface> surface;
    Drawn(int32_t page, int32_t w = 1024, int32_t h = 768) : g(OnScreen(w, h, page)) {
        const ScreenState& s = g->screenState;
        surface = std::make_unique<gfx::Surface>(s.width, s.height);
        gfx::DC dc(*surface, palette, gfx::FontPixelSizeFor(s.fullHeight));
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(21);  // red: what the screen below shows
        dc.Rectangle(0, 0, s.width, s.height);
        DrawHelp(dc, *g);
    }
    gfx::Color at(int x, int y) const { return surface->pixel(x, y); }
};

TEST(HelpDrawing, ScreenPageAndAdviceLeaveTheLowerTwoThirdsVisible) {
    for (int32_t page : {3, 300}) {
        Drawn d(page);
        const ScreenState& s = d.g->screenState;
        EXPECT_EQ(d.at(s.width - 3, s.height / 3 - 20), gfx::kWhite) << page;
        EXPECT_EQ(d.at(s.width - 3, s.height / 3 + 5), gfx::kBlack) << page;  // the line along the edge
        EXPECT_EQ(d.at(s.width - 3, s.height / 3 + 7), gfx::Rgb(255, 0, 0)) << page;
        EXPECT_EQ(d.at(s.width / 2, (2 * s.height) / 3), gfx::Rgb(255, 0, 0)) << page;
    }
}

TEST(HelpDrawing, ANumberedPageCoversTheWholeScreen) {
    Drawn d(12);
    const ScreenState& s = d.g->screenState;
    EXPECT_EQ(d.at(s.width - 3, s.height - 3), gfx::kWhite);
    EXPECT_EQ(d.at(s.width / 2, (2 * s.height) / 3), gfx::kWhite);
}

TEST(HelpDrawing, ButtonsAreDrawnOnlyWhereTheyAct) {
    Drawn first(1);
    const HelpLayout l = ComputeHelpLayout(first.g->screenState, 1);
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    // Right of the labels, inside the rounded corners.
    const int dx = l.buttonWidth - 6, dy = l.buttonHeight / 2;
    EXPECT_EQ(first.at(l.nextLeft + dx, l.buttonTop + dy), grey);
    EXPECT_EQ(first.at(l.prevLeft + dx, l.buttonTop + dy), gfx::kWhite);
    Drawn last(15);
    EXPECT_EQ(last.at(l.nextLeft + dx, l.buttonTop + dy), gfx::kWhite);
    EXPECT_EQ(last.at(l.prevLeft + dx, l.buttonTop + dy), grey);
}

// ---- the texts -------------------------------------------------------------------

TEST(HelpText, EveryPageOpensWithItsTitle) {
    const char* titles[] = {
        "- シミュレータの操作 -",
        "- コマンド -",
        "- 画面の説明 -      注: この画面は表示中の画面に応じて変わる。          ",
        "- パフォーマンスデータとナビゲーションデータ -",
        "- 海図の特徴 -",
        "- 海図のｳｪｲﾎﾟｲﾝﾄ -",
        "- 海図のラインとサークル -",
        "- ﾚｰﾀﾞｰ -",
        "- 操舵 -",
        "- セールの調節 -",
        "- エンジンの操作 -",
        "- 着岸、係留、アンカーリング -",
        "- 採点と衝突回避 -",
        "- 新機能(2002 Edition) -",
        "- 初めて使う方へ -",
    };
    for (int32_t page = 1; page <= kHelpPageCount; ++page) {
        const std::span<const HelpLine> lines = HelpPageLines(page);
        ASSERT_FALSE(lines.empty()) << page;
        EXPECT_STREQ(lines[0].text, titles[page - 1]) << page;
        EXPECT_EQ(lines[0].style, HelpStyle::Title) << page;
        for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_NE(lines[i].style, HelpStyle::Title) << page;
    }
    EXPECT_TRUE(HelpPageLines(0).empty());
    EXPECT_TRUE(HelpPageLines(16).empty());
}

// Every line fits the width, and a page's lines end above its buttons, on
// the usual displays.
TEST(HelpText, EveryPageFitsOnTheScreen) {
    const std::pair<int32_t, int32_t> displays[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
    for (auto [w, h] : displays) {
        auto g = OnScreen(w, h, 1);
        const ScreenState& s = g->screenState;
        gfx::Palette palette(h);
        gfx::Surface surface(s.width, s.height);
        gfx::DC dc(surface, palette, gfx::FontPixelSizeFor(s.fullHeight));
        auto check = [&](std::span<const HelpLine> lines, const HelpLayout& l, const std::string& what) {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(l.textX + dc.TextWidth(lines[i].text), s.width) << what << " line " << i << " at " << w;
                EXPECT_LE(l.firstLineY + static_cast<int32_t>(i) * l.lineStep + dc.LineHeight(), l.buttonTop)
                    << what << " line " << i << " at " << w;
            }
        };
        for (int32_t page = 1; page <= kHelpPageCount; ++page)
            if (page != 3) check(HelpPageLines(page), ComputeHelpLayout(s, page), "page " + std::to_string(page));
        for (HelpScreen screen : {HelpScreen::Title, HelpScreen::Forecast, HelpScreen::Chart, HelpScreen::SailingView,
                                  HelpScreen::SmallChart, HelpScreen::VerySmallChart, HelpScreen::Radar,
                                  HelpScreen::Compass, HelpScreen::Results}) {
            std::vector<HelpLine> lines(HelpPageLines(3).begin(), HelpPageLines(3).end());
            lines.insert(lines.end(), ScreenLines(screen).begin(), ScreenLines(screen).end());
            check(lines, ComputeHelpLayout(s, 3), "screen " + std::to_string(static_cast<int>(screen)));
        }
    }
}

struct BeneathCase {
    int32_t phase, forecast, chart, results, compass, radar, mini;
    HelpScreen screen;
};

class ScreenPage : public ::testing::TestWithParam<BeneathCase> {};

TEST_P(ScreenPage, ExplainsTheScreenThatIsOpen) {
    const BeneathCase c = GetParam();
    auto g = OnScreen(1024, 768, 3);
    ScreenState& s = g->screenState;
    s.phase = c.phase;
    s.startPlaced = 1;
    s.forecastShown = c.forecast;
    s.chartShown = c.chart;
    s.resultsState = c.results;
    g->viewState.compassMode = c.compass;
    s.radarOn = c.radar;
    s.miniChartMode = c.mini;
    EXPECT_EQ(ScreenBeneath(*g), c.screen);
}

INSTANTIATE_TEST_SUITE_P(Help, ScreenPage,
                         ::testing::Values(BeneathCase{0, 0, 1, 0, 0, 0, 0, HelpScreen::Title},
                                           BeneathCase{2, 1, 1, 0, 0, 0, 0, HelpScreen::Forecast},
                                           BeneathCase{2, 0, 1, 0, 1, 1, 2, HelpScreen::Chart},
                                           BeneathCase{2, 0, 0, 0, 0, 0, 0, HelpScreen::SailingView},
                                           BeneathCase{2, 0, 0, 0, 0, 0, 2, HelpScreen::SmallChart},
                                           BeneathCase{2, 0, 0, 0, 0, 0, 1, HelpScreen::VerySmallChart},
                                           BeneathCase{2, 0, 0, 0, 0, 1, 2, HelpScreen::Radar},
                                           BeneathCase{2, 0, 0, 0, 1, 1, 0, HelpScreen::Compass},
                                           BeneathCase{2, 0, 0, 1, 0, 0, 0, HelpScreen::Results}));

// ---- advice ----------------------------------------------------------------------

// Running in the sailing view on day 3 of a cruise in the north, in deep water,
// with nothing to remark on.
std::unique_ptr<Game> Underway() {
    auto g = OnScreen(1024, 768, 300);
    ScreenState& s = g->screenState;
    s.startPlaced = 1;
    s.chartShown = 0;
    s.radarOn = 1;
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

TEST(Advice, NothingToRemarkGivesTitleAndTheWayOut) {
    auto g = Underway();
    const std::vector<HelpLine> lines = AdviceLines(*g);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_STREQ(lines[0].text, "- 老船乗りのｱﾄﾞﾊﾞｲｽ -");
    EXPECT_STREQ(lines[1].text, "ｽﾍﾟｰｽﾊﾞｰを押すか、中央の画面でｸﾘｯｸしてﾍﾙﾌﾟから出る ");
}

struct TipCase {
    const char* name;
    void (*arrange)(Game&);
    const char* says;
};

class AdviceTip : public ::testing::TestWithParam<TipCase> {};

TEST_P(AdviceTip, AppearsWhenItsSituationHolds) {
    auto g = Underway();
    EXPECT_FALSE(Says(*g, GetParam().says));
    GetParam().arrange(*g);
    EXPECT_TRUE(Says(*g, GetParam().says));
}

const TipCase kTipCases[] = {
    {"Neutral", [](Game& g) { g.ownBoat.throttle = 7; }, "ギアがニュートラル。    "},
    {"LookAhead",
     [](Game& g) {
         g.ownBoat.speed = 21;
         g.viewState.lookOffset = -30;
     },
     "操舵中は前方を見る。"},
    {"AnchoredBoats", [](Game& g) { g.hazards.closestVessel = 199; }, "ｱﾝｶｰﾘﾝｸﾞする時は、"},
    {"Aground", [](Game& g) { g.ownBoat.depth = 4; }, "艇を深いほうに向けて出力最大にすれば"},
    {"Leeway",
     [](Game& g) {
         g.ownBoat.leeway = -9;
         g.ownBoat.sailsUp = 1;
     },
     "ﾘｰｳｪｲが大きい。ｺｰｽにﾘｰｳｪｲを見込め。"},
    {"PlanAtAnchor",
     [](Game& g) {
         g.ownBoat.anchored = 1;
         g.simClock.day = 2;
     },
     "ｱﾝｶｰﾘﾝｸﾞ中は次の日のｸﾙｰｽﾞの計画を立てると良い。"},
    {"PlanOnMooring",
     [](Game& g) {
         g.ownBoat.onBuoy = 2;
         g.simClock.day = 1;
     },
     "係留中は次の日のｸﾙｰｽﾞの計画を立てると良い。"},
    {"PassageWeather",
     [](Game& g) {
         g.screenState.chartShown = 1;
         g.simClock.day = 1;
         g.cruiseOptions.areaCode = 7;
     },
     "もし気象情報が航海に不適であれば、別な日を選べ(Nを押す)。"},
    {"GulfStream",
     [](Game& g) {
         g.screenState.chartShown = 1;
         g.simClock.day = 1;
         g.cruiseOptions.areaCode = 6;
     },
     "Chubb小島か Great ﾊｰﾊﾞｰ 小島の赤い円の中で"},
    {"Fog", [](Game& g) { g.cruiseOptions.areaCode = 8; }, "このあたりは霧が多い。     "},
    {"WindAgainstTide",
     [](Game& g) {
         g.weather.windAgainstCurrent = 1;
         g.tideState.boatCurrentSpeed = -11;
         g.weather.waveState = 2;
     },
     "風と潮の方向が反対なので波が大きくなる。"},
    {"Fishing",
     [](Game& g) {
         g.cruiseOptions.areaCode = 7;
         g.ownBoat.x = 1;
     },
     "この沖には漁船が多い。"},
    {"Ship",
     [](Game& g) {
         g.objectList.kind[36] = 12;
         g.objectList.fbx[36] = 700;
         g.objectList.fby[36] = -799;
     },
     "本船が近い。"},
    {"Coral", [](Game& g) { g.cruiseOptions.region = 3; }, "バハマの海はサンゴ礁が多い。"},
    {"Lost", [](Game& g) { g.screenState.radarOn = 0; }, "方向がわからなくなったら海図を見よ(Mを押す)。"},
    {"DottedShoals",
     [](Game& g) {
         g.cruiseOptions.areaCode = 30;
         g.ownBoat.depth = 19;
     },
     "海図の点線で囲まれた所は浅瀬。"},
    {"Shallow", [](Game& g) { g.ownBoat.depth = 9; }, "浅い。座礁したら、"},
};

INSTANTIATE_TEST_SUITE_P(Help, AdviceTip, ::testing::ValuesIn(kTipCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Advice, AgroundGivesFourWaysOff) {
    auto g = Underway();
    g->ownBoat.depth = 4;  // draft 5 - 1
    for (const char* start : {"艇を深いほうに向けて出力最大にすれば", "それが失敗したら、", "潮が満ちてくるなら",
                              "潮が満ちてきたら、"})
        EXPECT_TRUE(Says(*g, start)) << start;
    g->ownBoat.depth = 5;  // on the bottom but not yet stuck
    EXPECT_FALSE(Says(*g, "それが失敗したら、"));
}

TEST(Advice, TheSpinnakerTipDependsOnThePointOfSail) {
    auto g = Underway();
    g->ownBoat.sailsUp = 1;
    g->ownBoat.spinnaker = 1;
    g->ownBoat.trueWindAngle = 150;
    EXPECT_TRUE(Says(*g, "スピンがつぶれかけている、少し風下"));
    EXPECT_FALSE(Says(*g, "スピンがつぶれかけている、メインの陰"));
    g->ownBoat.trueWindAngle = 151;
    EXPECT_FALSE(Says(*g, "スピンがつぶれかけている、少し風下"));
    EXPECT_TRUE(Says(*g, "スピンがつぶれかけている、メインの陰"));
}

TEST(Advice, TheRouteFollowsTheDirectionOfThePassage) {
    auto g = Underway();
    g->screenState.chartShown = 1;
    g->simClock.day = 1;
    g->cruiseOptions.areaCode = 5;
    EXPECT_TRUE(Says(*g, "Florida の赤い円の中で"));
    EXPECT_FALSE(Says(*g, "Chubb小島か Great ﾊｰﾊﾞｰ 小島の赤い円の中で"));
    g->simClock.day = 2;
    EXPECT_FALSE(Says(*g, "Florida の赤い円の中で"));
}

TEST(Advice, NeutralAtIdleIsNoCauseForRemark) {
    auto g = Underway();
    g->ownBoat.throttle = 3;
    EXPECT_FALSE(Says(*g, "ギアがニュートラル。"));
}

}  // namespace
}  // namespace vel
