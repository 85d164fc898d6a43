#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "app/frame.h"
#include "common/helpers.h"
#include "cruise/advice.h"
#include "cruise/help.h"
#include "cruise/help_text.h"
#include "gfx/dc.h"
#include "shell/help_layout.h"
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
    // Every page with buttons has them where page 1 has them.
    const HelpLayout l = ComputeHelpLayout(OnScreen(1024, 768, 1)->screenState, 1);
    const int32_t next = l.nextLeft, prev = l.prevLeft, top = l.buttonTop, w = l.buttonWidth;
    for (auto [page, x, y, after] : {
             std::tuple{1, next + 1, top + 1, 2}, {7, prev + w - 1, top + 19, 6},
             // On a button's edge, elsewhere, or where no button is shown.
             {5, 500, 300, 0}, {5, next, top + 10, 0}, {5, next + 10, top + 20, 0}, {5, next + w, top + 10, 0},
             {5, prev + 10, top, 0}, {15, next + 5, top + 5, 0}, {1, prev + 5, top + 5, 0},
             {300, next + 5, top + 5, 0}}) {
        auto g = OnScreen(1024, 768, page);
        ApplyHelpLayout(g->screenState);  // as the drawn page leaves it
        OnLButtonDown(*g, x, y);
        // A click that turns the page is used up.
        EXPECT_EQ(std::pair(g->screenState.helpPage, g->inputState.clickX == -100), std::pair(after, after > 0))
            << page << ": " << x << "," << y;
    }
}

// A page drawn over a red screen (what the screen below shows).
std::unique_ptr<gfx::Surface> Drawn(int32_t page) {
    gfx::Palette palette(768);
    auto surface = std::make_unique<gfx::Surface>(1024, 729);
    gfx::DC dc(*surface, palette, gfx::FontPixelSizeFor(768));
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(21);
    dc.Rectangle(0, 0, 1024, 729);
    DrawHelp(dc, *OnScreen(1024, 768, page));
    return surface;
}

TEST(HelpDrawing, ButtonsAreDrawnOnlyWhereTheyAct) {
    const auto first = Drawn(1), last = Drawn(15);
    const HelpLayout l = ComputeHelpLayout(OnScreen(1024, 768, 1)->screenState, 1);
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    // Right of the labels, inside the rounded corners.
    const int next = l.nextLeft + l.buttonWidth - 6, prev = l.prevLeft + l.buttonWidth - 6;
    const int y = l.buttonTop + l.buttonHeight / 2;
    EXPECT_EQ(std::tuple(first->pixel(next, y), first->pixel(prev, y), last->pixel(next, y), last->pixel(prev, y)),
              std::tuple(grey, gfx::kWhite, gfx::kWhite, grey));
}

TEST(HelpText, EveryPageFitsOnTheUsualDisplays) {
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
    std::tie(g->screenState.chartShown, g->screenState.radarOn, g->simClock.day) = std::tuple(0, 1, 3);
    std::tie(g->cruiseOptions.region, g->boatDesign.draft, g->ownBoat.depth) = std::tuple(4, 5, 40);
    ResetObjectList(g->objectList);
    return g;
}

bool Says(const Game& g, const std::string& start) {
    return std::ranges::any_of(AdviceLines(g),
                               [&](const HelpLine& l) { return std::string(l.text).starts_with(start); });
}

