#include <gtest/gtest.h>

#include <tuple>

#include "shell/actions.h"
#include "shell/input.h"
#include "shell_fixture.h"

namespace vel {
namespace {

using testing::CruisingGame;

// Keys that stand for menu items reach the same commands (tested with the
// command table); these are the keys' own rules.
TEST(Keys, SAndLAndEAndDActByTheBoatsState) {
    auto g = CruisingGame();
    OwnBoat& b = g->ownBoat;
    std::tie(b.sheet, b.throttle, b.gear) = std::tuple(10, 3, 3);
    OnKeyDown(*g, vk::Letter('S'));  // sheet all out and astern
    EXPECT_EQ(std::tuple(b.sheet, b.autoTrim, b.gear, b.throttle, b.sailsUp, g->inputState.lastKey),
              std::tuple(47, 0, -1, 1, 0, vk::Letter('S')));
    auto e = CruisingGame();  // under sail E starts the engine ahead at idle, once
    OnKeyDown(*e, vk::Letter('E'));
    EXPECT_EQ(std::tuple(e->ownBoat.throttle, e->ownBoat.gear, e->ownBoat.sailsUp, e->inputState.lastKey),
              std::tuple(1, 3, 0, -1));
    std::tie(e->ownBoat.gear, e->ownBoat.throttle) = std::tuple(-1, 7);
    OnKeyDown(*e, vk::Letter('E'));
    EXPECT_EQ(std::pair(e->ownBoat.throttle, e->ownBoat.gear), std::pair(1, 3));
    // Lowering sails uses up the key, so the twin split does not follow;
    // with the sails down the same key splits the screws.
    auto c = CruisingGame();
    c->cruiseOptions.boatType = 2;
    c->ownBoat.screws = 2;
    OnKeyDown(*c, vk::Letter('L'));
    EXPECT_EQ(std::tuple(c->ownBoat.sailsUp, c->ownBoat.twinSplit, c->inputState.lastKey), std::tuple(0, 0, -1));
    OnKeyDown(*c, vk::Letter('L'));
    EXPECT_EQ(std::pair(c->ownBoat.twinSplit, c->ownBoat.throttle), std::pair(-1, 1));
}

TEST(Keys, DCastsOffAtThePierOrLetsGoAnchorOneThenTwoOrMeasuresOnTheChart) {
    auto g = CruisingGame();
    std::tie(g->ownBoat.atPier, g->ownBoat.speedExact, g->simClock.stopHour) = std::tuple(1, 5.0, 3);
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(std::tuple(g->ownBoat.atPier, g->ownBoat.castOff, g->ownBoat.speedExact, g->simClock.stopHour,
                         g->anchors.anchor[1][1]),
              std::tuple(0, 1, 0.0, -1, 0));
    std::tie(g->ownBoat.throttle, g->ownBoat.gear) = std::pair(1, 3);
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(std::tuple(g->anchors.anchor[1][1], g->anchors.anchor[1][2], g->ownBoat.gear), std::tuple(1, 0, 3));
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->anchors.anchor[1][2], 1);
    // Lying to the first anchor: the second goes down.
    std::tie(g->anchors.anchor[1][1], g->anchors.anchor[1][2], g->ownBoat.anchored) = std::tuple(3, 0, 1);
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->anchors.anchor[1][2], 1);
    g->screenState.chartShown = 1;
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->chartView.rangeBearingTool, 1);
}

TEST(Keys, SheetKeysStopAtTheirEndsPageUpAt15DownLooksAftShiftCyclesTheTarget) {
    auto g = CruisingGame();
    g->ownBoat.sheet = -2;
    OnKeyDown(*g, vk::Comma);
    EXPECT_EQ(std::pair(g->ownBoat.sheet, g->inputState.lastKey), std::pair(-3, -1));
    g->ownBoat.sheet = 46;
    OnKeyDown(*g, vk::Period);
    EXPECT_EQ(g->ownBoat.sheet, 47);
    SetSpeed(g->cruiseOptions, 14);
    OnKeyDown(*g, vk::PageUp);
    OnKeyDown(*g, vk::PageUp);
    const CruiseOptions& o = g->cruiseOptions;
    EXPECT_EQ(std::tuple(o.simSpeed, o.savedSpeed, o.savedStepDivisor), std::tuple(15, 15, 10));
    OnKeyDown(*g, vk::Down);
    EXPECT_EQ(g->viewState.lookOffset, 180);
    // The fifth waypoint is the last target; then it wraps to 1.
    std::tie(g->chartView.waypointAdvanceCount, g->chartView.waypointX[5]) = std::pair(4, 100);
    OnKeyDown(*g, vk::Shift);
    EXPECT_EQ(std::tuple(g->chartView.waypointAdvanceCount, g->chartView.selectTarget, HasTargetWaypoint(*g)),
              std::tuple(5, 0, true));
    OnKeyDown(*g, vk::Shift);
    EXPECT_EQ(std::pair(g->chartView.waypointAdvanceCount, g->chartView.selectTarget), std::pair(1, 1));
}

