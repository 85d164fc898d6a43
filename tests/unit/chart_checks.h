#pragma once
// Places a sailor knows, with what the public chart says of them: harbours,
// anchorages and channels that must read at least their charted least depth,
// and land that must read dry. One table per group of areas.
#include <cstdint>
#include <span>

namespace vel::test {

struct ChartCheck {
    int32_t areaCode;  // a passage's first area (5 or 7) stands for both directions
    const char* name;
    double lat, lon;
    int32_t leastFeet;  // -1: land, must read 0
};

extern const std::span<const ChartCheck> kChecksNorth;  // areas 11, 20 and 7/8
extern const std::span<const ChartCheck> kChecksSouth;  // areas 12, 30 and 5/6

}  // namespace vel::test
