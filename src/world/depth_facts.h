#pragma once
// Charted depths of the passages and the real areas, compiled by hand from
// public charts. The true shoreline decides land and water; away from it the
// bottom falls by the area's slope until the soundings nearby say how deep the
// open water is; then the facts below, in their order, make the shoals, banks,
// channels and deep passages what the chart says they are.
#include <cstdint>
#include <span>

#include "world/real_data.h"

namespace vel {

// A charted sounding in open water, feet below mean low water.
struct Sounding {
    GeoPt at;
    int32_t feet;
};

enum class DepthRule : int32_t {
    // A shoal or bank: nowhere deeper than `feet` inside the shape; around
    // a circle the bottom then falls away by the area's slope. 0 = dries.
    AtMost,
    // A channel, deep passage or dredged harbour: at least `feet` wherever
    // the shore leaves water inside the shape (land stays land).
    AtLeast,
};

enum class DepthShape : int32_t {
    Circle,    // centre pts[0], radius `metres`
    Corridor,  // within `metres` of the polyline pts
    Zone,      // inside the polygon pts (closed implicitly)
};

struct DepthFact {
    DepthShape shape;
    DepthRule rule;
    int32_t feet;
    int32_t metres;  // radius or half-width; unused for zones
    std::span<const GeoPt> pts;
};

struct DepthFacts {
    int32_t areaCode;      // the passages list their first area (5 or 7)
    int32_t shoreFeet;     // depth right off the shore
    int32_t feetPerMile;   // how fast the bottom falls away from the shore
    int32_t capFeet;       // deepest the distance alone can make it
    int32_t soundingMiles; // a sounding speaks for the water this far round it
    std::span<const Sounding> soundings;
    std::span<const DepthFact> facts;  // applied in this order
};

// nullptr for the generated areas; the two directions of a passage share.
const DepthFacts* DepthFactsFor(int32_t areaCode);

struct ShoreMap;
struct ProjectedFact;

// Projects the area's charted depths into the map (empties them where the
// area has none).
void LoadDepthFacts(ShoreMap& m, int32_t areaCode);
struct GeoProjection;
void LoadDepthFacts(ShoreMap& m, const DepthFacts& f, const GeoProjection& p);

// Feet below mean low water at (x, y) from the true shore and the charted
// depths, before rocks; 0 on land and beyond the area's data.
double TrueDepth(const ShoreMap& m, int32_t x, int32_t y);

// Whether a charted fact is shoal water the chart paints pale: a shoal or
// bank no deeper than a keel draws, and (x, y) inside it.
inline constexpr int32_t kPaleShoalFeet = 25;
bool IsPaleShoal(const ProjectedFact& f);
bool InsideFact(const ProjectedFact& f, double x, double y);

namespace depthdata {
extern const DepthFacts kDepth11, kDepth12, kDepth20, kDepth30;  // the real areas
extern const DepthFacts kDepthFloridaBahamas;  // areas 5 and 6
extern const DepthFacts kDepthGulfOfMaine;     // areas 7 and 8
}  // namespace depthdata

}  // namespace vel
