// passage REGION: the landmasses, islands, rocks, lights, marks, shallows and
// names of a passage region, written as the C++ table file the game compiles.
//
// Landmasses keep their ellipse recipe and store one radius factor per
// vertex, fitted so that each vertex lies on the real shore along its ray.
// Islands are the ellipses with the area and second moments of the real
// islands; rocks are the smallest islets of the data set. Named features are
// picked by an approximate latitude and longitude (below, to about a mile),
// which only chooses the shoreline piece: every stored shape comes from GSHHG.
#include "geodata/passages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/helpers.h"
#include "geodata/emit.h"
#include "geodata/fit.h"
#include "geodata/shoreline.h"
#include "world/geo.h"
#include "world/passage_data.h"

namespace vel::geodata {
namespace {

constexpr double kUnitsPerSquareMile = 300.0 * 300.0;

struct Piece {
    std::vector<AreaPoint> pts;
    bool closed = false;
    double areaMiles = 0;  // square miles; 0 for a piece cut by the box
    AreaPoint centroid{};
    bool taken = false;
};

// How a landmass picks the shore on each vertex's ray: the first crossing
// from its centre (a centre on the land it stands for), or the last one
// within reach (the seaward side of lagoons, bays and off-lying islands).
enum class Crossing { First, Last };

struct LandSpec {
    const char* name;
    // Ellipse recipe; radius 0 = fitted to the first seed's island.
    int32_t x, y, radius;
    double aspect;
    int32_t rotationDeg;
    int32_t firstVertex, lastVertex;
    LatLon seeds[2];
    int seedCount;
    // Closed pieces of at least this many square miles with their centroid
    // in [xMin, xMax] also belong to the landmass (barrier and coastal
    // islands); 0 = none.
    double withIslands;
    double xMin, xMax;
    Crossing crossing;
    double reach;  // crossings farther than reach x the ellipse radius are ignored
    // Shore east of this x belongs to another landmass: a ray that meets
    // the shore only there stops at its first crossing, inland.
    double eastLimit = 1e9;
    // A ray that meets no shore at all takes this factor instead of its
    // neighbours' (0: it does): small where it runs out over the sea past
    // the end of the coast, large where it runs inland out of the area.
    double noHit = 0;
};

struct IslandSpec {
    const char* name;
    LatLon at;
};

// A light on a named landmass or island (the feature's name above).
struct LightSpec {
    const char* feature;
    LatLon at;
};

// A pair of marks across the gap between two features, red on the side of
// the first; or a single beacon at a position.
struct MarkSpec {
    const char* name;
    int32_t kind;  // 23 red (with 24 green across), 25 beacon
    LatLon a, b;
};

struct BoxSpec {
    const char* name;
    double south, north, west, east;
    int32_t cap;
};

struct NameSpec {
    const char* text;
    LatLon at;
    const char* style;
};

struct RegionSpec {
    int32_t region;
    int32_t areaCode;
    const char* symbol;
    const char* title;
    std::vector<LandSpec> lands;
    std::vector<IslandSpec> islands;
    int32_t islandSlots;  // landmasses + islands
    // Slots left over take the largest remaining islands east of this x;
    // from slot `reefFrom` on only small ones on the bank (reefs and cays).
    double autoIslandMinX;
    int32_t reefFrom;
    std::vector<LatLon> rockSeeds;  // rocks placed first
    int32_t rockCount;
    std::vector<LightSpec> lights;
    std::vector<MarkSpec> marks;
    std::vector<BoxSpec> shallows;
    std::vector<NameSpec> names;
    // The start circles' centres (the game's own values), open water that
    // no landmass outline may cover.
    std::vector<AreaPoint> anchorages;
};

// ---- Region 5: Florida - Bahamas -------------------------------------------------------------
RegionSpec FloridaBahamas() {
    RegionSpec r;
    r.region = 5;
    r.areaCode = 5;
    r.symbol = "kFloridaBahamas";
    r.title = "Florida - Bahamas passages (areas 5 and 6)";
    r.lands = {
        // Florida's Atlantic coast; the shore faces east on vertices 1..89.
        {"Florida", -24000, 2000, 23000, 0.3, 0, 1, 89, {{26.50, -80.20}}, 1, 0.3, -1e9, -18000, Crossing::Last, 1.6},
        {"Grand Bahama", 0, 0, 0, 0, 0, 0, 179, {{26.62, -78.40}, {26.68, -78.95}}, 2, 0, 0, 0, Crossing::Last, 1.6},
        {"Great Abaco", 0, 0, 0, 0, 0, 0, 179, {{26.40, -77.20}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        // North Andros reaches into the south-east corner of the passage.
        {"Andros", 12500, 27000, 9000, 0.7, 0, 0, 179, {{24.90, -78.10}}, 1, 0, 0, 0, Crossing::First, 1.8},
    };
    r.islands = {
        {"Bimini", {25.74, -79.265}},
        {"Gun Cay", {25.575, -79.30}},       {"North Cat Cay", {25.555, -79.275}},
        {"South Cat Cay", {25.525, -79.265}}, {"Ocean Cay", {25.42, -79.21}},
        {"Great Isaac", {26.03, -79.09}},    {"Great Stirrup Cay", {25.825, -77.91}},
        {"Great Harbour Cay", {25.75, -77.85}}, {"Little Harbour Cay", {25.57, -77.72}},
        {"Frazers Hog Cay", {25.40, -77.83}}, {"Chubb Cay", {25.41, -77.90}},
        {"Whale Cay", {25.45, -77.80}},      {"Little Stirrup Cay", {25.815, -77.94}},
        {"Hoffmans Cay", {25.62, -77.74}},
    };
    r.islandSlots = 36;
    r.autoIslandMinX = -6500;  // islands above slot 11 count only east of the stream
    r.reefFrom = 21;
    r.anchorages = {{-16982, -10776}, {-18029, 509}, {-20138, 10019}, {17571, 11000}, {17952, 4769}};
    r.rockSeeds = {{25.80, -79.26}};  // North Rock, with its light
    r.rockCount = 40;
    r.lights = {
        {"Florida", {26.948, -80.082}},     // Jupiter Inlet
        {"Florida", {26.259, -80.081}},     // Hillsboro Inlet
        {"Florida", {25.667, -80.156}},     // Cape Florida
        {"Great Isaac", {26.030, -79.090}}, {"Gun Cay", {25.574, -79.298}},
        {"Great Stirrup Cay", {25.823, -77.900}},
    };
    r.marks = {
        {"Government Cut", 23, {25.762, -80.10}, {25.757, -80.10}},
        {"Gun Cay - Cat Cay", 23, {25.575, -79.30}, {25.555, -79.275}},
        {"Northwest Channel", 25, {25.47, -78.16}, {25.47, -78.16}},
        {"Chubb Cay", 25, {25.40, -77.88}, {25.40, -77.88}},
    };
    r.names = {
        {"Palm Beach", {26.705, -80.036}, "Place"},        {"Ft Lauderdale", {26.12, -80.14}, "Place"},
        {"Miami", {25.775, -80.19}, "Place"},              {"FLORIDA", {26.40, -80.28}, "Place"},
        {"Bimini", {25.73, -79.28}, "Anchorage"},          {"Gun小島", {25.575, -79.30}, "Anchorage"},
        {"Cat小島", {25.55, -79.275}, "Anchorage"},         {"Chubb小島", {25.41, -77.90}, "Anchorage"},
        {"Great Stirrup", {25.825, -77.91}, "Place"},      {"Great ﾊｰﾊﾞｰ 小島", {25.75, -77.85}, "Anchorage"},
        {"Little ﾊｰﾊﾞｰ 小島", {25.56, -77.72}, "Anchorage"}, {"Great Issac", {26.03, -79.09}, "Place"},
        {"North Rock", {25.80, -79.26}, "Place"},          {"Mackie 浅瀬", {25.70, -78.65}, "Place"},
        {"Northwest 運河", {25.47, -78.16}, "Place"},       {"Grand Bahama 堆", {25.55, -78.45}, "Place"},
        {"Gulf Stream", {26.10, -79.62}, "Place"},
    };
    return r;
}

// ---- Region 6: Maine - Nova Scotia -----------------------------------------------------------
RegionSpec MaineNovaScotia() {
    RegionSpec r;
    r.region = 6;
    r.areaCode = 7;
    r.symbol = "kMaineNovaScotia";
    r.title = "Maine - Nova Scotia passages (areas 7 and 8)";
    r.lands = {
        // The Downeast coast from Mount Desert to Machias, facing south-east
        // on vertices 1..65; its north-east tip lies off Cutler.
        {"Maine coast", -24000, -10000, 15000, 0.5, 60, 1, 65, {{44.80, -68.00}}, 1, 5.0, -1e9, -12000, Crossing::Last,
         1.5, -16500, 0.15},
        // South-west Nova Scotia, from Shelburne round Cape Sable to St Mary's Bay.
        {"Nova Scotia", 22000, -6000, 15000, 0.6, 45, 70, 144, {{44.00, -65.50}}, 1, 1.0, 7000, 1e9, Crossing::Last,
         1.5, 1e9, 1.5},
        {"Yarmouth shore", 10000, -5000, 8000, 0.6, 10, 0, 179, {{44.00, -65.90}}, 1, 0, 0, 0, Crossing::First, 1.6},
        {"Long Island", 0, 0, 0, 0, 0, 0, 179, {{44.33, -66.25}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        {"Campobello Island", 0, 0, 0, 0, 0, 0, 179, {{44.88, -66.93}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        {"Petit Manan to Lubec", -14000, -19500, 9000, 0.7, 60, 0, 179, {{44.85, -67.40}}, 1, 0, 0, 0,
         Crossing::First, 1.8},
        {"Mount Desert Island", 0, 0, 0, 0, 0, 0, 179, {{44.34, -68.30}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        {"Cape Sable Island", 0, 0, 0, 0, 0, 0, 179, {{43.47, -65.62}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        {"Grand Manan", 0, 0, 0, 0, 0, 0, 179, {{44.70, -66.80}}, 1, 0, 0, 0, Crossing::Last, 1.6},
        {"Great Wass Island", 0, 0, 0, 0, 0, 0, 179, {{44.49, -67.60}}, 1, 0, 0, 0, Crossing::Last, 1.6},
    };
    r.islands = {
        {"Brier Island", {44.25, -66.36}},    {"Great Duck Island", {44.142, -68.246}},
        {"Mistake Island", {44.475, -67.53}}, {"Petit Manan Island", {44.367, -67.865}},
        {"Seal Island", {43.42, -66.01}},     {"Bon Portage Island", {43.46, -65.745}},
        {"Machias Seal Island", {44.50, -67.10}},
        {"Roque Island", {44.58, -67.53}},    {"McNutts Island", {43.63, -65.30}},
        {"Swans Island", {44.16, -68.43}},    {"Great Cranberry Island", {44.245, -68.27}},
    };
    r.islandSlots = 22;
    r.autoIslandMinX = -1e9;
    r.reefFrom = 99;
    r.anchorages = {{-13622, -14970}, {-16376, -11857}, {-21664, -8247}, {16260, 3700}};
    r.rockSeeds = {{43.969, -68.128}};  // Mount Desert Rock
    r.rockCount = 45;
    r.lights = {
        {"Great Duck Island", {44.142, -68.246}},   {"Mistake Island", {44.474, -67.532}},  // Moose Peak
        {"Petit Manan Island", {44.367, -67.864}},  {"Machias Seal Island", {44.502, -67.101}},
        {"Seal Island", {43.395, -66.014}},         {"Brier Island", {44.249, -66.392}},
        {"Cape Sable Island", {43.390, -65.621}},
    };
    r.marks = {
        {"Shelburne Harbour", 23, {43.63, -65.30}, {43.66, -65.34}},
        {"Cutler Harbor", 25, {44.65, -67.19}, {44.65, -67.19}},
        {"Yarmouth", 25, {43.79, -66.16}, {43.79, -66.16}},
        {"Lurcher Shoal", 25, {43.81, -66.50}, {43.81, -66.50}},
    };
    r.shallows = {
        {"Tusket Islands", 43.62, 43.77, -66.10, -65.92, 10},
        {"Barrington Bay", 43.45, 43.57, -65.66, -65.56, 10},
        {"Lurcher Shoal", 43.78, 43.85, -66.55, -66.43, 20},
        {"Pleasant and Narraguagus Bays", 44.44, 44.55, -67.90, -67.72, 20},
        {"Machias Bay", 44.62, 44.71, -67.42, -67.30, 10},
    };
    r.names = {
        {"Shelburne", {43.76, -65.32}, "Anchorage"},   {"Brier I", {44.25, -66.36}, "Place"},
        {"Grand Manan", {44.70, -66.80}, "Place"},     {"Mt Desert I", {44.34, -68.30}, "Place"},
        {"Mistake I", {44.475, -67.53}, "Anchorage"},  {"Cutler", {44.657, -67.21}, "Anchorage"},
        {"MAINE", {44.85, -67.90}, "Place"},           {"Great Duck I", {44.142, -68.246}, "Place"},
        {"NOVA SCOTIA", {44.10, -65.60}, "Place"},     {"Sable 岬", {43.39, -65.62}, "Place"},
        {"Yarmouth", {43.84, -66.12}, "Anchorage"},
    };
    return r;
}

// ---- Geometry ------------------------------------------------------------------------------------

bool Inside(const std::vector<AreaPoint>& poly, AreaPoint p) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const AreaPoint a = poly[i], b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

double SegmentDistance(AreaPoint p, AreaPoint a, AreaPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = dx * dx + dy * dy;
    const double t = len > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double PieceDistance(const Piece& s, AreaPoint p) {
    if (s.closed && Inside(s.pts, p)) return 0;
    double best = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i + 1 < s.pts.size(); ++i) best = std::min(best, SegmentDistance(p, s.pts[i], s.pts[i + 1]));
    return best;
}

// Every distance along the ray from o in direction (dx, dy) (a unit vector)
// at which it crosses the polyline.
void Crossings(const std::vector<AreaPoint>& line, AreaPoint o, double dx, double dy, std::vector<double>& out) {
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const double ex = line[i + 1].x - line[i].x, ey = line[i + 1].y - line[i].y;
        const double den = dx * ey - dy * ex;
        if (std::fabs(den) < 1e-12) continue;
        const double wx = line[i].x - o.x, wy = line[i].y - o.y;
        const double t = (wx * ey - wy * ex) / den;
        const double u = (wx * dy - wy * dx) / den;
        if (t > 0 && u >= 0 && u < 1) out.push_back(t);
    }
}

std::vector<Piece> LoadPieces(const GeoProjection& p, double half) {
    std::vector<Piece> out;
    for (Shoreline& s : ReadShorelines(AreaBox(p, half), p)) {
        Piece piece;
        piece.pts = std::move(s.pts);
        piece.closed = s.closed;
        if (piece.closed && piece.pts.size() >= 4) {
            piece.areaMiles = std::fabs(SignedArea(piece.pts)) / kUnitsPerSquareMile;
            try {
                const EllipseFit f = FitEllipse(piece.pts);
                piece.centroid = {f.cx, f.cy};
            } catch (const std::invalid_argument&) {
                piece.areaMiles = 0;
            }
        }
        out.push_back(std::move(piece));
    }
    return out;
}

// The piece that holds the point, else the nearest one within `within`
// units (a landmass seed lies inland, away from any shore).
Piece* PieceAt(std::vector<Piece>& pieces, AreaPoint p, bool closedOnly, double within = 600) {
    Piece* best = nullptr;
    double bestD = within;
    for (Piece& s : pieces) {
        if (closedOnly && (!s.closed || s.areaMiles <= 0)) continue;
        const double d = PieceDistance(s, p);
        if (d < bestD) {
            bestD = d;
            best = &s;
        }
    }
    return best;
}

// ---- Landmasses ----------------------------------------------------------------------------------

// A ray that grazes the coast meets it far from its neighbours' shore: such
// a vertex (a spike out or a notch in, by a quarter and 500 units) takes the
// crossing of its own ray that lies nearest its neighbours' distance.
void Despike(std::vector<double>& factor, const std::vector<std::vector<double>>& candidates,
             const LandmassRecipe& m) {
    const auto dist = [&](int v, double f) {
        const Offset o = EllipsePoint(LandmassBaseRadius(m, v) * f, m.aspect, m.rotationDeg * kDegToRad, 2.0 * v);
        return std::hypot(o.dx, o.dy);
    };
    for (int pass = 0; pass < 4; ++pass)
        for (int v = 0; v < kLandmassVertices; ++v) {
            const int a = (v + kLandmassVertices - 1) % kLandmassVertices, b = (v + 1) % kLandmassVertices;
            if (factor[v] <= 0 || factor[a] <= 0 || factor[b] <= 0) continue;
            const double r = dist(v, factor[v]), ra = dist(a, factor[a]), rb = dist(b, factor[b]);
            const bool spike = r > 1.25 * std::max(ra, rb) && r - std::max(ra, rb) > 500;
            const bool notch = r < 0.75 * std::min(ra, rb) && std::min(ra, rb) - r > 500;
            if (!spike && !notch) continue;
            const double want = (ra + rb) / 2;
            double best = factor[v], bestGap = std::fabs(r - want);
            for (double f : candidates[v])
                if (std::fabs(dist(v, f) - want) < bestGap) {
                    bestGap = std::fabs(dist(v, f) - want);
                    best = f;
                }
            // No crossing near the neighbours: the vertex follows them.
            factor[v] = bestGap < 0.25 * want ? best : (factor[a] + factor[b]) / 2;
        }
}

struct FittedLand {
    LandmassRecipe recipe{};
    std::vector<const Piece*> shore;
};

std::vector<AreaPoint> Outline(const std::vector<double>& factor, const LandmassRecipe& m) {
    std::vector<AreaPoint> out;
    for (int v = 0; v < kLandmassVertices; ++v) {
        const Offset o = EllipsePoint(LandmassBaseRadius(m, v) * std::max(factor[v], 0.0), m.aspect,
                                      m.rotationDeg * kDegToRad, 2.0 * v);
        out.push_back({m.x + o.dx, m.y + o.dy});
    }
    return out;
}

// A straight edge between two far-apart vertices can cut across a bay with
// an anchorage in it: the vertices on either side of it fall back to nearer
// crossings of their rays until the anchorage lies outside.
void KeepOpen(std::vector<double>& factor, const std::vector<std::vector<double>>& candidates,
              const LandmassRecipe& m, const std::vector<AreaPoint>& anchorages) {
    for (const AreaPoint& c : anchorages)
        for (int tries = 0; tries < 8 && Inside(Outline(factor, m), c); ++tries) {
            const std::vector<AreaPoint> o = Outline(factor, m);
            // The edge whose wedge from the centre holds the anchorage.
            int edge = 0;
            for (int v = 0; v < kLandmassVertices; ++v) {
                const AreaPoint a = o[v], b = o[(v + 1) % kLandmassVertices], z{double(m.x), double(m.y)};
                const auto side = [](AreaPoint p, AreaPoint q, AreaPoint r) {
                    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
                };
                if (side(z, a, c) >= 0 && side(z, b, c) <= 0) edge = v;
            }
            const double dc = std::hypot(c.x - m.x, c.y - m.y);
            for (int k = -tries; k <= tries + 1; ++k) {
                const int v = (edge + k + kLandmassVertices) % kLandmassVertices;
                const double len = std::hypot(o[v].x - m.x, o[v].y - m.y) / std::max(factor[v], 1e-9);
                double best = -1;
                for (double f : candidates[v])
                    if (f * len < dc - 150 && f > best) best = f;
                if (best > 0) factor[v] = best;
            }
        }
}

// The shoreline pieces a landmass stands for, picked by its seeds.
FittedLand SeedLand(const LandSpec& land, std::vector<Piece>& pieces, const GeoProjection& p) {
    FittedLand out;
    for (int i = 0; i < land.seedCount; ++i) {
        Piece* s = PieceAt(pieces, AreaFromLatLon(p, land.seeds[i]), false, 6000);
        if (!s) throw std::runtime_error(std::string("no shore for landmass ") + land.name);
        s->taken = true;
        out.shore.push_back(s);
    }
    return out;
}

// Adds the coastal islands the landmass takes in and fits its factors.
void FitLand(const LandSpec& land, std::vector<Piece>& pieces, const std::vector<AreaPoint>& anchorages,
             FittedLand& out) {
    LandmassRecipe& m = out.recipe;
    m = LandmassRecipe{land.x, land.y, land.radius, land.aspect, land.rotationDeg, 0.0, -1,
                       land.firstVertex, land.lastVertex, {}};
    if (land.radius == 0) {
        const EllipseFit f = FitEllipse(out.shore.front()->pts);
        m.x = static_cast<int32_t>(std::lround(f.cx));
        m.y = static_cast<int32_t>(std::lround(f.cy));
        m.radius = static_cast<int32_t>(std::min(23000.0, std::lround(f.R) * 1.0));
        m.aspect = std::round(f.aspect * 1000) / 1000;
        m.rotationDeg = static_cast<int32_t>(std::lround(f.bearingDeg));
    }
    if (land.withIslands > 0)
        for (Piece& s : pieces)
            if (!s.taken && s.closed && s.areaMiles >= land.withIslands && s.centroid.x >= land.xMin &&
                s.centroid.x <= land.xMax) {
                s.taken = true;
                out.shore.push_back(&s);
            }

    std::vector<double> factor(kLandmassVertices, -1);
    std::vector<std::vector<double>> candidates(kLandmassVertices);
    std::vector<double> hits;
    const double rot = m.rotationDeg * kDegToRad;
    for (int32_t v = 0; v < kLandmassVertices; ++v) {
        const double base = LandmassBaseRadius(m, v);
        const Offset o = EllipsePoint(base, m.aspect, rot, 2.0 * v);
        const double len = std::hypot(o.dx, o.dy);
        if (len <= 0) continue;
        hits.clear();
        for (const Piece* s : out.shore) Crossings(s->pts, {double(m.x), double(m.y)}, o.dx / len, o.dy / len, hits);
        std::erase_if(hits, [&](double t) { return t > land.reach * len; });
        if (hits.empty()) {
            if (land.noHit > 0) factor[v] = land.noHit;
            continue;
        }
        const auto eastOfLimit = [&](double t) { return m.x + o.dx / len * t > land.eastLimit; };
        const double first = *std::min_element(hits.begin(), hits.end());
        std::erase_if(hits, eastOfLimit);
        if (hits.empty()) hits.push_back(first);
        const double t = land.crossing == Crossing::First ? *std::min_element(hits.begin(), hits.end())
                                                          : *std::max_element(hits.begin(), hits.end());
        factor[v] = t / len;
        for (double h : hits) candidates[v].push_back(h / len);
    }
    Despike(factor, candidates, m);
    KeepOpen(factor, candidates, m, anchorages);
    // Rays that meet no shore within reach (the land behind, inland) take
    // the factor of their nearest neighbours on either side.
    std::vector<int> known;
    for (int v = 0; v < kLandmassVertices; ++v)
        if (factor[v] > 0) known.push_back(v);
    if (known.empty()) throw std::runtime_error(std::string("no shore on any ray of ") + land.name);
    std::vector<double> filled = factor;
    for (int v = 0; v < kLandmassVertices; ++v) {
        if (factor[v] > 0) continue;
        int before = -1, after = -1;
        for (int k = 1; k < kLandmassVertices && (before < 0 || after < 0); ++k) {
            if (before < 0 && factor[(v - k + kLandmassVertices) % kLandmassVertices] > 0) before = k;
            if (after < 0 && factor[(v + k) % kLandmassVertices] > 0) after = k;
        }
        const double fb = factor[(v - before + kLandmassVertices) % kLandmassVertices];
        const double fa = factor[(v + after) % kLandmassVertices];
        filled[v] = fb + (fa - fb) * before / double(before + after);
    }
    for (int v = 0; v < kLandmassVertices; ++v)
        m.shore[v] = static_cast<int16_t>(std::clamp(std::lround(filled[v] * 1000), 150L, 3000L));
}

// ---- Islands, rocks, lights ------------------------------------------------------------------

IslandRecipe IslandFrom(const Piece& s) {
    const EllipseFit f = FitEllipse(s.pts);
    return {static_cast<int32_t>(std::lround(f.cx)), static_cast<int32_t>(std::lround(f.cy)),
            std::max<int32_t>(10, static_cast<int32_t>(std::lround(f.R))), std::round(f.aspect * 1000) / 1000,
            static_cast<int32_t>(std::lround(f.bearingDeg))};
}

bool InArea(AreaPoint p) { return std::fabs(p.x) < 21000 && std::fabs(p.y) < 21000; }

// Outline point of a slot nearest to a position: a landmass vertex, or one
// of the 36 points of a recipe island (without its roughness).
int32_t NearestOutlinePoint(AreaPoint at, int32_t slot, const std::vector<FittedLand>& lands,
                            const std::vector<IslandRecipe>& islands) {
    const int32_t nl = static_cast<int32_t>(lands.size());
    int32_t best = 0;
    double bestD = std::numeric_limits<double>::max();
    const auto consider = [&](int32_t k, double x, double y) {
        const double d = std::hypot(x - at.x, y - at.y);
        if (d < bestD) {
            bestD = d;
            best = k;
        }
    };
    if (slot <= nl) {
        const LandmassRecipe& m = lands[slot - 1].recipe;
        for (int32_t v = 0; v < kLandmassVertices; ++v) {
            const Offset o = EllipsePoint(LandmassBaseRadius(m, v) * m.shore[v] / 1000.0, m.aspect,
                                          m.rotationDeg * kDegToRad, 2.0 * v);
            consider(v, m.x + o.dx, m.y + o.dy);
        }
    } else {
        const IslandRecipe& s = islands[slot - nl - 1];
        for (int32_t k = 0; k < 36; ++k) {
            const Offset o = EllipsePoint(s.radius, s.aspect, s.rotationDeg * kDegToRad, 10.0 * k);
            consider(k, s.x + o.dx, s.y + o.dy);
        }
    }
    return best;
}

// The closest pair of points of two pieces (their gap's two sides).
std::pair<AreaPoint, AreaPoint> Gap(const Piece& a, const Piece& b) {
    std::pair<AreaPoint, AreaPoint> best{};
    double bestD = std::numeric_limits<double>::max();
    for (const AreaPoint& p : a.pts)
        for (const AreaPoint& q : b.pts) {
            const double d = std::hypot(p.x - q.x, p.y - q.y);
            if (d < bestD) {
                bestD = d;
                best = {p, q};
            }
        }
    return best;
}

// ---- Writing ---------------------------------------------------------------------------------------

std::string Num(double v) {
    char s[32];
    std::snprintf(s, sizeof s, "%.3f", v);
    return s;
}

int32_t Round(double v) { return static_cast<int32_t>(std::lround(v)); }

void Write(std::ostream& out, const RegionSpec& land, const GeoProjection& p, const std::vector<FittedLand>& lands,
           const std::vector<std::pair<std::string, IslandRecipe>>& islands, const std::vector<StoredRock>& rocks,
           const std::vector<std::pair<std::string, PassageLight>>& lights,
           const std::vector<std::pair<std::string, PassageMark>>& marks) {
    WriteGeneratedHeader(out, std::string("Stored tables of the ") + land.title + ".",
                         "tools/geodata/regenerate.sh (velmara-geodata passage " + std::to_string(land.region) + ")");
    out << "// Named features, lights, marks, shallows and place names were picked by\n"
        << "// approximate positions (to about a mile) from general charts of the area;\n"
        << "// the shapes and positions stored come from the shorelines, except the\n"
        << "// shallows, the single beacons and the names, which keep those positions.\n\n"
        << "#include \"world/passage_data.h\"\n\nnamespace vel {\nnamespace {\n\n";
    out << "constexpr LandmassRecipe kLandmasses[] = {\n";
    for (const FittedLand& f : lands) {
        const LandmassRecipe& m = f.recipe;
        out << "    {" << m.x << ", " << m.y << ", " << m.radius << ", " << Num(m.aspect) << ", " << m.rotationDeg
            << ", " << Num(m.deform) << ", " << m.bulge << ", " << m.firstVertex << ", " << m.lastVertex
            << ",\n     {";
        for (int v = 0; v < kLandmassVertices; ++v)
            out << (v ? (v % 15 == 0 ? ",\n      " : ", ") : "") << m.shore[v];
        out << "}},\n";
    }
    out << "};\n\n// Slots after the landmasses, in order.\nconstexpr IslandRecipe kIslands[] = {\n";
    for (const auto& [name, s] : islands)
        out << "    {" << s.x << ", " << s.y << ", " << s.radius << ", " << Num(s.aspect) << ", " << s.rotationDeg
            << "},  // " << name << "\n";
    out << "};\n\nconstexpr StoredRock kRocks[] = {\n";
    for (std::size_t i = 0; i < rocks.size(); ++i)
        out << (i % 4 == 0 ? "    " : " ") << "{" << rocks[i].x << ", " << rocks[i].y << ", " << rocks[i].visible
            << "}," << (i % 4 == 3 || i + 1 == rocks.size() ? "\n" : "");
    out << "};\n\nconstexpr PassageLight kLights[] = {\n";
    for (const auto& [name, l] : lights) out << "    {" << l.slot << ", " << l.point << "},  // " << name << "\n";
    out << "};\n\nconstexpr PassageMark kMarks[] = {\n";
    for (const auto& [name, m] : marks) out << "    {" << m.kind << ", " << m.x << ", " << m.y << "},  // " << name << "\n";
    out << "};\n\n";
    if (land.shallows.empty()) {
        out << "constexpr std::span<const DepthBox> kShallows{};\n\n";
    } else {
        out << "constexpr DepthBox kShallows[] = {\n";
        for (const BoxSpec& b : land.shallows) {
            const AreaPoint nw = AreaFromLatLon(p, {b.north, b.west}), se = AreaFromLatLon(p, {b.south, b.east});
            out << "    {" << Round(nw.x) << ", " << Round(se.x) << ", " << Round(nw.y) << ", " << Round(se.y) << ", "
                << b.cap << "},  // " << b.name << "\n";
        }
        out << "};\n\n";
    }
    out << "constexpr PlaceName kNames[] = {\n";
    for (const NameSpec& n : land.names) {
        const AreaPoint a = AreaFromLatLon(p, n.at);
        out << "    {" << Round(a.x) << ", " << Round(a.y) << ", \"" << n.text << "\", NameStyle::" << n.style
            << "},\n";
    }
    out << "};\n\n}  // namespace\n\nconst PassageRegion " << land.symbol
        << " = {kLandmasses, kIslands, kRocks, kLights, kMarks, kShallows, kNames};\n\n}  // namespace vel\n";
}

int Generate(const RegionSpec& land) {
    const GeoProjection* p = ProjectionForArea(land.areaCode);
    if (!p) throw std::runtime_error("no projection");
    std::vector<Piece> pieces = LoadPieces(*p, 45000);

    // Mainland pieces first, then the named islands (which keep their own
    // slots), then the coastal islands the landmasses take in.
    std::vector<FittedLand> lands;
    for (const LandSpec& l : land.lands) lands.push_back(SeedLand(l, pieces, *p));
    std::vector<std::pair<std::string, IslandRecipe>> islands;
    for (const IslandSpec& s : land.islands) {
        Piece* piece = PieceAt(pieces, AreaFromLatLon(*p, s.at), true);
        if (!piece || piece->taken) {
            std::cerr << "passage " << land.region << ": no island of its own for " << s.name << ", filled below\n";
            continue;
        }
        piece->taken = true;
        islands.emplace_back(s.name, IslandFrom(*piece));
    }
    for (std::size_t i = 0; i < lands.size(); ++i) FitLand(land.lands[i], pieces, land.anchorages, lands[i]);
    // The remaining slots take the largest islands left in the area.
    const int32_t wanted = land.islandSlots - static_cast<int32_t>(land.lands.size());
    std::vector<Piece*> rest;
    for (Piece& s : pieces)
        if (!s.taken && s.closed && s.areaMiles > 0 && InArea(s.centroid) && s.centroid.x > land.autoIslandMinX)
            rest.push_back(&s);
    std::stable_sort(rest.begin(), rest.end(), [](const Piece* a, const Piece* b) { return a->areaMiles > b->areaMiles; });
    const int32_t firstIsland = static_cast<int32_t>(land.lands.size()) + 1;
    const auto reefLike = [](const Piece* s) {
        return s->areaMiles < 0.6 && s->centroid.y > 0.19386134120049925 * s->centroid.x - 3000;
    };
    for (bool reefs : {false, true})
        for (Piece* s : rest) {
            const int32_t slot = firstIsland + static_cast<int32_t>(islands.size());
            if (slot - firstIsland >= wanted || (slot >= land.reefFrom) != reefs) break;
            if (s->taken || (reefs && !reefLike(s))) continue;
            s->taken = true;
        const LatLon g = LatLonFromArea(*p, s->centroid);
        char name[64];
            std::snprintf(name, sizeof name, "islet at %.3fN %.3fW", g.lat, -g.lon);
            islands.emplace_back(name, IslandFrom(*s));
        }
    if (static_cast<int32_t>(islands.size()) != wanted) throw std::runtime_error("not enough islands");

    // Rocks: the seeds' islets, then the smallest islets spread over the area.
    std::vector<StoredRock> rocks;
    for (const LatLon& seed : land.rockSeeds) {
        const AreaPoint a = AreaFromLatLon(*p, seed);
        Piece* s = PieceAt(pieces, a, true);
        const AreaPoint at = (s && !s->taken && s->areaMiles < 0.05) ? s->centroid : a;
        if (s && !s->taken && s->areaMiles < 0.05) s->taken = true;
        rocks.push_back({Round(at.x), Round(at.y), 1});
    }
    std::vector<AreaPoint> islets;
    for (Piece& s : pieces)
        if (!s.taken && s.closed && s.areaMiles > 0 && s.areaMiles < 0.05 && InArea(s.centroid))
            islets.push_back(s.centroid);
    // Farthest-point order: each next rock the islet farthest from those taken.
    while (static_cast<int32_t>(rocks.size()) < land.rockCount && !islets.empty()) {
        std::size_t pick = 0;
        double far = -1;
        for (std::size_t i = 0; i < islets.size(); ++i) {
            double nearest = std::numeric_limits<double>::max();
            for (const StoredRock& r : rocks) nearest = std::min(nearest, std::hypot(islets[i].x - r.x, islets[i].y - r.y));
            if (rocks.empty()) nearest = -islets[i].y;
            if (nearest > far) {
                far = nearest;
                pick = i;
            }
        }
        rocks.push_back({Round(islets[pick].x), Round(islets[pick].y), 1});
        islets.erase(islets.begin() + static_cast<std::ptrdiff_t>(pick));
    }

    std::vector<IslandRecipe> plain;
    for (const auto& i : islands) plain.push_back(i.second);
    std::vector<std::pair<std::string, PassageLight>> lights;
    for (const LightSpec& l : land.lights) {
        int32_t slot = 0;
        for (std::size_t i = 0; i < land.lands.size(); ++i)
            if (std::string(land.lands[i].name) == l.feature) slot = static_cast<int32_t>(i) + 1;
        for (std::size_t i = 0; i < islands.size(); ++i)
            if (islands[i].first == l.feature) slot = firstIsland + static_cast<int32_t>(i);
        if (slot == 0) throw std::runtime_error(std::string("no slot for the light on ") + l.feature);
        const int32_t point = NearestOutlinePoint(AreaFromLatLon(*p, l.at), slot, lands, plain);
        lights.emplace_back(l.feature, PassageLight{slot, point});
    }

    std::vector<std::pair<std::string, PassageMark>> marks;
    for (const MarkSpec& m : land.marks) {
        const AreaPoint a = AreaFromLatLon(*p, m.a);
        if (m.kind == 25) {
            marks.emplace_back(m.name, PassageMark{25, Round(a.x), Round(a.y)});
            continue;
        }
        const AreaPoint b = AreaFromLatLon(*p, m.b);
        Piece* pa = PieceAt(pieces, a, false);
        Piece* pb = PieceAt(pieces, b, false);
        AreaPoint from = a, to = b;
        if (pa && pb && pa != pb) std::tie(from, to) = Gap(*pa, *pb);
        // A third of the way across the gap from each side.
        marks.emplace_back(m.name, PassageMark{23, Round(from.x + (to.x - from.x) / 3), Round(from.y + (to.y - from.y) / 3)});
        marks.emplace_back(m.name, PassageMark{24, Round(to.x + (from.x - to.x) / 3), Round(to.y + (from.y - to.y) / 3)});
    }
    Write(std::cout, land, *p, lands, islands, rocks, lights, marks);
    return 0;
}

}  // namespace

int PassageCommand(int argc, char** argv) {
    if (argc < 1) return 2;
    const int region = std::atoi(argv[0]);
    if (region == 5) return Generate(FloridaBahamas());
    if (region == 6) return Generate(MaineNovaScotia());
    std::cerr << "passage regions are 5 and 6\n";
    return 2;
}

}  // namespace vel::geodata
