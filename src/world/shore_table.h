#pragma once
// The form of the generated true-shoreline tables (tools/geodata, `shore`).
#include <cstdint>
#include <span>

namespace vel {

// Where a coast cell's reference point lies from the cell's centre: off
// every line through two whole-unit points, so a segment from a query point
// to it never runs along a shore segment.
inline constexpr double kShoreRefDx = 0.3719, kShoreRefDy = 0.2903;

struct TrueShoreTable {
    int32_t areaCode;
    int32_t x0, y0, cell, nx, ny;  // the grid: nx by ny cells of `cell` units from (x0, y0)
    // Land rings, x and y interleaved, each closed (its last vertex repeats
    // its first); land lies inside an odd number of rings (lakes are rings
    // inside land, islands in lakes rings inside those).
    std::span<const int32_t> xy;
    std::span<const int32_t> rings;  // the first vertex of each ring, then the end
    // One letter per cell in rows from the north-west, run-length coded
    // ("W120C1L4..."): W all water, L all land, C coast.
    const char* cells;
    // Per coast cell in the same order: 1 when its reference point is land,
    // the number of runs, then each run's first segment and count (segment k
    // joins vertices k and k + 1).
    std::span<const int32_t> coast;
};

namespace shoredata {
extern const TrueShoreTable kShore5, kShore7, kShore11, kShore12, kShore20, kShore30;
}  // namespace shoredata

}  // namespace vel
