#pragma once
#include <cstdint>

namespace vel {

// The minimum frame times of the tick and of the slow screens. The program
// never blocks: a screen that must stand for a while asks for the next frame
// no earlier than that, and the window schedules its repaint accordingly.
class Pacer {
public:
    explicit Pacer(uint32_t now) : now_(now), notBefore_(now) {}

    uint32_t now() const { return now_; }
    // Milliseconds as unsigned differences, so a wrap of the counter does no harm.
    void holdUntil(uint32_t start, uint32_t minimumMs) {
        const uint32_t due = start + minimumMs;
        if (static_cast<int32_t>(due - notBefore_) > 0) notBefore_ = due;
    }
    uint32_t notBefore() const { return notBefore_; }

private:
    uint32_t now_;
    uint32_t notBefore_;
};

}  // namespace vel
