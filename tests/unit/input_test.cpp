#include <gtest/gtest.h>

#include <memory>

#include "shell/input.h"
#include "shell/settings.h"

namespace vel {
namespace {

// A cruise running on the sailing view of a 1024 x 768 display.
std::unique_ptr<Game> Sailing() {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    ScreenState& s = g->screenState;
    s.phase = 2;
    s.startPlaced = 1;
    s.chartShown = 0;
    s.width = 1024;
    s.height = 729;
    g->viewState.horizonY = 72;
    g->ownBoat.sailsUp = 1;
    g->ownBoat.headsail = 2;
    return g;
}

TEST(Keys, SWithSailsUpAndEngineRunningLetsTheSheetOutAndGoesAstern) {
    auto g = Sailing();
    g->ownBoat.sheet = 10;
    g->ownBoat.throttle = 3;
    g->ownBoat.gear = 3;
    OnKeyDown(*g, vk::Letter('S'));
    EXPECT_EQ(g->ownBoat.sheet, 47);
    EXPECT_EQ(g->ownBoat.autoTrim, 0);
    EXPECT_EQ(g->ownBoat.gear, -1);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    EXPECT_EQ(g->inputState.lastKey, vk::Letter('S'));
}

TEST(Keys, LoweringSailsUsesTheKeySoTheTwinSplitDoesNotFollow) {
    auto g = Sailing();
    g->cruiseOptions.boatType = 2;
    g->ownBoat.screws = 2;
    OnKeyDown(*g, vk::Letter('L'));
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    EXPECT_EQ(g->ownBoat.twinSplit, 0);
    EXPECT_EQ(g->inputState.lastKey, -1);
    // With the sails already down the same key splits the screws.
    OnKeyDown(*g, vk::Letter('L'));
    EXPECT_EQ(g->ownBoat.twinSplit, -1);
    EXPECT_EQ(g->ownBoat.throttle, 1);
}

TEST(Keys, EStartsTheEngineAheadAtIdleOnce) {
    auto g = Sailing();
    OnKeyDown(*g, vk::Letter('E'));
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.gear, 3);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    EXPECT_EQ(g->inputState.lastKey, -1);
    g->ownBoat.gear = -1;
    g->ownBoat.throttle = 7;
    OnKeyDown(*g, vk::Letter('E'));
    EXPECT_EQ(g->ownBoat.gear, 3);
    EXPECT_EQ(g->ownBoat.throttle, 1);
}

TEST(Keys, DCastsOffAtThePierAndGoesNoFurther) {
    auto g = Sailing();
    g->ownBoat.atPier = 1;
    g->ownBoat.speedExact = 5;
    g->simClock.stopHour = 3;
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->ownBoat.atPier, 0);
    EXPECT_EQ(g->ownBoat.castOff, 1);
    EXPECT_EQ(g->ownBoat.speedExact, 0);
    EXPECT_EQ(g->simClock.stopHour, -1);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
}

TEST(Keys, DLetsGoAnchorOneThenAnchorTwo) {
    auto g = Sailing();
    g->simClock.hour = 17;
    g->ownBoat.throttle = 3;
    g->ownBoat.gear = 3;
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->anchors.anchor[1][1], 1);
    EXPECT_EQ(g->anchors.anchor[1][2], 0);
    EXPECT_EQ(g->simClock.stopHour, 17);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.gear, 0);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->anchors.anchor[1][2], 1);
    // On the chart D measures instead.
    g->screenState.chartShown = 1;
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->chartView.rangeBearingTool, 1);
}

TEST(Keys, IdleAheadStaysInGearWhenTheKeyDropsAnchor) {
    auto g = Sailing();
    g->ownBoat.throttle = 1;
    g->ownBoat.gear = 3;
    OnKeyDown(*g, vk::Letter('D'));
    EXPECT_EQ(g->ownBoat.gear, 3);
}

