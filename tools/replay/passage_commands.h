#pragma once
// Harness commands for the passages: a click at a chart's world point, the
// current's set on the boat, and the passage bonus the results would give.
#include "replay/script.h"

namespace vel::replay {

int ClickWorld(Session& s, Args a);    // click-world X Y
int Drift(Session& s, Args a);         // drift OP DEGREES
int PassageBonusIs(Session& s, Args a);  // passage-bonus OP VALUE

}  // namespace vel::replay
