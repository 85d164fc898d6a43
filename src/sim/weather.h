#pragma once
#include "common/game.h"

namespace vel {

// The cruise's weather parameters, drawn once at cruise start.
void GenerateCruiseWeather(Game& g);
// The day's synoptic weather; arg 1 draws tomorrow's for the forecast.
void DailyWeather(Game& g, int arg);
// Storm timing of the day (skipped at the easiest difficulty).
void UpdateStorm(Game& g);
// Thunder while the clock is inside the day's storm window.
void UpdateStormState(Game& g);
// The front brings the next weather once its hour has come.
void CheckFrontArrival(Game& g);

}  // namespace vel
