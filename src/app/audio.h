#pragma once
// The audio device: plays the cruise's sounds from memory on the default
// output, one voice at a time, and the system beep. Without an output device
// the program runs silent and says so once.
#include <cstdint>
#include <memory>
#include <vector>

#include "common/game.h"

namespace vel {

class AudioDevice {
public:
    // The sounds are made on a worker thread; until they are ready, requests
    // other than the beep are dropped.
    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // The requests of one frame, in order; nowMs is the frame clock.
    void play(const std::vector<SoundRequest>& requests, uint32_t nowMs);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vel