TEST(Keys, SheetKeysStopAtTheirEnds) {
    auto g = Sailing();
    g->ownBoat.sheet = -2;
    OnKeyDown(*g, vk::Comma);
    EXPECT_EQ(g->ownBoat.sheet, -3);
    EXPECT_EQ(g->inputState.lastKey, -1);
    g->ownBoat.sheet = 46;
    OnKeyDown(*g, vk::Period);
    EXPECT_EQ(g->ownBoat.sheet, 47);
}

TEST(Keys, UnfreezingKeysAreSpaceNPageKeysAndChartCurrents) {
    struct Row {
        int32_t key;
        bool unfreezes;
    };
    const Row rows[] = {{vk::Space, true},          {vk::PageUp, true},     {vk::PageDown, true},
                        {vk::Letter('N'), true},    {vk::Letter('R'), false}, {vk::Letter('V'), false},
                        {vk::Letter('G'), false},   {vk::Up, false}};
    for (const Row& r : rows) {
        auto g = Sailing();
        g->screenState.frozen = 1;
        OnKeyDown(*g, r.key);
        EXPECT_EQ(g->screenState.frozen == 0, r.unfreezes) << r.key;
    }
    auto g = Sailing();
    g->screenState.chartShown = 1;
    g->cruiseOptions.isRealArea = g->areaGrid.isRealArea = 1;
    g->screenState.frozen = 1;
    g->screenState.helpPage = 2;
    OnKeyDown(*g, vk::Letter('C'));
    EXPECT_EQ(g->chartView.showCurrents, 1);
    EXPECT_EQ(g->screenState.helpPage, 0);
    EXPECT_EQ(g->screenState.frozen, 0);
    g->screenState.frozen = 1;
    OnKeyDown(*g, vk::Plus);
    EXPECT_EQ(g->tideState.chartHoursAhead, 1);
    EXPECT_EQ(g->screenState.frozen, 0);
    OnKeyDown(*g, vk::Minus);
    OnKeyDown(*g, vk::Minus);
    EXPECT_EQ(g->tideState.chartHoursAhead, 0);
}

TEST(Keys, StopKeyFreezesThePictureAndReleasesIt) {
    auto g = Sailing();
    OnKeyDown(*g, vk::Letter('F'));
    EXPECT_EQ(g->screenState.paused, 1);
    EXPECT_EQ(g->screenState.frozen, 1);
    OnKeyDown(*g, vk::Letter('F'));
    EXPECT_EQ(g->screenState.paused, 0);
    EXPECT_EQ(g->screenState.frozen, 0);
}

TEST(SpaceBar, SlowToggleAtSpeed5GoesTo1AndBack) {
    auto g = Sailing();
    SetSpeed(g->cruiseOptions, 5);
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 1);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 2919);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 5);
    EXPECT_EQ(g->cruiseOptions.savedStepDivisor, 577);
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 5);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 577);
}

TEST(SpaceBar, LeavesTheSpeedAloneOnTheResultsScreen) {
    auto g = Sailing();
    g->screenState.resultsStep = 1;  // the first press of the next-cruise command
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
}

TEST(SpaceBar, ClosesHelpFirstAndResumesOnlyOnTheSecondPress) {
    auto g = Sailing();
    g->screenState.paused = 1;
    g->screenState.helpPage = 3;
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.helpPage, 0);
    EXPECT_EQ(g->screenState.paused, 1);
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.paused, 0);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
}

TEST(SpaceBar, WalksFromTitleThroughForecastAndChartToTheSailingView) {
    auto g = std::make_unique<Game>();
    g->screenState.chartShown = 0;
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.phase, 1);
    EXPECT_EQ(g->screenState.chartShown, 1);

    g->screenState.phase = 2;
    g->screenState.forecastShown = 1;
    g->screenState.chartShown = 0;
    g->inputState.clickY = 50;
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.forecastShown, 0);
    EXPECT_EQ(g->screenState.chartShown, 1);
    EXPECT_EQ(g->inputState.clickY, 0);

    // The chart stays until the start is placed.
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.chartShown, 1);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    g->screenState.startPlaced = 1;
    OnKeyDown(*g, vk::Space);
    EXPECT_EQ(g->screenState.chartShown, 0);
}

