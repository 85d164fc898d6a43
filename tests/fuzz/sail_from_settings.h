#pragma once
// One run of the settings fuzz target, shared by the libFuzzer build and the
// unit tests: the bytes are a settings file (of any length), and a user
// starts a cruise from them and sails on.
#include <cstdint>
#include <span>

namespace vel::fuzz {

inline constexpr int kFuzzTicks = 200;

// Loads the bytes, shows the title, starts a cruise, places the start on the
// chart, runs `ticks` simulation ticks and draws the sailing view once. The
// seed is drawn from the bytes, so every input is one reproducible run.
void SailFromSettings(std::span<const uint8_t> bytes, int ticks = kFuzzTicks);

}  // namespace vel::fuzz
