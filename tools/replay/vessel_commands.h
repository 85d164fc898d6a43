#pragma once
// Harness commands for the made-fast states and other vessels.
#include "replay/script.h"

namespace vel::replay {

// boat-at FEATURE DX DY: puts the own boat DX, DY units from a feature of
// the area (berth, buoy1, buoy2, harbour, anchor1, anchor2, ship1, ship2),
// wherever the area builder put it.
int BoatAt(Session& s, Args a);
// boat-near FEATURE DX DY TOLERANCE: expects the boat within TOLERANCE units
// (in x and in y) of that point.
int BoatNear(Session& s, Args a);
// boat-off FEATURE DISTANCE TOLERANCE: expects the boat DISTANCE units from
// the feature, in whatever direction it lies, give or take TOLERANCE.
int BoatOff(Session& s, Args a);
// course DEG: the helmsman brings the boat onto a new heading at once.
int Course(Session& s, Args a);
// moor ACTION [ARG]: letgo 1|2, weigh, tender 0|90|180|270, castoff, release.
int Moor(Session& s, Args a);

}  // namespace vel::replay
