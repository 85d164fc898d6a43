#include "world/cruise_start.h"

#include "common/helpers.h"
#include "sim/tick.h"
#include "sim/weather.h"

namespace vel {

void StartCruise(Game& g) {
    // The area build arrives with the world generator; until then every area
    // is open water on the generated areas' scale.
    g.areaGrid.unitsPerMile = 300;
    ResetObjectList(g.objectList);
    // The clock first: the day's weather reads the cruise hour.
    ResetClockAndBoat(g);
    g.simClock.minutesPerUnit = 61.2 / g.areaGrid.unitsPerMile;
    GenerateCruiseWeather(g);
    DailyWeather(g, 0);
    SetStartHeading(g);
}

}  // namespace vel
