#pragma once
// What the game keeps of the true shoreline of its area: the decoded cell
// index of the generated table, the distance from the shore, and the area's
// charted depths in area units (filled and read by world/shore.h and
// world/depth_facts.h).
#include <cstdint>
#include <vector>

namespace vel {

struct TrueShoreTable;

// Charted depths projected into area units (world/depth_facts.h).
struct ProjectedSounding {
    double x, y;
    int32_t feet;
};
struct ProjectedFact {
    int32_t shape, rule, feet;
    double reach;                 // radius or half-width, area units
    double minX, minY, maxX, maxY;  // where it can act
    std::vector<double> xy;       // points, x and y interleaved
};

struct ShoreMap {
    const TrueShoreTable* table = nullptr;
    std::vector<uint8_t> cls;        // per cell: kWater, kLand or kCoast
    std::vector<int32_t> coastAt;    // per cell: its entry in table->coast, or -1
    std::vector<float> reach;        // per block of cells: from its centre to the nearest block holding shore
    // The area's charted depths (world/depth_facts.cpp fills these).
    int32_t depthAreaCode = 0;
    double shoreFeet = 0, feetPerUnit = 0, capFeet = 0, soundingReach = 0;
    std::vector<ProjectedSounding> soundings;
    std::vector<ProjectedFact> facts;
};

}  // namespace vel
