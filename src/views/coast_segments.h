#pragma once
// The shore segments of the true coastline around a point, as the radar and
// the sailing view take them: found through the cell grid, so only the cells
// within reach are visited.
#include <cstdint>
#include <vector>

#include "common/shore_map.h"
#include "world/shore_table.h"

namespace vel {

// Segment k joins vertices k and k + 1 of one ring.
struct CoastSegment {
    double ax, ay, bx, by;
};
inline CoastSegment SegmentOf(const TrueShoreTable& t, int32_t k) {
    return {double(t.xy[2 * k]), double(t.xy[2 * k + 1]), double(t.xy[2 * k + 2]), double(t.xy[2 * k + 3])};
}

// Where to look: within `radius` of (x, y) and, when `halfAngle` (radians)
// is below a half turn, within that angle either side of the direction
// (dirX, dirY), a unit vector with y south.
struct CoastWindow {
    double x, y, radius;
    double dirX = 0.0, dirY = -1.0, halfAngle = 4.0;
};

// The segments of the coast cells that reach into the window, each once, in
// rising order (neighbours along a ring stay neighbours).
void CoastSegmentsNear(const ShoreMap& m, const CoastWindow& w, std::vector<int32_t>& out);

// Whether (px, py) lies on the water side of the segment, so that its face is
// seen from there. The tables keep land on one side of every ring: to the
// right of the direction of travel with x east and y south.
inline bool FacesPoint(const CoastSegment& s, double px, double py) {
    return (s.bx - s.ax) * (py - s.ay) - (s.by - s.ay) * (px - s.ax) > 0.0;
}

}  // namespace vel
