#pragma once
// The hand-bearing compass and binoculars: switching, swinging the sight line
// and keeping a bearing for the chart. The same look commands turn the view
// without the compass.
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

enum class Look { Ahead, Left, Right, Aft };
// With the compass: swing the sight line (30 degrees a step, 15 with the
// binoculars) or set it along or against the heading. Without: turn the view.
void LookAround(Game& g, Look look);

// What the compass card shows: the sight line in magnetic degrees.
int32_t CompassReading(const Game& g);

}  // namespace vel