TEST(Keys, PageUpStopsAt15AndRemembersTheSpeed) {
    auto g = Sailing();
    SetSpeed(g->cruiseOptions, 14);
    OnKeyDown(*g, vk::PageUp);
    OnKeyDown(*g, vk::PageUp);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 15);
    EXPECT_EQ(g->cruiseOptions.savedSpeed, 15);
    EXPECT_EQ(g->cruiseOptions.savedStepDivisor, 10);
}

TEST(Keys, F1AndF2TurnTheSetPointTenDegreesAndWrapTheHeading) {
    auto g = Sailing();
    g->ownBoat.headingExact = 5;
    g->ownBoat.tackRequest = 1;
    g->ownBoat.closeHauled = 1;
    g->inputState.clickX = 300;
    g->inputState.clickY = 200;
    OnKeyDown(*g, vk::F1);
    EXPECT_DOUBLE_EQ(g->ownBoat.headingExact, -5);
    EXPECT_EQ(g->ownBoat.heading, 355);
    EXPECT_EQ(g->ownBoat.tackRequest, 0);
    EXPECT_EQ(g->ownBoat.closeHauled, 0);
    EXPECT_EQ(g->inputState.clickX, 0);
    g->inputState.rightClickX = 40;
    OnKeyDown(*g, vk::F2);
    OnKeyDown(*g, vk::F2);
    EXPECT_EQ(g->ownBoat.heading, 15);
    EXPECT_EQ(g->inputState.rightClickX, 0);
}

TEST(Keys, ArrowsTurnTheCompassSightLineAndWrapOnce) {
    auto g = Sailing();
    g->viewState.compassMode = 1;
    g->viewState.compassBearingExact = 350;
    OnKeyDown(*g, vk::Right);
    EXPECT_DOUBLE_EQ(g->viewState.compassBearingExact, 20);
    EXPECT_EQ(g->viewState.handBearing, 20);
    g->viewState.binoculars = 1;
    g->viewState.compassBearingExact = 10;
    OnKeyDown(*g, vk::Left);
    EXPECT_DOUBLE_EQ(g->viewState.compassBearingExact, 355);
    g->ownBoat.headingExact = 250.5;
    OnKeyDown(*g, vk::Down);
    EXPECT_DOUBLE_EQ(g->viewState.compassBearingExact, 70.5);
    EXPECT_EQ(g->viewState.handBearing, 70);
    EXPECT_EQ(g->viewState.lookOffset, 0);
}

TEST(Keys, ArrowsLookAroundWithoutTheCompassAndPanOnTheChart) {
    auto g = Sailing();
    OnKeyDown(*g, vk::Left);
    OnKeyDown(*g, vk::Left);
    EXPECT_EQ(g->viewState.lookOffset, -60);
    OnKeyDown(*g, vk::Down);
    EXPECT_EQ(g->viewState.lookOffset, 180);
    g->screenState.chartShown = 1;
    g->chartView.scale = 16;
    g->chartView.centreOnBoat = 1;
    OnKeyDown(*g, vk::Right);
    EXPECT_EQ(g->chartView.panX, 480);
    EXPECT_EQ(g->chartView.centreOnBoat, 0);
    EXPECT_EQ(g->viewState.lookOffset, 180);
}

TEST(Keys, ChartZoomOutByKeyRecentresAnyNonPassageAreaFrom32) {
    auto g = Sailing();
    g->screenState.chartShown = 1;
    g->cruiseOptions.isRealArea = g->areaGrid.isRealArea = 1;
    g->chartView.fullScale = 100;
    g->chartView.scale = 25;
    g->chartView.panX = 700;
    OnKeyDown(*g, vk::Letter('X'));
    EXPECT_EQ(g->chartView.scale, 50);
    EXPECT_EQ(g->chartView.panX, 0);
}

