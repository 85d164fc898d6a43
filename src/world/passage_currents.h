#pragma once
// Current zones of the passage areas, plugged into the current field.
#include <cstdint>

#include "world/current_field.h"

namespace vel {

// Areas 5 and 6: the Gulf Stream between its edges, the banks east of it,
// the still water inshore of it on the Florida side and the inlets.
void FloridaBahamasZones(const Game& g, int32_t x, int32_t y, CurrentZone& z);
// Areas 7 and 8: the Gulf of Maine's streams, stronger round Cape Sable and
// in the Grand Manan Channel.
void MaineNovaScotiaZones(const Game& g, int32_t x, int32_t y, CurrentZone& z);

}  // namespace vel
