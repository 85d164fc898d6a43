#include "world/cruise_start.h"

#include "common/helpers.h"
#include "sim/anchoring.h"
#include "sim/tick.h"
#include "sim/vessels.h"

namespace vel {

void StartCruise(Game& g) {
    // The area build arrives with the world generator; until then every area
    // is open water on the generated areas' scale.
    g.areaGrid.unitsPerMile = 300;
    ResetObjectList(g.objectList);
    ResetClockAndBoat(g);
    ResetMadeFast(g);
    PlaceVirtualVessels(g);
    g.simClock.minutesPerUnit = 61.2 / g.areaGrid.unitsPerMile;
}

}  // namespace vel
