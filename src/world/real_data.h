#pragma once
// Stored data of the four real areas (Southern New England 11, Chesapeake
// Bay 12, Maine 20, the Exumas 30). Two kinds of table per area:
// - the geography generated from GSHHG shorelines by tools/geodata
//   (`velmara-geodata real AREA`): shore profiles and island ellipses in area
//   units, and the names and light symbols projected from the hand tables;
// - hand-compiled facts (shoals, rocks, marks, lights, names, anchorages,
//   ship routes) kept in latitude and longitude where that is
//   how they are published, converted with the area's projection at load.
// Each table's file names its public source.
#include <array>
#include <cstdint>
#include <span>

#include "world/place_names.h"

namespace vel {

struct GeoPt {
    double lat, lon;
};

// ---- Generated geography ----------------------------------------------------

// A shore profile: entries 1..300 of the running axis at equal steps from
// runMin to runMax (entry 0 repeats entry 1), the shore's other coordinate.
struct ShoreTable {
    int32_t runMin = -30000, runMax = -30000;
    std::array<int32_t, 301> value{};
};

// An island or shoal: centre, nominal radius (half-length), across/along
// ratio, compass bearing of the long axis, the lopsided half (skew) and a
// local bulge of the outline, and the outline points that return a radar
// echo.
struct RealEllipseRow {
    int32_t x, y, R;
    double aspect;
    int32_t rotationDeg, skew, bulge, radarFirst, radarLast;
};

// A light's symbol on the chart: code 0..3 selects its fill (0 white, 1
// red, 2 green, 3 yellow/other).
struct RealLightSymbol {
    int32_t x, y, code;
};

struct RealGeo {
    ShoreTable shore;  // areas 11 and 20: shore y against x
    ShoreTable west;   // area 12: west shore x against y
    ShoreTable east;   // area 12: east shore x against y (open water south of runMax)
    std::span<const RealEllipseRow> islands;
    int32_t countA;  // the first countA islands are group A, the rest group B
    std::span<const RealEllipseRow> ledges;  // small islets gathered into shoals
    std::span<const PlaceName> names;
    std::span<const RealLightSymbol> lights;
};

// ---- Hand-compiled facts -------------------------------------------------------

struct RealShoalFact {
    GeoPt at;
    int32_t R;  // area units
    double aspect;
    int32_t rotationDeg, skew, bulge;
};

struct RealRockFact {
    GeoPt at;
    int32_t visible;  // 1: shows at all tides
};

struct RealMarkFact {
    GeoPt at;
    int32_t kind;  // mark kind code (world/aids.h)
};

struct RealLightFact {
    GeoPt at;
    int32_t code;
    const char* characteristic;  // written beside it on the chart
};

struct RealNameFact {
    GeoPt at;
    NameStyle style;
    const char* text;
};

// The anchorage in use while the boat is in a band of the area: boats lie on
// a grid of spacing sx, sy about the harbour point.
struct RealAnchorageBand {
    int32_t axis;    // 0: the band is a range of x, 1: of y
    int32_t lo, hi;  // lo < coordinate <= hi
    GeoPt harbour;
    int32_t sx, sy;
};

struct RealRoute {
    std::span<const GeoPt> points;  // up to 16 waypoints
};

struct RealFacts {
    GeoPt dock;
    int32_t dockOrientation;
    GeoPt pier;  // the marina pier's first corner point
    int32_t pierSeaSign;
    std::span<const RealShoalFact> shoals;
    int32_t shoalExtra;  // the last shoalExtra shoals count only on request
    std::span<const RealRockFact> rocks;
    std::span<const RealMarkFact> marks;
    std::span<const RealLightFact> lights;
    std::span<const RealNameFact> names;
    std::span<const RealAnchorageBand> anchorages;
    std::span<const GeoPt> shipRoute;  // ship 1 runs it forward, ship 2 backward
};

// nullptr for the areas that are not real areas.
const RealGeo* RealGeoFor(int32_t areaCode);
const RealFacts* RealFactsFor(int32_t areaCode);

struct GeoProjection;
struct AreaXY {
    int32_t x, y;
};
// A hand fact's position in area units, rounded to the nearest unit.
AreaXY ProjectFact(const GeoProjection& p, GeoPt g);

namespace realdata {
extern const RealGeo kGeo11, kGeo12, kGeo20, kGeo30;
extern const RealFacts kFacts11, kFacts12, kFacts20, kFacts30;
}  // namespace realdata

}  // namespace vel