// Each tip at the edge of its situation, then one step past that edge
// (draft 5, depth 40, day 3, boat at the origin).
TEST(Advice, EachTipAppearsJustInsideItsSituationAndNotBeyond) {
    using Arrange = void (*)(Game&);
    const std::tuple<const char*, Arrange, Arrange> tips[] = {
        {"ギアが", [](Game& g) { g.ownBoat.throttle = 4; }, [](Game& g) { g.ownBoat.throttle = 3; }},
        {"操舵中", [](Game& g) { g.ownBoat.speed = 21, g.viewState.lookOffset = -26; },
         [](Game& g) { g.viewState.lookOffset = 335; }},
        {"操舵中", [](Game& g) { g.ownBoat.speed = 21, g.viewState.lookOffset = 30; },
         [](Game& g) { g.ownBoat.speed = 20; }},
        {"ｱﾝｶｰﾘﾝｸﾞする", [](Game& g) { g.hazards.closestVessel = 199; },
         [](Game& g) { g.hazards.closestVessel = 200; }},
        {"艇を深い", [](Game& g) { g.ownBoat.depth = 4; }, [](Game& g) { g.ownBoat.depth = 5; }},
        {"ﾘｰｳｪｲが", [](Game& g) { g.ownBoat.leeway = -9, g.ownBoat.throttle = 1; },
         [](Game& g) { g.ownBoat.leeway = 8; }},
        {"ｱﾝｶｰﾘﾝｸﾞ中", [](Game& g) { g.ownBoat.anchored = 1, g.simClock.day = 2; },
         [](Game& g) { g.simClock.day = 3; }},
        {"係留中", [](Game& g) { g.ownBoat.atPier = 1, g.simClock.day = 1; },
         [](Game& g) { g.screenState.chartShown = 1; }},
        {"もし気象", [](Game& g) { g.screenState.chartShown = 1, g.simClock.day = 1, g.cruiseOptions.areaCode = 8; },
         [](Game& g) { g.cruiseOptions.areaCode = 9; }},
        {"Chubb", [](Game& g) { g.screenState.chartShown = 1, g.simClock.day = 1, g.cruiseOptions.areaCode = 6; },
         [](Game& g) { g.simClock.day = 2; }},
        {"このあたり", [](Game& g) { g.cruiseOptions.areaCode = 7; }, [](Game& g) { g.cruiseOptions.areaCode = 6; }},
        {"風と潮",
         [](Game& g) { g.weather.windAgainstCurrent = 1, g.tideState.boatCurrentSpeed = -11, g.weather.waveState = 2; },
         [](Game& g) { g.tideState.boatCurrentSpeed = 10; }},
        {"潮流が", [](Game& g) { g.tideState.boatCurrentSpeed = -16; },
         [](Game& g) { g.tideState.boatCurrentSpeed = 15; }},
        {"この沖", [](Game& g) { g.cruiseOptions.areaCode = 7, g.ownBoat.x = 1; }, [](Game& g) { g.ownBoat.x = 0; }},
        {"本船が", [](Game& g) { g.objectList.kind[39] = 12, g.objectList.fbx[39] = 700, g.objectList.fby[39] = -799; },
         [](Game& g) { g.objectList.fby[39] = -800; }},
        {"バハマ", [](Game& g) { g.cruiseOptions.region = 3; }, [](Game& g) { g.cruiseOptions.region = 2; }},
        {"方向が", [](Game& g) { g.screenState.radarOn = 0; }, [](Game& g) { g.screenState.miniChartMode = 1; }},
        {"海図の点線", [](Game& g) { g.cruiseOptions.areaCode = 12, g.ownBoat.depth = 19; },
         [](Game& g) { g.ownBoat.depth = 20; }},
        {"スピンがつぶれかけている、少し",
         [](Game& g) { g.ownBoat.spinnaker = g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 150; },
         [](Game& g) { g.ownBoat.trueWindAngle = 151; }},
        {"スピンがつぶれかけている、メイン",
         [](Game& g) { g.ownBoat.spinnaker = g.ownBoat.sailsUp = 1, g.ownBoat.trueWindAngle = 151; },
         [](Game& g) { g.ownBoat.sailsUp = 0; }},
        {"浅い。", [](Game& g) { g.ownBoat.depth = 9; }, [](Game& g) { g.ownBoat.depth = 10; }},
        {"浅い。", [](Game& g) { g.ownBoat.depth = 5; }, [](Game& g) { g.ownBoat.depth = 4; }},
    };
    for (const auto& [says, arrange, beyond] : tips) {
        auto g = Underway();
        EXPECT_FALSE(Says(*g, says)) << says;
        arrange(*g);
        EXPECT_TRUE(Says(*g, says)) << says;
        beyond(*g);
        EXPECT_FALSE(Says(*g, says)) << says;
    }
}

}  // namespace
}  // namespace vel
