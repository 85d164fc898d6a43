#pragma once
// What the anchor, pier and mooring commands do to the made-fast state; the
// menus, keys and panel buttons all come here.
#include "common/game.h"

namespace vel {

// The simulator speed in use when the boat was made fast comes back if the
// user has run faster since.
void RestoreStopSpeed(Game& g);

// Anchor k (1 or 2) goes down: the speed is kept for the restore, the clock
// may leap from the next even hour, a running engine drops to idle in
// neutral and the sails come down.
void LetGoAnchor(Game& g, int32_t k);
// Both anchors up, any tender errand cancelled.
void WeighAnchors(Game& g);
// The tender lays anchor 2 toward 0, 90, 180 or 270 degrees.
void LayAnchorByTender(Game& g, int32_t bearing);
void CastOffFromPier(Game& g);
void LetGoMooring(Game& g);

}  // namespace vel
