#pragma once
// The real areas seen from the boat: the Exumas' sea colours and bank band,
// the mainland's far silhouettes, islands raised from their outlines, shoals
// on the water, the dock and the marks of the area's list.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// The sea's brush with the Exumas' own rules laid over `brush`: turquoise on
// the bank, deep blue in the sound.
int32_t RealSeaBrush(const Game& g, int32_t brush);

// From the sound by day, looking south-west to west: the bank's turquoise
// from the horizon down to where the bank begins.
void drawExumasBankBand(gfx::DC& dc, Game& g);
// The mainland of each real area behind its shore profiles.
void drawRealFarLand(gfx::DC& dc, Game& g);
// The charted shoals, pale on the water; drawn before the land.
void drawRealShoals(gfx::DC& dc, Game& g);
// Islands far to near (without the true coast), the dock and the mark list.
void drawRealAreaFeatures(gfx::DC& dc, Game& g);

// Maine's summer anchorage full of boats, seen within two miles of it.
void drawMaineAnchorage(gfx::DC& dc, Game& g);

void drawRealIsland(gfx::DC& dc, Game& g, int32_t i);
void drawRealShoal(gfx::DC& dc, Game& g, int32_t i);

// Height of a tree drawn at screen column `column`, before the depth scale.
int32_t RealTreeHeight(const Game& g, int32_t column);

}  // namespace vel
