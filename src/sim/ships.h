#pragma once
#include "common/game.h"

namespace vel {

// Object-list entry of ship i (1..5).
inline constexpr int ShipEntry(int i) { return 34 + i; }

// Speed through the water of every ship, tenths of a knot: faster traffic
// on harder cruises.
int32_t ShipSpeed(const CruiseOptions& o);

// (Re)places ship i at the start of its lane.
void PlaceShip(Game& g, int32_t i);
// Puts ships 1 and 2 of the generated river onto its lane, once charted.
void SettleRiverShips(Game& g);
// Ship i keeps to its lane and makes one tick's way; a ship past the end of
// its lane comes round again.
void MoveShip(Game& g, int32_t i);
// Ship i running the own boat down ends the cruise, at anchor or not.
void CheckShips(Game& g, int32_t i);

}  // namespace vel