TEST(Keys, ShiftAdvancesTheTargetWaypointAndWrapsTo1) {
    auto g = Sailing();
    g->chartView.waypointAdvanceCount = 5;
    OnKeyDown(*g, vk::Shift);
    EXPECT_EQ(g->chartView.waypointAdvanceCount, 1);
    EXPECT_EQ(g->chartView.selectTarget, 1);
}

TEST(Keys, PlusTogglesBinocularsAndWidensTheRangeMarkerTogether) {
    auto g = Sailing();
    g->viewState.compassMode = 1;
    g->screenState.radarOn = 1;
    OnKeyDown(*g, vk::Plus);
    EXPECT_EQ(g->viewState.binoculars, 1);
    EXPECT_EQ(g->radarState.vrm, 5);
}

TEST(Keys, BDependsOnTheScreen) {
    auto g = std::make_unique<Game>();
    OnKeyDown(*g, vk::Letter('B'));
    EXPECT_EQ(g->screenState.slowFrames, 1);
    auto s = Sailing();
    s->screenState.chartShown = 1;
    OnKeyDown(*s, vk::Letter('B'));
    EXPECT_EQ(s->chartView.centreOnBoat, 1);
    EXPECT_EQ(s->screenState.slowFrames, 0);
}

TEST(Keys, AdviceKeyTogglesTheAdvicePage) {
    auto g = Sailing();
    OnKeyDown(*g, vk::Letter('Y'));
    EXPECT_EQ(g->screenState.helpPage, 300);
    OnKeyDown(*g, vk::Letter('Y'));
    EXPECT_EQ(g->screenState.helpPage, 0);
    g->screenState.resultsState = 1;
    OnKeyDown(*g, vk::Letter('Y'));
    EXPECT_EQ(g->screenState.helpPage, 0);
}

TEST(Wheel, OneSheetStepPerMessageByTheSignOfWholeNotches) {
    struct Row {
        int32_t delta, sheetBefore, sheetAfter, autoTrimAfter;
    };
    const Row rows[] = {{119, 20, 20, 1}, {-119, 20, 20, 1}, {120, 20, 21, 0},
                        {-360, 20, 19, 0}, {240, 47, 47, 0}, {-120, -3, -3, 0}};
    for (const Row& r : rows) {
        auto g = Sailing();
        g->ownBoat.sheet = r.sheetBefore;
        g->ownBoat.autoTrim = 1;
        OnMouseWheel(*g, r.delta);
        EXPECT_EQ(g->ownBoat.sheet, r.sheetAfter) << r.delta;
        EXPECT_EQ(g->ownBoat.autoTrim, r.autoTrimAfter) << r.delta;
    }
}

TEST(MainsheetBar, SpansFromTheHorizonToHalfThePicture) {
    struct Row {
        int32_t y;
        int32_t sheet;  // 30 means untouched
    };
    // horizonY 72 and height 729: the bar runs from 72 to 364, span 292.
    const Row rows[] = {{72, 30}, {73, -3}, {218, 22}, {364, 47}, {411, 47}, {412, 30}};
    for (const Row& r : rows) {
        auto g = Sailing();
        g->ownBoat.sheet = 30;
        OnLButtonDown(*g, 1020, r.y);
        EXPECT_EQ(g->ownBoat.sheet, r.sheet) << r.y;
        if (r.sheet != 30) {
            EXPECT_EQ(g->inputState.clickX, -100) << r.y;
            EXPECT_EQ(g->ownBoat.autoTrim, 0);
        }
    }
}

TEST(MainsheetBar, LeftEdgeOfTheBarAndTheChartDoNotTrim) {
    auto g = Sailing();
    g->ownBoat.sheet = 30;
    OnLButtonDown(*g, 1009, 200);
    EXPECT_EQ(g->ownBoat.sheet, 30);
    g->screenState.chartShown = 1;
    OnLButtonDown(*g, 1020, 200);
    EXPECT_EQ(g->ownBoat.sheet, 30);
    EXPECT_EQ(g->inputState.clickX, 1020);
}

