#include "world/place_names.h"

#include "world/real_data.h"

namespace vel {

// Each area's table lives with that area's data; areas without names (the
// generated ones) answer an empty list.
std::span<const PlaceName> PlaceNamesFor(int32_t areaCode) {
    if (const RealGeo* real = RealGeoFor(areaCode)) return real->names;
    return {};
}

}  // namespace vel
