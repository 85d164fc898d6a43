#pragma once
// Harness commands for sound: write a synthesised sound as a WAV file, and
// check which sounds the frames asked the audio device for.
#include <cstdint>
#include <span>
#include <vector>

#include "replay/script.h"

namespace vel::replay {

int WriteWav(Session& s, Args a);   // wav ID PATH
int Heard(Session& s, Args a);      // heard ID [replace|nointerrupt|plain]
int NotHeard(Session& s, Args a);   // notheard ID
int Forget(Session& s, Args a);     // forget: the sounds heard so far

// RIFF/WAVE bytes of 16-bit mono PCM.
std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples, int sampleRate);

}  // namespace vel::replay
