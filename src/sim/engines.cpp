#include "sim/engines.h"

#include <cstdlib>

#include "sim/boat_state.h"
#include "sim/hazards.h"

namespace vel {

void StopUnavailableEngine(Game& g) {
    if (g.cruiseOptions.troubleNoEngine || g.failures.failed[static_cast<int32_t>(Device::Engine)])
        g.ownBoat.throttle = 0;
}

int32_t EngineDrive(Game& g, int32_t windage) {
    OwnBoat& b = g.ownBoat;
    // A sailboat's auxiliary pushes less than a motor boat's engines.
    const int32_t thrust = g.cruiseOptions.boatType == 1 ? 36 : 60;
    if (std::abs(b.twinSplit) == 1 && b.screws == 2) {
        b.gear = 0;
        return -windage;
    }
    return thrust * b.throttle * b.gear - windage;
}

int32_t PropellerTurn(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const CruiseOptions& o = g.cruiseOptions;
    if (b.throttle <= 0) return 0;
    if (b.screws == 2 && b.twinSplit != 0) return (b.throttle == 1 ? -100 : -150) * b.twinSplit;
    if (b.gear >= 0) return 0;
    if (o.boatType == 3) return -50;
    if (IsSailboat(o) && b.screws == 1) return -25;
    return 0;
}

}  // namespace vel
