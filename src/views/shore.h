#pragma once
// Land seen from the boat: the mainland shore in bands with its trees and
// surf, islands, rocks, and the test that later details use to stay off
// land already drawn.
#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// 1 when the picture already shows land at (x, y): the land greens, or, by
// day, black.
int32_t LandPixelAt(const gfx::DC& dc, const Game& g, int32_t x, int32_t y);

// The fill of land: green by region, grey in black and white, dark at night.
int32_t LandBrush(const Game& g);

// Left and right extent of the shore band being drawn.
struct ShoreBand {
    int32_t left = 0;
    int32_t right = 0;
};

void drawShoreSilhouette(gfx::DC& dc, Game& g, int32_t horizonRow, int32_t firstPoint, int32_t lastPoint,
                         ShoreBand& band);
void drawShoreSegment(gfx::DC& dc, Game& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t horizonRow,
                      int32_t pointIndex, ShoreBand& band);
// The whole mainland of the generated areas, band by band, far bank first,
// then the breakwaters at the inlets.
void drawShoreBands(gfx::DC& dc, Game& g);

// A tree or building on the shore at screen (x, y); kind selects its shape.
void drawShoreTrees(gfx::DC& dc, Game& g, int32_t x, int32_t y, int32_t kind);

// Height of the land behind shore point i, in pixels at the bottom of the view.
int32_t ShoreLandHeight(const Game& g, int32_t i);

// Tree marks along the top edge of a land face from (x1, top1) to (x2, top2).
void DrawTreeLine(gfx::DC& dc, const Game& g, int32_t x1, int32_t top1, int32_t x2, int32_t top2, int32_t count,
                  bool near);

}  // namespace vel
