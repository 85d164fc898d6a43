#include "shell/voice.h"

namespace vel {

bool Voice::playing(uint32_t nowMs) const {
    // Unsigned difference: a wrap of the millisecond counter does no harm.
    return duration_ > 0 && nowMs - start_ < duration_;
}

bool Voice::request(const SoundRequest& r, uint32_t nowMs, uint32_t durationMs) {
    if (durationMs == 0) return false;
    if (r.mode == PlayMode::NoInterrupt && playing(nowMs)) return false;
    id_ = r.id;
    start_ = nowMs;
    duration_ = durationMs;
    return true;
}

}  // namespace vel
