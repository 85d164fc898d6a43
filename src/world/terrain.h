#pragma once
// Depth and shoal queries of the current area. Every query answers for any
// point, however far outside the area.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Depth in feet. kind 0: under the own boat; 1: general use; 2: as charted
// (no rocks, uncharted reefs deeper); any other value: as 1.
int32_t DepthAt(const Game& g, int32_t x, int32_t y, int32_t kind);

// The generated areas' depth field.
int32_t VirtualDepth(const Game& g, int32_t x, int32_t y, int32_t kind);

// Distance in area units to the first shallow point along a direction, 900
// when none within range. dirCode 1 or 3: the own heading; 5/-5, 7/-7: the
// heading plus or minus that many degrees; else upstream of the current.
int32_t ShoalAheadVirtual(const Game& g, int32_t dirCode, int32_t x, int32_t y);
// The same probe over the real areas' terrain.
int32_t ShoalAheadReal(const Game& g, int32_t dirCode, int32_t x, int32_t y);

// Point-in-quadrilateral tests of the real areas and the current model.
// 1 inside; -1 south, -2 north, -3 west, -4 east of the strip.
int32_t InStripNS(int32_t xLS, int32_t yS, int32_t xLN, int32_t yN, int32_t xRN, int32_t xRS, int32_t px, int32_t py);
// 1 inside; -1 west, -2 east, -3 north, -4 south of the strip.
int32_t InStripEW(int32_t xW, int32_t yWS, int32_t yWN, int32_t xE, int32_t yEN, int32_t yES, int32_t px, int32_t py);

// Radius of generated island `i` toward the offset (dx east, dy north) from
// its centre: the narrowest of the seven sectors around that bearing.
int32_t IslandRadiusToward(const AreaGrid& a, int32_t i, double dx, double dy);

// y of the coastline at x on the bank that faces y (the second bank of a
// waterway or river when y lies on its side of the centre line).
int32_t CoastYAt(const AreaGrid& a, int32_t x, int32_t y);

}  // namespace vel
