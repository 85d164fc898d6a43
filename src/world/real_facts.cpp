#include "world/real_data.h"

namespace vel {

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
