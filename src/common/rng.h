#pragma once
#include <cstdint>

namespace vel {

// The C runtime generator the program's random numbers were tuned against:
// same seed, same sequence, on every platform.
struct Rng {
    uint32_t x = 1;
    void srand(uint32_t seed) { x = seed; }
    int rand() {
        x = x * 214013u + 2531011u;
        return static_cast<int>((x >> 16) & 0x7FFF);
    }
};

}  // namespace vel
