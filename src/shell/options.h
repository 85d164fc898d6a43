#pragma once
#include "common/game.h"

namespace vel {

// The introductory course and the ordinary cruise each keep their own
// currents and no-failure switches; a title frame puts them back in step.
void ReconcileCourseSwitches(CruiseOptions& o);

}  // namespace vel
