#pragma once
// The settings file: 36 little-endian 32-bit integers, 144 bytes, no header.
// Parsing and validation work on bytes so that they are testable without disk.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "common/game.h"

namespace vel {

inline constexpr int kSettingsValues = 36;
inline constexpr int kSettingsBytes = kSettingsValues * 4;

// Step divisor for each simulator speed 1..15 (index 0 unused).
inline constexpr std::array<int32_t, 16> kStepDivisor = {
    0, 2919, 1946, 1297, 865, 577, 384, 256, 171, 114, 76, 51, 34, 23, 15, 10};

// simSpeed = n; a speed outside 1..15 leaves the divisor as it was.
void SetSpeed(CruiseOptions& o, int32_t n);

// The 144 bytes of the file for the current options and high score.
std::vector<uint8_t> EncodeSettings(const Game& g);

// Reads as many whole values as the bytes hold (a short file keeps the
// defaults for the rest; extra bytes are ignored), then validates.
void DecodeSettings(Game& g, std::span<const uint8_t> bytes);

// The state when there is no file at all.
void ApplyMissingSettings(Game& g);

// Repairs and derives fields after loading.
void ValidateSettings(Game& g);

// Without the spaces, tabs and carriage returns at either end.
std::string_view TrimBlanks(std::string_view s);

// The small text files kept beside the settings file (the NMEA output, the
// window's size) hold "key=value" lines; blank lines, lines without '=' and
// '#' comments are passed over. Key and value come trimmed.
void ForEachKeyValue(std::string_view text, const std::function<void(std::string_view, std::string_view)>& use);

}  // namespace vel
