#include "sim/anchoring.h"

namespace vel {

// Anchoring, docking and moorings arrive with their own model.
void UpdateMadeFast(Game&) {}

}  // namespace vel
