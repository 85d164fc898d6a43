#pragma once
// The sea surface and the weather over it: wave crests, swell lines,
// speckles at high simulator speed, and the fog.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/scene.h"

namespace vel {

// The crest field and swell lines, as the wave state and settings ask.
void drawSeaSurface(gfx::DC& dc, Game& g);
void drawWaveCrest(gfx::DC& dc, Game& g, int32_t i);
void drawSwellLine(gfx::DC& dc, Game& g, int32_t i);

// The row the fog is heading for this frame (0 = no fog).
int32_t FogTarget(const Game& g, int32_t boatRow);
// Moves the fog line a ninth of the way to its target and draws the fog.
void drawFog(gfx::DC& dc, Game& g, const ViewRect& view);

}  // namespace vel
