#pragma once
// What the menu, the keys and the panel buttons do to the boat, the views and
// the simulator speed. Each is one small step; callers compose them so that a
// key and its menu item differ only where they are meant to.
#include <cstdint>

#include "common/game.h"
#include "shell/chart_nav.h"
#include "sim/mooring_actions.h"

namespace vel {

// ---- State questions shared by rules, keys and buttons ----------------------
bool IsSailboat(const Game& g);
bool SailsUp(const Game& g);
bool EngineRunning(const Game& g);
bool AnchorDown(const Game& g);    // either anchor in any state but up
bool MadeFast(const Game& g);      // at a pier or on a buoy
bool CompassInUse(const Game& g);
bool ChartOpen(const Game& g);
bool GpsWorks(const Game& g);
bool DepthSounderWorks(const Game& g);
bool HasTargetWaypoint(const Game& g);

// ---- Simulator speed --------------------------------------------------------
// One step faster or slower, held to 1..15; `remember` also keeps the result
// as the pair the space bar's slow toggle returns to.
void StepSpeed(CruiseOptions& o, int32_t delta, bool remember);
// Back to the speed in force when the boat stopped, if now faster.
void SpeedRestore(Game& g);
void ToggleSlowSpeed(CruiseOptions& o);

// ---- Ground tackle and made-fast states -------------------------------------
void StopAnchoring(Game& g);
// Weighs anchor and returns to the speed the boat had before it anchored.
void AnchorUp(Game& g);
// The D key: anchor 2 when anchor 1 is already out; idle stays in gear.
void LetGoAnchorByKey(Game& g);
void CastOffPier(Game& g);
// The panel's one release button: pier or buoy, whichever holds the boat.
void Release(Game& g);

// ---- Engine -----------------------------------------------------------------
void EngineGear(Game& g, int32_t gear);  // throttle idle, no split, sails down
void EngineOff(Game& g);
void SetThrottle(Game& g, int32_t throttle);  // sails down; weighs anchor when driving ahead
void ThrottleUp(Game& g);
void ThrottleDown(Game& g);
void TwinSplit(Game& g, int32_t split);
void StartEngineNeutral(Game& g);
// With more than slow-ahead thrust the anchor cannot hold: weigh it.
void WeighIfDrivingAhead(Game& g);

// ---- Sails ------------------------------------------------------------------
void SetHeadsail(Game& g, int32_t headsail, bool restoreSpeed);
void ToggleSpinnaker(Game& g, bool restoreSpeed);
void SailsDown(Game& g);
void RaiseWorkingSails(Game& g);
void Tack(Game& g);
void CloseHauled(Game& g);
void SheetIn(Game& g);          // menu: two in, and from 3 straight to hard in
void SheetInByKey(Game& g);     // key: two in, never past hard in
void SheetOut(Game& g);
void SheetAllOut(Game& g);
void MoreSail(Game& g);
void LessSail(Game& g);

// ---- Looking around and the hand-bearing compass ----------------------------
void ToggleCompass(Game& g);
void SaveCompassBearing(Game& g);
// offset: 0 ahead, 180 aft, +30 right, -30 left; with the compass in use the
// sight line turns instead (half as far through binoculars for the sides).
void Look(Game& g, int32_t offset);
void ToggleForecast(Game& g);

// ---- Chart ------------------------------------------------------------------
void ChartZoomOut(Game& g);     // as the menu: passage pan reset at full view
void ChartZoomOutByKey(Game& g);
void AdvanceWaypoint(Game& g);

// ---- Radar and mini chart ---------------------------------------------------
void RadarRange(Game& g, bool wider);
void AdjustEbl(Game& g, int32_t degrees);
void AdjustVrm(Game& g, int32_t delta);  // never below 0
void MiniChartScale(Game& g, int32_t delta);

// ---- Steering ---------------------------------------------------------------
void NudgeHeading(Game& g, int32_t degrees);

// Binds a whole-number argument so that one action fills a table slot.
template <auto Action, int32_t Arg>
void With(Game& g) {
    Action(g, Arg);
}

// Toggles follow the program's rule: one up, wrapping above 1 back to 0.
inline void Toggle(int32_t& field) {
    field += 1;
    if (field > 1) field = 0;
}

}  // namespace vel
