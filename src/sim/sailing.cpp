#include "sim/sailing.h"

#include "sim/tick.h"

namespace vel {

// Sailing and engine dynamics arrive with the speed model.
void UpdateSpeed(Game&) {}
void UpdateLeeway(Game&) {}

}  // namespace vel
