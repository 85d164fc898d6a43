#pragma once
// Radar echoes of the real areas: the mainland's shores, the islands and
// shoals along the stretches of their outlines that return an echo, and the
// marks of the area's list.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/radar.h"

namespace vel {

// Lines, in the echo pen already selected. Nothing outside the real areas.
void DrawRealCoastEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r);

// The true coast of the passages and the real areas: on each bearing the
// nearest shore facing the boat, within the range and the face (left..right,
// r.top down to `bottom`); what lies behind it gives no echo. Lines in the
// echo pen already selected.
void DrawTrueCoastEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r, int32_t bottom);
// Dots of radius about r, in the dot ink already selected.
void DrawRealMarkEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r, int32_t dotRadius);

}  // namespace vel
