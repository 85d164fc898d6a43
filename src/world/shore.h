#pragma once
// The true shoreline of the passages and the real areas at run time: land or
// water at any point, and how far the nearest shore is. Built once per area
// from the generated tables (world/shore_table.h) and kept while the area
// stays the same.
#include <cstdint>
#include "common/shore_map.h"
#include "world/shore_table.h"

namespace vel {

inline constexpr uint8_t kShoreWater = 0, kShoreLand = 1, kShoreCoast = 2;

// The table of an area (a passage's two directions share one); nullptr for
// the generated areas.
const TrueShoreTable* ShoreTableFor(int32_t areaCode);

// Loads the area's shoreline, or empties the map where the area has none.
// Keeps what is loaded when the table is the same.
void LoadShoreMap(ShoreMap& m, int32_t areaCode);
void LoadShoreTable(ShoreMap& m, const TrueShoreTable* t);

struct ShoreSample {
    bool land;
    double distance;  // to the nearest shore, area units; 0 on land
};

// Anything outside the table's box is land (the grey frame beyond the
// area's data). Only meaningful when m.table is set.
ShoreSample ShoreAt(const ShoreMap& m, int32_t x, int32_t y);

// Distance from (px, py) to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by);

}  // namespace vel
