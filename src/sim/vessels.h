#pragma once
#include "common/game.h"

namespace vel {

// At cruise start, once the object list has been cleared: ship slots and
// vessel contacts, and in the generated and real areas the ships and fleet.
// The buoys are cleared here; the generated areas' world lays them afterwards.
void PlaceVirtualVessels(Game& g);
// Zone points and drifting items laid in the first two ticks of a cruise.
void PlaceOpeningItems(Game& g);
// Passage and real-area zone lines crossed by the last move.
void CheckZoneCrossings(Game& g);
// Ships, sea-surface items, collisions, fog signals and the anchored fleet.
void UpdateVesselsAndHazards(Game& g);

}  // namespace vel
