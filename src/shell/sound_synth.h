#pragma once
// The program's sounds, made at start-up from noise, tones and envelopes:
// no recordings. Mono, at one sample rate, as floats in -1..1 and as 16-bit
// PCM for the audio device.
#include <cstdint>
#include <span>
#include <vector>

namespace vel {

inline constexpr int kSoundSampleRate = 22050;

// Every sound id the bank holds, in ascending order (beep 0 is not one).
std::span<const int32_t> SynthesisedSoundIds();

// The samples of one sound; empty for an id the bank does not hold. The same
// id always gives the same samples.
std::vector<float> SynthesiseSound(int32_t id);

// Call first on a thread that synthesises. Qt's raster painting can leave
// the upper halves of the AVX registers in use; a thread inherits that state
// from its parent, and every scalar math call then pays a transition penalty
// (synthesis ran about eight times slower).
void PrepareSynthesisThread();

// Clamped to -1..1 and scaled to the 16-bit range.
std::vector<int16_t> ToPcm16(std::span<const float> wave);

}  // namespace vel