TEST(Keys, OnlySomeKeysUnfreezeThePicture) {
    for (auto [key, unfreezes] : {std::pair{vk::Space, true}, {vk::PageUp, true}, {vk::PageDown, true},
                                  {vk::Letter('N'), true}, {vk::Letter('R'), false}, {vk::Letter('V'), false},
                                  {vk::Letter('G'), false}, {vk::Up, false}}) {
        auto g = CruisingGame();
        g->screenState.frozen = 1;
        OnKeyDown(*g, key);
        EXPECT_EQ(g->screenState.frozen == 0, unfreezes) << key;
    }
    auto g = CruisingGame();  // the stop key freezes and releases it
    OnKeyDown(*g, vk::Letter('F'));
    EXPECT_EQ(std::pair(g->screenState.paused, g->screenState.frozen), std::pair(1, 1));
    OnKeyDown(*g, vk::Letter('F'));
    EXPECT_EQ(std::pair(g->screenState.paused, g->screenState.frozen), std::pair(0, 0));
}

// Mended: Space on the results screen no longer slows the simulator.
TEST(SpaceBar, SlowToggleClosesHelpFirstAndWalksFromTheTitleToTheSailingView) {
    auto g = CruisingGame();
    SetSpeed(g->cruiseOptions, 5);
    OnKeyDown(*g, vk::Space);
    const CruiseOptions& o = g->cruiseOptions;
    EXPECT_EQ(std::tuple(o.simSpeed, o.stepDivisor, o.savedSpeed, o.savedStepDivisor), std::tuple(1, 2919, 5, 577));
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(std::pair(o.simSpeed, o.stepDivisor), std::pair(5, 577));
    std::tie(g->screenState.paused, g->screenState.helpPage) = std::pair(1, 3);
    // Help closes first, then the pause ends (as the frame driver's tests show): neither slows it.
    OnKeyDown(*g, vk::Space);
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(std::tuple(g->screenState.helpPage, g->screenState.paused, o.simSpeed), std::tuple(0, 0, 5));
    g->screenState.resultsStep = 1;
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(o.simSpeed, 5);

    auto t = std::make_unique<Game>();
    ScreenState& s = t->screenState;
    s.chartShown = 0;
    OnKeyDown(*t, vk::Space);
    EXPECT_EQ(std::pair(s.phase, s.chartShown), std::pair(1, 1));
    std::tie(s.phase, s.forecastShown, s.chartShown, t->inputState.clickY) = std::tuple(2, 1, 0, 50);
    OnKeyDown(*t, vk::Space);
    EXPECT_EQ(std::tuple(s.forecastShown, s.chartShown, t->inputState.clickY), std::tuple(0, 1, 0));
    OnKeyDown(*t, vk::Space);  // the chart stays until the start is placed
    EXPECT_EQ(s.chartShown, 1);
    s.startPlaced = 1;
    OnKeyDown(*t, vk::Space);
    EXPECT_EQ(s.chartShown, 0);
}

TEST(Mouse, TheWheelStepsTheSheetOncePerMessageByTheSignOfWholeNotches) {
    for (auto [delta, before, after, autoTrim] : {std::tuple{119, 20, 20, 1}, {-119, 20, 20, 1}, {120, 20, 21, 0},
                                                  {-360, 20, 19, 0}, {240, 47, 47, 0}, {-120, -3, -3, 0}}) {
        auto g = CruisingGame();
        std::tie(g->ownBoat.sheet, g->ownBoat.autoTrim) = std::pair(before, 1);
        OnMouseWheel(*g, delta);
        EXPECT_EQ(std::pair(g->ownBoat.sheet, g->ownBoat.autoTrim), std::pair(after, autoTrim)) << delta;
    }
}

// horizonY 72 and height 729: the bar runs from 72 to 364, span 292, right
// of x 1009; not while the chart is up.
TEST(Mouse, TheMainsheetBarSpansFromTheHorizonToHalfThePicture) {
    for (auto [x, y, chart, sheet] : {std::tuple{1020, 72, 0, 30}, {1020, 73, 0, -3}, {1020, 218, 0, 22},
                                      {1020, 364, 0, 47}, {1020, 411, 0, 47}, {1020, 412, 0, 30}, {1009, 200, 0, 30},
                                      {1020, 200, 1, 30}}) {
        auto g = CruisingGame();
        std::tie(g->ownBoat.sheet, g->screenState.chartShown) = std::pair(30, chart);
        OnLButtonDown(*g, x, y);
        // A click on the bar is used up.
        EXPECT_EQ(std::pair(g->ownBoat.sheet, g->inputState.clickX), std::pair(sheet, sheet != 30 ? -100 : x))
            << x << "," << y;
    }
}

// Help pages take their clicks first (tested with the help layout).
TEST(Mouse, AClickResumesAPause) {
    auto g = CruisingGame();
    ScreenState& s = g->screenState;
    s.paused = s.frozen = 1;
    std::tie(g->inputState.clickX, g->inputState.clickY) = std::pair(11, 12);
    OnLButtonDown(*g, 300, 200);
    EXPECT_EQ(std::tuple(s.paused, s.frozen, g->inputState.prevClickX, g->inputState.prevClickY,
                         g->inputState.leftClicked),
              std::tuple(0, 0, 11, 12, 1));
}

}  // namespace
}  // namespace vel
