#include "sim/tick.h"

namespace vel {

// The helm arrives with the steering model.
void UpdateSteering(Game&) {}

}  // namespace vel
