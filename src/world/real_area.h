#pragma once
// Building one of the four real areas from its stored tables at cruise
// start: shores, islands and shoals with their drawn outlines, the marina
// pier and the start dock, rocks, marks and hills.
#include <cstdint>

#include "common/game.h"

namespace vel {

// The real-area branch of the area builder; expects the world tables
// cleared and AreaGrid.unitsPerMile set. Unknown area codes build nothing.
void LoadRealArea(Game& g);

// The start dock at (x, y). Orientation 1: the dock runs east-west with its
// water to the south (berth headings 90 and 270); 3: water to the north (270
// and 90); 2: north-south with its water to the west (180 and 0); 4: water
// to the east (0 and 180). Any other orientation builds no dock.
void BuildDock(AreaGrid& a, int32_t x, int32_t y, int32_t orientation);

// A real island's or shoal's drawn outline: 72 points at 5-degree steps and
// a closing point, rough inward, pinched on its skewed side, bulged at its
// bulge sector.
void BuildRealOutline(Game& g, int32_t x, int32_t y, int32_t R, double aspect, double rotation, int32_t skew,
                      int32_t bulge, Arr2<int32_t, 73, 2>& out);

}  // namespace vel
