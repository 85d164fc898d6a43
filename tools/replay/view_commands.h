#pragma once
// Harness shortcuts for looking at the sailing view: the time of day and the
// weather, set consistently across the fields that carry them.
#include "replay/script.h"

namespace vel::replay {

// time HOUR [MINUTE]: the clock of the current day, as the tick would have it.
int TimeOfDay(Session& s, Args a);
// weather clear|fog|thunder|storm|overcast
int WeatherKind(Session& s, Args a);

}  // namespace vel::replay
