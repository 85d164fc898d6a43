#include "world/real_data.h"

#include <cmath>

#include "world/geo.h"

namespace vel {

AreaXY ProjectFact(const GeoProjection& p, GeoPt g) {
    const AreaPoint a = AreaFromLatLon(p, {g.lat, g.lon});
    return {static_cast<int32_t>(std::lround(a.x)), static_cast<int32_t>(std::lround(a.y))};
}

const RealFacts* RealFactsFor(int32_t areaCode) {
    switch (areaCode) {
        case 11: return &realdata::kFacts11;
        case 12: return &realdata::kFacts12;
        case 20: return &realdata::kFacts20;
        case 30: return &realdata::kFacts30;
        default: return nullptr;
    }
}

}  // namespace vel
