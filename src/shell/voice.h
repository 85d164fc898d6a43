#pragma once
// The one voice the cruise's sounds share: given the requests of a frame and
// the clock, decides which sound starts. A sound that starts cuts whatever
// was playing; a no-interrupt request is dropped while anything still plays.
#include <cstdint>

#include "common/game.h"

namespace vel {

class Voice {
public:
    // Returns true when the sound should start now; durationMs is how long it
    // lasts. A sound of no length is never started.
    bool request(const SoundRequest& r, uint32_t nowMs, uint32_t durationMs);

    bool playing(uint32_t nowMs) const;
    // The id of the sound started last (0 before any).
    int32_t current() const { return id_; }
    void stop() { duration_ = 0; }

private:
    int32_t id_ = 0;
    uint32_t start_ = 0;
    uint32_t duration_ = 0;
};

}  // namespace vel
