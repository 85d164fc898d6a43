#pragma once
// Islands of the generated areas (and, later, of the passages): outline,
// sector radii and the per-slot recipes.
#include <cstdint>

#include "common/game.h"

namespace vel {

struct IslandShape {
    int32_t x = 0;
    int32_t y = 0;
    int32_t radius = 0;
    double aspect = 1.0;      // width / length
    int32_t rotationDeg = 0;  // bearing of the length
    int32_t notch = 0;        // first sector of a bay; 0 = none
};

// Stores the island in slot i and builds its rough outline (37 points, the
// last equal to the first) and its 36 sector radii.
void BuildIsland(Game& g, int32_t slot, const IslandShape& s);

// Slots 1..islandCount of a generated area, in order.
void BuildGeneratedIslands(Game& g);

}  // namespace vel
