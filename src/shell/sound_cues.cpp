#include "shell/sound_cues.h"

namespace vel {

// The cues arrive with the sound set.
void PlayTickSoundCues(Game&) {}
void PlayFogSignals(Game&) {}

}  // namespace vel
