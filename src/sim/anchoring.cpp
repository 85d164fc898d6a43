#include "sim/anchoring.h"

namespace vel {

// Anchoring, docking and moorings arrive with their own model.
void UpdateAnchors(Game&) {}
void UpdateDocking(Game&) {}
void UpdateBuoys(Game&) {}

}  // namespace vel
