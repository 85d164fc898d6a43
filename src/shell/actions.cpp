#include "shell/actions.h"

#include <algorithm>
#include <array>

#include "common/helpers.h"
#include "shell/radar_controls.h"
#include "shell/settings.h"

namespace vel {
namespace {

constexpr int32_t kSheetHardIn = -3;
constexpr int32_t kSheetAllOut = 47;
constexpr int32_t kNoWaypoint = -11000;
constexpr std::array<int32_t, 4> kThrottleSteps = {1, 3, 7, 10};
enum Device { kGps = 0, kDepthSounder = 2 };

int32_t& AnchorOf(Game& g, int k) { return g.anchors.anchor[1][k]; }

void TurnSightLine(Game& g, double bearing) {
    if (bearing < 0) bearing += 360;
    if (bearing > 360) bearing -= 360;
    g.viewState.compassBearingExact = bearing;
    g.viewState.handBearing = NormaliseAngle(Trunc(bearing));
}

// Drops anchor k: the running speed is kept for the return under way.
void DropAnchor(Game& g, int k) {
    g.simClock.speedBeforeStop = g.cruiseOptions.simSpeed;
    g.simClock.divisorBeforeStop = g.cruiseOptions.stepDivisor;
    g.simClock.stopHour = g.simClock.hour;
    AnchorOf(g, k) = 1;
    g.ownBoat.twinSplit = 0;
    g.ownBoat.sailsUp = 0;
}

void RestoreIfAnchor1Down(Game& g, bool restoreSpeed) {
    if (restoreSpeed && AnchorOf(g, 1) != 0) SpeedRestore(g);
}

}  // namespace

bool IsSailboat(const Game& g) { return g.cruiseOptions.boatType < 3; }
bool SailsUp(const Game& g) { return g.ownBoat.sailsUp > 0; }
bool EngineRunning(const Game& g) { return g.ownBoat.throttle > 0; }
bool AnchorDown(const Game& g) { return g.anchors.anchor[1][1] != 0 || g.anchors.anchor[1][2] != 0; }
bool MadeFast(const Game& g) { return g.ownBoat.atPier > 0 || g.ownBoat.onBuoy > 0; }
bool CompassInUse(const Game& g) { return g.viewState.compassMode == 1; }
bool ChartOpen(const Game& g) { return g.screenState.chartShown > 0; }
bool GpsWorks(const Game& g) { return g.cruiseOptions.troubleNoGps == 0 && g.failures.failed[kGps] == 0; }
bool DepthSounderWorks(const Game& g) { return g.failures.failed[kDepthSounder] == 0; }
bool HasTargetWaypoint(const Game& g) {
    const int32_t n = g.chartView.waypointAdvanceCount;
    return n >= 0 && n <= 5 && g.chartView.waypointX[n] != kNoWaypoint;
}

void StepSpeed(CruiseOptions& o, int32_t delta, bool remember) {
    SetSpeed(o, std::clamp(o.simSpeed + delta, 1, 15));
    if (remember) {
        o.savedSpeed = o.simSpeed;
        o.savedStepDivisor = o.stepDivisor;
    }
}

void SpeedRestore(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    if (o.simSpeed > g.simClock.speedBeforeStop) {
        o.simSpeed = g.simClock.speedBeforeStop;
        o.stepDivisor = g.simClock.divisorBeforeStop;
    }
}

void ToggleSlowSpeed(CruiseOptions& o) {
    if (o.simSpeed != 1) {
        o.savedSpeed = o.simSpeed;
        o.savedStepDivisor = o.stepDivisor;
        SetSpeed(o, 1);
    } else {
        o.simSpeed = o.savedSpeed;
        o.stepDivisor = o.savedStepDivisor;
    }
}

void StopAnchoring(Game& g) {
    AnchorOf(g, 1) = 0;
    AnchorOf(g, 2) = 0;
    g.ownBoat.tenderAnchorBearing = -1;
    g.simClock.stopHour = -1;
}

void AnchorUp(Game& g) {
    SpeedRestore(g);
    StopAnchoring(g);
}

void LetGoAnchorByKey(Game& g) {
    DropAnchor(g, AnchorOf(g, 1) != 0 ? 2 : 1);
    if (g.ownBoat.throttle > 1) {
        g.ownBoat.throttle = 1;
        g.ownBoat.gear = 0;
    }
}

void CastOffPier(Game& g) {
    g.ownBoat.castOff = 1;
    g.ownBoat.atPier = 0;
    SpeedRestore(g);
    g.simClock.stopHour = -1;
    g.ownBoat.speedExact = 0;
}

void Release(Game& g) {
    g.ownBoat.onBuoy = 0;
    g.ownBoat.mooringLine = 0;
    CastOffPier(g);
}

void EngineGear(Game& g, int32_t gear) {
    OwnBoat& b = g.ownBoat;
    b.gear = gear;
    b.throttle = 1;
    b.twinSplit = 0;
    b.sailsUp = 0;
}

void EngineOff(Game& g) {
    g.ownBoat.throttle = 0;
    g.ownBoat.twinSplit = 0;
}

void WeighIfDrivingAhead(Game& g) {
    if (g.ownBoat.gear * g.ownBoat.throttle > 3) StopAnchoring(g);
}

void SetThrottle(Game& g, int32_t throttle) {
    g.ownBoat.throttle = throttle;
    g.ownBoat.sailsUp = 0;
    if (throttle > 1) WeighIfDrivingAhead(g);
}

void ThrottleUp(Game& g) {
    for (int32_t step : kThrottleSteps)
        if (step > g.ownBoat.throttle) {
            g.ownBoat.throttle = step;
            return;
        }
}

void ThrottleDown(Game& g) {
    for (auto it = kThrottleSteps.rbegin(); it != kThrottleSteps.rend(); ++it)
        if (*it < g.ownBoat.throttle) {
            g.ownBoat.throttle = *it;
            return;
        }
}

void TwinSplit(Game& g, int32_t split) {
    g.ownBoat.twinSplit = split;
    g.ownBoat.throttle = 1;
    g.ownBoat.sailsUp = 0;
}

void StartEngineNeutral(Game& g) {
    g.ownBoat.throttle = 1;
    g.ownBoat.gear = 0;
    g.ownBoat.sailsUp = 0;
}

void SetHeadsail(Game& g, int32_t headsail, bool restoreSpeed) {
    RestoreIfAnchor1Down(g, restoreSpeed);
    OwnBoat& b = g.ownBoat;
    b.headsail = headsail;
    b.sailsUp = 1;
    EngineOff(g);
    b.spinnaker = 0;
    StopAnchoring(g);
}

void ToggleSpinnaker(Game& g, bool restoreSpeed) {
    RestoreIfAnchor1Down(g, restoreSpeed);
    OwnBoat& b = g.ownBoat;
    Toggle(b.spinnaker);
    if (b.spinnaker == 0 && b.headsail != 1 && b.headsail != 3) b.headsail = 2;
    b.sailsUp = 1;
    EngineOff(g);
    StopAnchoring(g);
}

void SailsDown(Game& g) { g.ownBoat.sailsUp = 0; }

void RaiseWorkingSails(Game& g) {
    g.ownBoat.sailsUp = 1;
    g.ownBoat.headsail = 2;
    EngineOff(g);
}

void Tack(Game& g) {
    g.ownBoat.tackRequest = 1;
    g.ownBoat.closeHauled = 0;
    g.viewState.lookOffset = 0;
}

void CloseHauled(Game& g) {
    g.ownBoat.tackRequest = -1;
    g.viewState.lookOffset = 0;
}

void SheetIn(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.sheet -= 2;
    if (b.sheet < 3) b.sheet = kSheetHardIn;
    b.autoTrim = 0;
}

void SheetInByKey(Game& g) {
    g.ownBoat.sheet = std::max(g.ownBoat.sheet - 2, kSheetHardIn);
    g.ownBoat.autoTrim = 0;
}

void SheetOut(Game& g) {
    g.ownBoat.sheet = std::min(g.ownBoat.sheet + 2, kSheetAllOut);
    g.ownBoat.autoTrim = 0;
}

void SheetAllOut(Game& g) {
    g.ownBoat.sheet = kSheetAllOut;
    g.ownBoat.autoTrim = 0;
}

void MoreSail(Game& g) {
    OwnBoat& b = g.ownBoat;
    if (b.headsail == 1 && b.trueWindAngle > 100)
        b.spinnaker = 1;
    else if (b.headsail == 2 && b.reefed == 0)
        b.headsail = 1;
    else if (b.headsail == 2 && b.reefed == 1)
        b.reefed = 0;
    else if (b.headsail == 3)
        b.headsail = 2;
}

void LessSail(Game& g) {
    OwnBoat& b = g.ownBoat;
    if (b.spinnaker == 1)
        b.spinnaker = 0;
    else if (b.reefed == 1)
        b.headsail = 3;
    else if (b.headsail == 2)
        b.reefed = 1;
    else if (b.headsail == 1)
        b.headsail = 2;
}

void ToggleCompass(Game& g) {
    ViewState& v = g.viewState;
    Toggle(v.compassMode);
    // The reading follows the sight line, which the helm keeps on the bow
    // while the compass is put away.
    if (v.compassMode == 1)
        TurnSightLine(g, v.compassBearingExact == 0 ? g.ownBoat.heading : v.compassBearingExact);
}

void SaveCompassBearing(Game& g) {
    ViewState& v = g.viewState;
    if (v.compassMode != 1) return;
    v.savedBearingPrev = v.savedBearing;
    v.savedBearing = NormaliseAngle(Trunc(v.compassBearingExact));
}

void Look(Game& g, int32_t offset) {
    ViewState& v = g.viewState;
    if (!CompassInUse(g)) {
        if (offset == 0 || offset == 180)
            v.lookOffset = offset;
        else
            v.lookOffset += offset;
        return;
    }
    const double side = v.binoculars == 1 ? 15 : 30;
    switch (offset) {
        case 0: TurnSightLine(g, g.ownBoat.headingExact); break;
        case 180: TurnSightLine(g, g.ownBoat.headingExact + 180); break;
        default: TurnSightLine(g, v.compassBearingExact + (offset > 0 ? side : -side)); break;
    }
}

void ToggleForecast(Game& g) {
    ScreenState& s = g.screenState;
    if (s.helpPage > 0) {
        s.helpPage = 0;
        s.paused = 0;
        s.forecastShown = 0;
    } else {
        Toggle(s.forecastShown);
    }
    g.inputState.clickY = 0;
}

// The zoom and pan rules themselves live with the chart.
void ChartZoomOut(Game& g) { ChartZoomOut(g, ZoomOutBy::Menu); }
void ChartZoomOutByKey(Game& g) { ChartZoomOut(g, ZoomOutBy::Key); }

void AdvanceWaypoint(Game& g) {
    ChartView& c = g.chartView;
    c.waypointAdvanceCount += 1;
    if (c.waypointAdvanceCount > 5) {
        c.waypointAdvanceCount = 1;
        c.selectTarget = 1;
    }
}

// Menus and keys share the radar's and the mini chart's own rules.
void RadarRange(Game& g, bool wider) { wider ? RadarRangeUp(g) : RadarRangeDown(g); }

void AdjustEbl(Game& g, int32_t degrees) { degrees > 0 ? RadarEblRight(g) : RadarEblLeft(g); }

void AdjustVrm(Game& g, int32_t delta) { delta > 0 ? RadarVrmUp(g) : RadarVrmDown(g); }

void MiniChartScale(Game& g, int32_t delta) { delta > 0 ? MiniChartZoomOut(g) : MiniChartZoomIn(g); }

void NudgeHeading(Game& g, int32_t degrees) {
    OwnBoat& b = g.ownBoat;
    b.headingExact += degrees;
    b.heading = NormaliseAngle(Trunc(b.headingExact));
    b.closeHauled = 0;
    b.tackRequest = 0;
}

}  // namespace vel
