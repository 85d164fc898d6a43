#pragma once
// Traffic of the passages: ships on their lanes across the crossing, and
// the anchored boats (fishing boats on the open crossing off Nova Scotia)
// around the anchorage of the zone the boat is in.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Ship i of a passage at the start of its lane.
void PlacePassageShip(Game& g, int32_t i);
// Ship i holds its course and makes one tick's way; past the end of its lane
// it comes round again.
void MovePassageShip(Game& g, int32_t i);

// The anchorage of the zone the boat is in and the anchored boats around it.
void ChooseZonePoints(Game& g);
// Crossing a zone line moves the anchorage.
void CheckPassageZoneCrossings(Game& g);

// What the anchored boats lie to this tick: the chart current where the
// boat lies or at the anchorage when it runs strong, else the wind
// (Vessels.fleetLieFrom -1).
void UpdateFleetLie(Game& g);

}  // namespace vel
