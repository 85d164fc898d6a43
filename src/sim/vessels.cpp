#include "sim/vessels.h"

namespace vel {

// Other vessels arrive with their own model.
void PlaceVirtualVessels(Game&) {}
void PlaceOpeningItems(Game&) {}
void CheckZoneCrossings(Game&) {}
void UpdateVesselsAndHazards(Game&) {}

}  // namespace vel
