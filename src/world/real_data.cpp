#include "world/real_data.h"

namespace vel {

// Apart from RealFactsFor (real_facts.cpp): the geography tool projects the
// hand tables and must not need the tables it is about to write.
const RealGeo* RealGeoFor(int32_t areaCode) {
    switch (areaCode) {
        case 11: return &realdata::kGeo11;
        case 12: return &realdata::kGeo12;
        case 20: return &realdata::kGeo20;
        case 30: return &realdata::kGeo30;
        default: return nullptr;
    }
}

}  // namespace vel
