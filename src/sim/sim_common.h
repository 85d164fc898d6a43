#pragma once
// Small rules shared by the made-fast and other-vessel code.
#include <cstdint>
#include <cstdlib>

#include "common/game.h"

namespace vel {

// Generated areas (and the introductory course) as against the passages and
// the areas drawn from real waters.
inline bool IsVirtualArea(const CruiseOptions& o) { return o.isPassage == 0 && o.isRealArea == 0; }

// Into 0..359 however far out: these angles index the sine tables or become
// headings, where one wrap is not always enough.
inline int32_t WrapDegrees(int32_t a) {
    a %= 360;
    return a < 0 ? a + 360 : a;
}

// Push of the propeller: throttle times gear (gear 3 ahead, 0 neutral, -1 astern).
inline int32_t Thrust(const OwnBoat& b) { return b.throttle * b.gear; }

inline int32_t Manhattan(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return std::abs(x1 - x2) + std::abs(y1 - y2);
}

}  // namespace vel
