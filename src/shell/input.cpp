#include "shell/input.h"

#include <algorithm>

#include "shell/actions.h"
#include "shell/commands.h"
#include "shell/help_layout.h"
#include "shell/settings.h"

namespace vel {
namespace {

constexpr int32_t kConsumed = -1;
constexpr int32_t kClickConsumed = -100;

// ---- Conditions of the key map ---------------------------------------------
bool Always(const Game&) { return true; }
bool InCruise(const Game& g) { return g.screenState.phase > 0; }
bool OnTitle(const Game& g) { return g.screenState.phase == 0; }
bool ChartShown(const Game& g) { return ChartOpen(g); }
bool ChartHidden(const Game& g) { return !ChartOpen(g); }
bool Anchored(const Game& g) { return g.ownBoat.anchored > 0; }
bool CompassView(const Game& g) { return CompassInUse(g) && InCruise(g) && ChartHidden(g); }
bool Sailing(const Game& g) { return SailsUp(g) && IsSailboat(g); }
bool SailingInView(const Game& g) { return Sailing(g) && ChartHidden(g); }
bool SheetKeyAllowed(const Game& g) { return SailingInView(g) && !CompassInUse(g); }
bool RadarShown(const Game& g) { return g.screenState.radarOn > 0; }
bool AdviceAllowed(const Game& g) {
    return g.screenState.resultsState == 0 && g.screenState.resultsStep == 0 && InCruise(g);
}
bool AtPierInView(const Game& g) { return g.ownBoat.atPier > 0 && ChartHidden(g); }
bool AnchoredWithAnchor2Up(const Game& g) {
    return Anchored(g) && g.anchors.anchor[1][2] == 0 && ChartHidden(g);
}
bool FreeToAnchor(const Game& g) {
    return g.ownBoat.onBuoy == 0 && g.ownBoat.atPier == 0 && !Anchored(g) && ChartHidden(g);
}
bool OnBuoyInView(const Game& g) { return g.ownBoat.onBuoy > 0 && ChartHidden(g); }
bool SailboatEngineOff(const Game& g) { return IsSailboat(g) && !EngineRunning(g); }
bool SailsUpNotAnchored(const Game& g) { return SailsUp(g) && !Anchored(g); }
bool TwinScrewUnderPower(const Game& g) { return ChartHidden(g) && g.ownBoat.screws == 2 && !SailsUp(g); }
bool EngineOffNow(const Game& g) { return !EngineRunning(g); }
bool NeutralOrAstern(const Game& g) { return EngineRunning(g) && g.ownBoat.gear <= 0; }
bool AsternAllowed(const Game& g) { return EngineRunning(g) && ChartHidden(g) && !CompassInUse(g); }
bool RadarInView(const Game& g) { return RadarShown(g) && ChartHidden(g); }
bool ChartUnderway(const Game& g) { return ChartShown(g) && g.screenState.startPlaced == 1; }
bool LookingAround(const Game& g) { return ChartHidden(g) && !CompassInUse(g); }
bool SightingCompass(const Game& g) { return ChartHidden(g) && CompassInUse(g); }
bool StartPlaced(const Game& g) { return g.screenState.startPlaced == 1; }
bool ChartOfRealOrPassage(const Game& g) {
    return ChartShown(g) && (g.cruiseOptions.isRealArea > 0 || g.cruiseOptions.isPassage > 0);
}
bool CurrentAtlas(const Game& g) {
    return ChartShown(g) && g.screenState.helpPage == 0 && g.chartView.showCurrents == 1;
}
bool MiniChartKeys(const Game& g) { return ChartHidden(g) && !RadarShown(g); }

// ---- Effects ----------------------------------------------------------------
void Unfreeze(Game& g) { g.screenState.frozen = 0; }

void SteerPort(Game& g) {
    NudgeHeading(g, -10);
    g.inputState.clickX = g.inputState.clickY = 0;
}
void SteerStarboard(Game& g) {
    NudgeHeading(g, 10);
    g.inputState.rightClickX = g.inputState.rightClickY = 0;
}

// The space bar always restarts the picture; what else it does depends on
// the screen, the first matching case only.
void SpaceBar(Game& g) {
    ScreenState& s = g.screenState;
    if (s.helpPage > 0) {
        s.helpPage = 0;
    } else if (s.paused > 0) {
        s.paused = 0;
    } else if (s.phase == 0) {
        s.phase = 1;
        s.chartShown = 1;
    } else if (s.forecastShown) {
        s.forecastShown = 0;
        g.inputState.clickY = 0;
        if (s.startPlaced == 0) s.chartShown = 1;
    } else if (s.startPlaced == 1 && s.chartShown) {
        s.chartShown = 0;
        g.inputState.clickY = 0;
    } else if (s.chartShown == 0 && s.startPlaced == 1 && s.resultsState == 0 && s.resultsStep == 0) {
        // Only the running sailing view has a speed to slow; not the results.
        ToggleSlowSpeed(g.cruiseOptions);
    }
    s.frozen = 0;
}

void PageUp(Game& g) {
    StepSpeed(g.cruiseOptions, 1, true);
    Unfreeze(g);
}
void PageDown(Game& g) {
    StepSpeed(g.cruiseOptions, -1, true);
    Unfreeze(g);
}

void StopKey(Game& g) {
    ScreenState& s = g.screenState;
    Toggle(s.paused);
    // Pausing holds the picture; resuming has to let it run again.
    s.frozen = s.paused == 1 ? 1 : 0;
}

void Advice(Game& g) { g.screenState.helpPage = g.screenState.helpPage != 300 ? 300 : 0; }
void ChartNext(Game& g) { NextCruiseStep(g); }
void Anchor2(Game& g) { g.anchors.anchor[1][2] = 1; }
void AutoTrimOn(Game& g) { g.ownBoat.autoTrim = 1; }
void Genoa(Game& g) { SetHeadsail(g, 1, false); }
void WorkingJib(Game& g) { SetHeadsail(g, 2, false); }
void SpinnakerKey(Game& g) { ToggleSpinnaker(g, false); }
void TransparentSails(Game& g) { Toggle(g.viewState.transparentSails); }
void Radar(Game& g) { Toggle(g.screenState.radarOn); }
void CentreOnBoat(Game& g) { Toggle(g.chartView.centreOnBoat); }
void SlowFrames(Game& g) { Toggle(g.screenState.slowFrames); }
void Binoculars(Game& g) { Toggle(g.viewState.binoculars); }
void ViewMode(Game& g) {
    ViewState& v = g.viewState;
    v.viewMode = v.viewMode == 1 ? 2 : 1;
    if (v.viewMode == 1) v.closeUpChosen = 1;
    g.screenState.chartShown = 0;
    g.screenState.forecastShown = 0;
}
void ChartToggle(Game& g) {
    Toggle(g.screenState.chartShown);
    g.inputState.clickY = 0;
}
void SelectTarget(Game& g) {
    g.chartView.selectTarget = 1;
    g.chartView.waypointMode = 0;
}
void WaypointMode(Game& g) { Toggle(g.chartView.waypointMode); }
void CurrentVectors(Game& g) {
    Toggle(g.chartView.showCurrents);
    g.tideState.chartHoursAhead = 0;
    g.screenState.helpPage = 0;
    Unfreeze(g);
}
void HourLater(Game& g) {
    g.tideState.chartHoursAhead += 1;
    Unfreeze(g);
}
void HourEarlier(Game& g) {
    g.tideState.chartHoursAhead = std::max(g.tideState.chartHoursAhead - 1, 0);
    Unfreeze(g);
}
template <int32_t East, int32_t South>
void PanKey(Game& g) {
    g.chartView.centreOnBoat = 0;
    ChartPan(g, East, South);
}
void RangeBearingTool(Game& g) { Toggle(g.chartView.rangeBearingTool); }
// O is the key the menu gives the small chart: it shows it by the menu's own
// command, and hides it again by the hide command beside it. Not before the
// start is placed, where it would close the chart on an unplaced boat.
void SmallChartKey(Game& g) {
    constexpr int32_t kSmallChart = 32917, kNoSmallChart = 32893;
    const ScreenState& s = g.screenState;
    const bool shown = s.miniChartMode == 2 && s.radarOn == 0 && s.chartShown == 0;
    RunCommand(g, shown ? kNoSmallChart : kSmallChart);
}

// ---- The key map ------------------------------------------------------------
// Every row is tried in order on the same key; a consuming row stops the rest.
struct KeyRow {
    int32_t key;
    bool (*when)(const Game&);
    void (*act)(Game&);
    bool consumes = false;
};

constexpr int32_t K(char c) { return vk::Letter(c); }

constexpr KeyRow kKeyMap[] = {
    {vk::Shift, Always, AdvanceWaypoint},
    {vk::Plus, CompassView, Binoculars},
    {K('N'), InCruise, ChartNext},
    {K('O'), StartPlaced, SmallChartKey},
    {vk::F1, Always, SteerPort},
    {vk::F2, Always, SteerStarboard},
    {vk::Space, Always, SpaceBar, true},
    {vk::PageUp, Always, PageUp},
    {vk::PageDown, Always, PageDown},
    {K('F'), Always, StopKey},
    {K('Y'), AdviceAllowed, Advice},
    {K('D'), AtPierInView, CastOffPier, true},
    {K('D'), AnchoredWithAnchor2Up, Anchor2},
    {K('D'), FreeToAnchor, LetGoAnchorByKey},
    {K('D'), OnBuoyInView, LetGoMooring},
    {K('D'), ChartShown, RangeBearingTool},
    {K('T'), SailingInView, Tack},
    {K('C'), SailingInView, CloseHauled},
    {K('A'), Sailing, AutoTrimOn},
    {K('S'), SheetKeyAllowed, SheetAllOut},
    {vk::Period, IsSailboat, SheetOut, true},
    {vk::Comma, IsSailboat, SheetInByKey, true},
    {K('G'), IsSailboat, Genoa},
    {K('J'), IsSailboat, WorkingJib},
    {K('P'), SailboatEngineOff, SpinnakerKey},
    {K('U'), SailsUpNotAnchored, TransparentSails},
    {K('U'), AnchorDown, AnchorUp},
    {K('L'), Sailing, SailsDown, true},
    {K('9'), Always, StartEngineNeutral, true},
    {K('1'), ChartHidden, With<SetThrottle, 1>},
    {K('2'), ChartHidden, With<SetThrottle, 3>},
    {K('3'), ChartHidden, With<SetThrottle, 7>},
    {K('4'), ChartHidden, With<SetThrottle, 10>},
    {K('P'), TwinScrewUnderPower, With<TwinSplit, 1>},
    {K('L'), TwinScrewUnderPower, With<TwinSplit, -1>},
    {K('0'), ChartHidden, EngineOff},
    {K('E'), EngineOffNow, With<EngineGear, 3>, true},
    {K('E'), NeutralOrAstern, With<EngineGear, 3>},
    {K('S'), AsternAllowed, With<EngineGear, -1>},
    {K('R'), Always, Radar},
    {K('Z'), RadarInView, With<RadarRange, 0>},
    {K('X'), RadarInView, With<RadarRange, 1>},
    {K('7'), RadarShown, With<AdjustEbl, -5>},
    {K('8'), RadarShown, With<AdjustEbl, 5>},
    {vk::Plus, RadarShown, With<AdjustVrm, 5>},
    {vk::Minus, RadarShown, With<AdjustVrm, -5>},
    {K('B'), ChartUnderway, CentreOnBoat},
    {K('S'), CompassView, SaveCompassBearing},
    {K('B'), OnTitle, SlowFrames},
    {K('H'), Always, ToggleCompass},
    {K('B'), CompassInUse, Binoculars},
    {vk::Up, LookingAround, With<Look, 0>},
    {vk::Down, LookingAround, With<Look, 180>},
    {vk::Right, LookingAround, With<Look, 30>},
    {vk::Left, LookingAround, With<Look, -30>},
    {vk::Up, SightingCompass, With<Look, 0>},
    {vk::Down, SightingCompass, With<Look, 180>},
    {vk::Right, SightingCompass, With<Look, 30>},
    {vk::Left, SightingCompass, With<Look, -30>},
    {K('V'), Always, ViewMode},
    {K('W'), Always, ToggleForecast},
    {K('M'), StartPlaced, ChartToggle},
    {K('T'), ChartShown, SelectTarget},
    {K('S'), ChartShown, WaypointMode},
    {K('C'), ChartOfRealOrPassage, CurrentVectors},
    {vk::Plus, CurrentAtlas, HourLater},
    {vk::Minus, CurrentAtlas, HourEarlier},
    {vk::Up, ChartShown, PanKey<0, -1>},
    {vk::Down, ChartShown, PanKey<0, 1>},
    {vk::Right, ChartShown, PanKey<1, 0>},
    {vk::Left, ChartShown, PanKey<-1, 0>},
    {K('X'), ChartShown, ChartZoomOutByKey},
    {K('Z'), ChartShown, ChartZoomIn},
    {K('X'), MiniChartKeys, With<MiniChartScale, 3>},
    {K('Z'), MiniChartKeys, With<MiniChartScale, -3>},
};

// The mainsheet bar runs down the right edge of the sailing view, from the
// horizon (sheet hard in) to half the picture (all out).
bool MainsheetBar(Game& g, int32_t x, int32_t y) {
    const ScreenState& s = g.screenState;
    const int32_t horizon = g.viewState.horizonY;
    const int32_t span = s.height / 2 - horizon;
    if (s.chartShown != 0 || s.helpPage != 0 || span <= 0) return false;
    if (!(x > s.width - 15 && y < s.height / 2 + s.height / 15 && y > horizon)) return false;
    g.ownBoat.sheet = std::clamp(-3 + 50 * (y - horizon) / span, -3, 47);
    g.ownBoat.autoTrim = 0;
    return true;
}

}  // namespace

void NextCruiseStep(Game& g) {
    ScreenState& s = g.screenState;
    if (s.phase == 0) return;
    s.resultsStep += 1;
    if (s.resultsStep > 2) s.resultsStep = 0;
    s.helpPage = 0;
    s.paused = 0;
    if (s.resultsStep > 0) {
        s.forecastShown = 0;
        s.chartShown = 0;
    }
    if (s.resultsStep == 2) {
        s.phase = 0;
        g.simClock.day = 1;
        g.score.endReason = 0;
        s.chartShown = 1;
        s.startPlaced = 0;
        s.forecastShown = 0;
        s.resultsState = 0;
        s.resultsStep = 0;
        g.chartView.centreOnBoat = 0;
    }
    s.frozen = 0;
}

void OnKeyDown(Game& g, int32_t key) {
    InputState& in = g.inputState;
    in.lastKey = key;
    for (const KeyRow& row : kKeyMap) {
        if (in.lastKey != row.key || !row.when(g)) continue;
        row.act(g);
        if (row.consumes) in.lastKey = kConsumed;
    }
}

void ClampToFrame(const ScreenState& s, int32_t& x, int32_t& y) {
    const int32_t right = (s.width > 0 ? s.width : kLargestFrameWidth) - 1;
    const int32_t bottom = (s.height > 0 ? s.height : kLargestFrameHeight) - 1;
    x = std::clamp(x, 0, right);
    y = std::clamp(y, 0, bottom);
}

void OnLButtonDown(Game& g, int32_t x, int32_t y) {
    ScreenState& s = g.screenState;
    InputState& in = g.inputState;
    ClampToFrame(s, x, y);
    s.frozen = 0;
    in.prevClickX = in.clickX;
    in.prevClickY = in.clickY;
    in.clickX = x;
    in.clickY = y;
    if (MainsheetBar(g, x, y)) in.clickX = in.clickY = kClickConsumed;
    if (s.helpPage > 0) HelpPageClick(g, x, y);
    in.leftClicked = 1;
    if (s.phase > 0 && s.startPlaced == 0 && s.forecastShown == 0 && s.helpPage == 0) s.startPlaced = 1;
    if (s.helpPage > 0 && in.clickX > 0) s.helpPage = 0;
    if (s.paused && s.helpPage == 0) s.paused = 0;
}

void OnRButtonDown(Game& g, int32_t x, int32_t y) {
    ClampToFrame(g.screenState, x, y);
    g.screenState.frozen = 0;
    if (ChartOpen(g))
        ChartZoomAboutPoint(g, x, y, false);
    g.inputState.rightClickX = x;
    g.inputState.rightClickY = y;
}

void OnLButtonDblClk(Game& g, int32_t x, int32_t y) {
    ClampToFrame(g.screenState, x, y);
    g.screenState.frozen = 0;
    if (g.screenState.radarOn) {
        g.inputState.clickX = x;
        g.inputState.clickY = y;
    }
    if (ChartOpen(g)) ChartZoomAboutPoint(g, x, y, true);
    g.inputState.rightClickX = x;
    g.inputState.rightClickY = y;
}

void OnMouseMove(Game& g, int32_t x, int32_t y) {
    ClampToFrame(g.screenState, x, y);
    g.screenState.steerMouseX = x;
    g.screenState.steerMouseY = y;
}

void OnMouseWheel(Game& g, int32_t delta) {
    const int32_t steps = delta / 120;
    if (steps == 0) return;
    OwnBoat& b = g.ownBoat;
    b.sheet = steps > 0 ? std::min(b.sheet + 1, 47) : std::max(b.sheet - 1, -3);
    b.autoTrim = 0;
}

}  // namespace vel
