#pragma once
#include "common/game.h"

namespace vel {

// Anchors, pier, dock and buoys, after the boat has moved; may set its position.
void UpdateMadeFast(Game& g);

// The own boat's two anchors: letting go, setting, holding, dragging, the
// swing and where the boat lies. Runs while either anchor is out.
void UpdateAnchors(Game& g);

// The direction the boat lies to from its anchor or buoy: the current's, or
// the wind's when the current is weak against the wind. The passages and
// real areas take their chart current at anchor 1 (or the buoy).
int32_t LieDirection(Game& g);

// Ground tackle and mooring state at the start of a cruise; the line length
// and the kellet stay as chosen in the menu.
void ResetMadeFast(Game& g);

}  // namespace vel
