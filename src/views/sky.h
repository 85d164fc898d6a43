#pragma once
// Light, sea, sky and weather of the sailing view: the colours by hour and
// weather, the sun and clouds, the far hills, lightning and thunder.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/scene.h"

namespace vel {

// Start of a frame: horizon row, night, twilight and the sun's glare.
void ComputeFrameLight(Game& g);

// Palette brush of the sea, or 0 for black.
int32_t SeaBrush(const Game& g);
// Palette brush of the sky before its bands, or 0 for black.
int32_t SkyBrush(const Game& g);
// True when the view looks toward the low sun: east in the morning, west in
// the afternoon.
bool FacingSun(const Game& g);

void drawSea(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom);
void drawSky(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right);
void drawSunGlitter(gfx::DC& dc, Game& g);

// Storm 1: distant lightning; storm 2: the thunderstorm's. Both may ask for
// a thunder sound.
void drawDistantThunder(gfx::DC& dc, Game& g);
void drawThunderstorm(gfx::DC& dc, Game& g);

// The sun and the clouds; sets the sun's column.
void drawSkyObjects(gfx::DC& dc, Game& g, const ViewRect& view);
// The background hills behind the generated shores.
void drawFarHills(gfx::DC& dc, Game& g);

// A whole-degree bearing's column at the horizon, from the projection axis.
int32_t HorizonColumn(const Game& g, int32_t bearing);

}  // namespace vel
