#pragma once
// The real areas' generated tables (command `real AREA`).
#include <cstdint>
#include <vector>

#include "world/real_data.h"

namespace vel::geodata {

int RealCommand(int argc, char** argv);

// The hand tables' names and light symbols of an area in area units, as the
// generated table holds them.
std::vector<PlaceName> ProjectedNames(int32_t areaCode);
std::vector<RealLightSymbol> ProjectedLights(int32_t areaCode);

}  // namespace vel::geodata
