#pragma once
// The big object pass: islands, marks, lights, mooring buoys, ships and the
// anchored fleet of the object list, drawn far to near.
#include <span>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

void drawObjectPass(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    int32_t horizonRow);

// Sorting keys of the object pass (index 1..count): the projected row, with
// the drawing-order adjustments; 20000 leaves an entry out. Reads the
// projection of each entry from its slot.
void ObjectRowKeys(const Game& g, std::span<int32_t> keys, int32_t count, std::span<const bool> hidden);

// The uncharted reefs of the Bahamian islands are drawn before the waves,
// not among the objects.
bool ReefDrawnEarlier(const Game& g, int32_t i);

}  // namespace vel
