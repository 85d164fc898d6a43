#include "sim/hazards.h"

namespace vel {

// Failures arrive with the hazards model.
void UpdateFailures(Game&) {}

}  // namespace vel
