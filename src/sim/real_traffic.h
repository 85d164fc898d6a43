#pragma once
// Other vessels of the real areas: ships on waypoint routes through the
// shipping channels, and the anchored fleet at the anchorage of the boat's
// stretch of the area.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Cruise start: the fleet's berths cleared and every ship put on its route.
void PlaceRealTraffic(Game& g);

// Ship i (1..shipCount) at the start of its route: ship 1 runs the area's
// route forward, ship 2 the same route backward, ships 3 and 4 likewise from
// its middle.
void PlaceRealShip(Game& g, int32_t i);
// Ship i steers for its next waypoint and makes one tick's way; past the
// route's end it starts again.
void MoveRealShip(Game& g, int32_t i);

// Every tick: the harbour point of the anchorage whose band holds the boat,
// the anchored fleet laid out around it, and, in the Exumas, whether the boat
// is in the deep sound or on the west bank.
void ChooseRealZonePoints(Game& g);

// Where boats at anchor lie in a real area or a passage: to the wind, or to
// the current when it runs at two thirds of the wind's knots or more.
int32_t RealLieDirection(int32_t windFrom, int32_t windSpeed, int32_t currentFrom, int32_t currentSpeed);

}  // namespace vel
