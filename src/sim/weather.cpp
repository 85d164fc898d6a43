#include "sim/weather.h"

#include "sim/tick.h"
#include "world/tides.h"

namespace vel {

// Wind, weather, fog and sea state arrive with the weather model.
void UpdateEnvironment(Game& g) { UpdateTideAndCurrent(g); }
void GenerateCruiseWeather(Game&) {}
void DailyWeather(Game&, int) {}
void UpdateStorm(Game&) {}
void UpdateStormState(Game&) {}
void CheckFrontArrival(Game&) {}

}  // namespace vel
