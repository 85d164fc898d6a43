#pragma once
// The hand-bearing compass and binoculars: switching, swinging the sight line
// and keeping a bearing for the chart. The look commands that swing the
// sight line are with the other actions.
#include <cstdint>

#include "common/game.h"

namespace vel {

// On/off; a compass that has never been swung starts at the boat's heading.
void ToggleCompass(Game& g);
void CompassOff(Game& g);
// Binoculars stay set across compass toggles; they act only with the compass.
void ToggleBinoculars(Game& g);
// Only while the compass is in use.
void SaveCompassBearing(Game& g);

// What the compass card shows: the sight line in magnetic degrees.
int32_t CompassReading(const Game& g);

}  // namespace vel