TEST(Clicks, PageButtonsTurnPagesAndOtherClicksCloseHelp) {
    auto g = Sailing();
    ScreenState& s = g->screenState;
    s.helpPage = 1;
    s.helpButtonTop = 614;
    s.helpNextLeft = 665;
    s.helpPrevLeft = 819;
    OnLButtonDown(*g, 700, 620);
    EXPECT_EQ(s.helpPage, 2);
    EXPECT_EQ(g->inputState.clickX, -100);
    OnLButtonDown(*g, 850, 620);
    EXPECT_EQ(s.helpPage, 1);
    // Page 1 has no previous button: a click there closes the page.
    OnLButtonDown(*g, 850, 620);
    EXPECT_EQ(s.helpPage, 0);
    s.helpPage = 15;
    OnLButtonDown(*g, 700, 620);
    EXPECT_EQ(s.helpPage, 0);
}

TEST(Clicks, ClickResumesAPausedCruiseAndRecordsThePreviousClick) {
    auto g = Sailing();
    g->screenState.paused = 1;
    g->screenState.frozen = 1;
    g->inputState.clickX = 11;
    g->inputState.clickY = 12;
    OnLButtonDown(*g, 300, 200);
    EXPECT_EQ(g->screenState.paused, 0);
    EXPECT_EQ(g->screenState.frozen, 0);
    EXPECT_EQ(g->inputState.prevClickX, 11);
    EXPECT_EQ(g->inputState.prevClickY, 12);
    EXPECT_EQ(g->inputState.leftClicked, 1);
}

TEST(Clicks, FirstClickOnTheChartPlacesTheStart) {
    auto g = Sailing();
    g->screenState.startPlaced = 0;
    g->screenState.chartShown = 1;
    g->screenState.forecastShown = 1;
    OnLButtonDown(*g, 300, 200);
    EXPECT_EQ(g->screenState.startPlaced, 0);
    g->screenState.forecastShown = 0;
    OnLButtonDown(*g, 300, 200);
    EXPECT_EQ(g->screenState.startPlaced, 1);
}

TEST(Clicks, RightClickOnTheChartZoomsInAboutThePoint) {
    auto g = Sailing();
    g->screenState.chartShown = 1;
    g->chartView.scale = 32;
    g->chartView.fullScale = 75;
    g->chartView.panX = 100;
    g->chartView.centreOnBoat = 1;
    OnRButtonDown(*g, 400, 250);
    EXPECT_EQ(g->chartView.zoomAtClick, 1);
    EXPECT_EQ(g->chartView.scale, 16);
    EXPECT_EQ(g->chartView.panX, 0);
    EXPECT_EQ(g->chartView.centreOnBoat, 0);
    EXPECT_EQ(g->inputState.rightClickX, 400);
    EXPECT_EQ(g->inputState.rightClickY, 250);

    g->chartView.centreOnBoat = 1;
    OnLButtonDblClk(*g, 10, 20);
    EXPECT_EQ(g->chartView.scale, 8);
    EXPECT_EQ(g->chartView.centreOnBoat, 1);
}

TEST(Clicks, DoubleClickAimsTheRadarAndRightClickLeavesTheSailingViewAlone) {
    auto g = Sailing();
    g->screenState.radarOn = 1;
    g->chartView.scale = 32;
    OnLButtonDblClk(*g, 120, 600);
    EXPECT_EQ(g->inputState.clickX, 120);
    EXPECT_EQ(g->inputState.clickY, 600);
    OnRButtonDown(*g, 400, 250);
    EXPECT_EQ(g->chartView.scale, 32);
    EXPECT_EQ(g->chartView.zoomAtClick, 0);
}

}  // namespace
}  // namespace vel
