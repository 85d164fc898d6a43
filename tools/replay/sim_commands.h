#pragma once
// Harness commands that read the simulation: a speed polar of a boat and a
// one-line summary of the running cruise.
#include <cstdint>
#include <vector>

#include "replay/script.h"

namespace vel::replay {

// Steady state at one true wind angle: averaged once the boat has settled.
struct PolarPoint {
    int32_t angle = 0;
    double knots = 0.0;
    double heel = 0.0;
    double leeway = 0.0;
};

// Sails up with automatic trim (trawlers: engines at full ahead), in open deep
// water and flat sea, the wind held at `wind` knots from the north. `rig`, if
// given, changes the sail plan before the boat sets off.
std::vector<PolarPoint> SteadyPolar(const CruiseOptions& options, int32_t boatType, int32_t wind,
                                    const std::vector<int32_t>& angles, void (*rig)(OwnBoat&) = nullptr);

int Polar(Session& s, Args a);  // polar BOATTYPE WIND
int State(Session& s, Args a);  // state

}  // namespace vel::replay
