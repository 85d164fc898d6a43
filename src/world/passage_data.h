#pragma once
// The stored tables of the two passage regions (Florida - Bahamas, Maine -
// Nova Scotia), generated from real shorelines by tools/geodata, and the
// shape rules that both the tool and the game apply to them.
#include <array>
#include <cstdint>
#include <span>

#include "world/place_names.h"
#include "world/real_data.h"

namespace vel {

inline constexpr int32_t kLandmassVertices = 180;  // every 2 degrees; vertex 180 closes the outline

// A landmass: an ellipse recipe whose radius each vertex scales by a stored
// factor, so that the outline lies on the real shore it stands for.
struct LandmassRecipe {
    int32_t x, y;          // centre
    int32_t radius;        // R of the recipe, at most 23000
    double aspect;         // width over length
    int32_t rotationDeg;   // bearing of vertex 0
    double deform;         // k of the one-sided sine deformation, 0 = none
    int32_t bulge;         // first vertex of a local bulge, -1 = none
    int32_t firstVertex;   // the stretch of shore the depth query works on
    int32_t lastVertex;
    std::array<int16_t, kLandmassVertices> shore;  // radius factor per vertex, thousandths
};

// An island of the recipe machinery: the ellipse fitted to a real island.
struct IslandRecipe {
    int32_t x, y;
    int32_t radius;
    double aspect;
    int32_t rotationDeg;
};

struct StoredRock {
    int32_t x, y;
    int32_t visible;  // 1: shows at all tides
};

// A lighthouse midway between slot's centre and one of its outline points
// (a landmass vertex, or a point of a recipe island's outline).
struct PassageLight {
    int32_t slot;
    int32_t point;
};

// A mark of the passages' own kinds (23 red, 24 green, 25 light beacon).
struct PassageMark {
    int32_t kind;
    int32_t x, y;
};

// A stretch of water no deeper than `cap` feet (strict bounds).
struct DepthBox {
    int32_t xMin, xMax, yMin, yMax;
    int32_t cap;
};

struct PassageRegion {
    std::span<const LandmassRecipe> landmasses;  // slots 1..n
    std::span<const IslandRecipe> islands;       // the slots after them
    std::span<const StoredRock> rocks;           // rock 1 first
    std::span<const PassageLight> lights;
    std::span<const PassageMark> marks;
    std::span<const DepthBox> shallows;
    std::span<const PlaceName> names;
};

extern const PassageRegion kFloridaBahamas;  // region 5
// Region 5's charted rocks and reefs, by hand; they replace its stored rocks.
extern const std::span<const RealRockFact> kFloridaBahamasRocks;
extern const PassageRegion kMaineNovaScotia;  // region 6

// The rocks region 6 places: charted rocks and ledges by hand, in latitude
// and longitude (its stored list holds the shoreline's smallest islets, land).
extern const std::span<const RealRockFact> kMaineNovaScotiaRocks;

// Radius of vertex v before its stored factor: R with the deformation and
// the bulge applied.
double LandmassBaseRadius(const LandmassRecipe& m, int32_t v);

// Offset of vertex v from the centre (x east, y south) for radius r: the
// island point formula at parametric angle 2 v degrees.
struct Offset {
    double dx, dy;
};
Offset EllipsePoint(double r, double aspect, double rotationRad, double angleDeg);

}  // namespace vel
