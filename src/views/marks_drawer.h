#pragma once
// Navigation aids of the sailing view: lateral buoys, daybeacons, lights,
// lighthouses and mooring buoys, by day and by night.
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// Size unit of aids standing on screen row `row`, in pixels.
double AidScale(const Game& g, int32_t row);

// Light phases: a lamp shows only on the flash of its own rhythm.
bool LampFlashes(const Game& g, int32_t index);
// A lit disc of a light's colour (brush; 0 = white).
void DrawLamp(gfx::DC& dc, int32_t x, int32_t y, int32_t radius, int32_t brush);

void drawLateralBuoy(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, bool red);
void drawDaybeacon(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, bool red);
void drawMooringBuoy(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row);
void drawLitBeacon(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row);

// Towers of lighthouses and lights. variant: 1 lighthouse, 2 light on a
// ledge; scaleMode picks the size constant; style 0 white, 1 with a red band.
void drawTower(gfx::DC& dc, Game& g, int32_t variant, int32_t x, int32_t row, int32_t scaleMode, int32_t style,
               int32_t index);

}  // namespace vel
