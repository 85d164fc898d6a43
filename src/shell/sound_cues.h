#pragma once
// Which sounds the cruise asks for, and when. Every cue applies its own
// sound-level filter, so callers only say that the event happened; the
// requests go onto g.soundRequests for the audio device.
//
// Sound levels (CruiseOptions.soundLevel): 0 nothing, 1 depth alarm only,
// 2 thunder and fog signals, 3 everything.
#include <cstdint>

#include "common/game.h"

namespace vel {

// The sound ids; the audio device knows them by these numbers.
namespace sound {
inline constexpr int32_t kBeep = 0;
inline constexpr int32_t kThunder = 138;
inline constexpr int32_t kThunderClap = 139;
inline constexpr int32_t kShipHornFar = 140;
inline constexpr int32_t kShipHornNear = 141;
inline constexpr int32_t kTowHornNear = 142;
inline constexpr int32_t kFogHornFar = 143;
inline constexpr int32_t kFogBellNear = 144;
inline constexpr int32_t kSailsFilling = 145;
inline constexpr int32_t kWaterRushing = 146;
inline constexpr int32_t kEngineIdle = 147;
inline constexpr int32_t kEngineSlow = 148;
inline constexpr int32_t kEngineFast = 150;
inline constexpr int32_t kHullWater = 168;
inline constexpr int32_t kHullWaterAlt = 170;
inline constexpr int32_t kSailsFlapping = 171;
inline constexpr int32_t kBowSlam = 172;
inline constexpr int32_t kWaves = 174;
}  // namespace sound

// After the four simulation steps of a tick: the fog signals, then (level 3)
// the sails filling after a gybe or flapping through a tack or while luffing,
// the water along the hull by speed, and the engine by throttle.
void PlayTickSoundCues(Game& g);

// After the ships have moved (level 2 and up, in fog only): horns of ships
// within 1500 units and the horns and bells of the lights and sound buoys
// within 2500, each on its own turn of the tick counters.
void PlayFogSignals(Game& g);

// After each frame's wave motion (level 3, wind forward of the beam): the
// bow's slam if it has just slammed, and the wash of a wave at the start of
// each pitching cycle in some sea.
void PlayWaveCues(Game& g);

// Every sailing-view frame of distant thunder (storm 1). Draws random(100)
// every call, whatever the sound level, so the view's random sequence does
// not depend on it; 3 in 100 frames rumble while the minute is even.
void CueDistantThunder(Game& g);

// A lightning bolt of a thunderstorm (storm 2) has just been drawn: one of
// the two claps while the minute is even. The random choice between them
// is drawn only when the clap is heard.
void CueThunderClap(Game& g);

}  // namespace vel
