#pragma once
#include "common/game.h"

namespace vel {

// Storm hour that never comes round on the day clock.
inline constexpr double kNoStormHour = -10.0;

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

// ---- The pieces of the per-tick weather, exposed for their rules ----------

// Air temperature at a whole hour: a sine over the day from 05:00, never
// below the floor.
int32_t AirTemperature(int32_t hour, int32_t highTemperature, int32_t floorTemperature);
// Half the wind always reaches the boat; the other half in proportion to the
// open water upwind (900 = fully open).
int32_t ShelteredWind(int32_t windSpeed, int32_t exposure);
// Sea-state class 0..3 from the wind after shelter, the fetch and a storm.
int32_t SeaStateClass(int32_t windSpeed, int32_t exposure, int32_t exposureMin, int32_t storm);
// Whether the day's temperature floor and humidity bring fog at this hour.
bool FogConditions(const Game& g);
// 1 when the wind blows against the current at the boat (currents on).
int32_t WindAgainstCurrent(const Game& g);

}  // namespace vel
