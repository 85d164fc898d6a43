#include "sim/vessels.h"

namespace vel {

// Other vessels arrive with their own model.
void PlaceVirtualVessels(Game&) {}
void ChooseZonePoints(Game&) {}
void ChooseRealZonePoints(Game&) {}
void PlaceWaveCrest(Game&, int32_t) {}
void PlaceRipple(Game&, int32_t) {}
void CheckZoneCrossings(Game&) {}
void MoveShips(Game&) {}
void MoveAnchoredVessel(Game&, int32_t) {}
double NearestCrestDistance(const Game&, double, double, int32_t) { return 50000.0; }

}  // namespace vel
