// real AREA: the generated tables of one real area (Southern New England 11,
// Chesapeake Bay 12, Maine 20, the Exumas 30) from the GSHHG shorelines:
// the mainland as the area's shore profile(s), islands as ellipses (the
// largest charted ones first, group A, then group B), the small islets left
// over gathered into drying ledges, and the names and light symbols of the
// hand tables projected into area units.
#include "geodata/real_areas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

#include "geodata/decompose.h"
#include "geodata/emit.h"
#include "geodata/raster.h"
#include "world/real_data.h"

namespace vel::geodata {
namespace {

enum class Profile { None, ShoreAgainstX, ShoresAgainstY };

struct AreaSetup {
    int32_t code;
    const char* name;
    double xMin, xMax, yMin, yMax;  // the area; islands are cut to it
    double cell;                    // raster cell, area units
    LatLon sea;                     // a point of open water
    std::vector<LatLon> mainland;   // points on the mainland, none for the Exumas
    Profile profile;
    double runMin, runMax;  // the profile's running range
    double eastRunMax;      // Chesapeake Bay: where the east shore ends (the cape)
    std::vector<LatLon> channel;  // Chesapeake Bay: the bay's length, north to south
    std::size_t countA, budget;   // islands: group A of the whole budget
    std::size_t ledges;           // drying ledges gathered from small islets
    double minIsland;             // square area units an island must cover
};

const std::vector<AreaSetup>& Setups() {
    static const std::vector<AreaSetup> setups = {
        {11, "Southern New England", -26000, 21000, -17000, 12000, 15.0, {41.0, -71.3},
         {{41.82, -71.40}}, Profile::ShoreAgainstX, -26000, 11100, 0, {}, 14, 84, 40, 12000},
        {12, "Chesapeake Bay", -12000, 12000, -13000, 13000, 8.0, {36.9, -75.8},
         {{38.5, -76.9}}, Profile::ShoresAgainstY, -12900, 12900, 7900,
         {{39.53, -76.07}, {39.35, -76.22}, {39.15, -76.38}, {38.95, -76.40}, {38.70, -76.43},
          {38.45, -76.38}, {38.20, -76.30}, {37.95, -76.22}, {37.70, -76.15}, {37.45, -76.12},
          {37.20, -76.10}, {37.00, -76.05}, {36.80, -75.85}},
         30, 60, 30, 4000},
        {20, "Maine", -19000, 19000, -12000, 12000, 9.0, {43.5, -68.5},
         {{44.8, -69.0}}, Profile::ShoreAgainstX, -19000, 16500, 0, {}, 36, 112, 80, 4000},
        {30, "the Exumas", -21000, 21000, -24000, 22000, 12.0, {24.3, -75.9},
         {}, Profile::None, 0, 0, 0, {}, 0, 84, 40, 3000},
    };
    return setups;
}

const AreaSetup& SetupFor(int32_t code) {
    for (const AreaSetup& s : Setups())
        if (s.code == code) return s;
    throw std::invalid_argument("no real area " + std::to_string(code));
}

bool InBox(const AreaSetup& s, AreaPoint p) { return p.x > s.xMin && p.x < s.xMax && p.y > s.yMin && p.y < s.yMax; }

// ---- Shore profiles -----------------------------------------------------------

double Step(double lo, double hi) { return (hi - lo) / 299.0; }

// Areas 11 and 20: coming from the open sea in the south, the first land of
// the mainland at each x.
ShoreTable ShoreAgainstX(const LandRaster& r, const std::set<int32_t>& main, const AreaSetup& s) {
    ShoreTable t;
    t.runMin = static_cast<int32_t>(s.runMin);
    t.runMax = static_cast<int32_t>(s.runMax);
    const double step = Step(t.runMin, t.runMax);
    for (int k = 1; k <= 300; ++k) {
        const int32_t i = r.Column(t.runMin + (k - 1) * step);
        int32_t y = static_cast<int32_t>(s.yMin);
        for (int32_t j = r.Row(s.yMax); j >= 0; --j) {
            if (main.count(r.Label(i, j))) {
                y = static_cast<int32_t>(std::lround(r.Centre({i, j}).y + r.cell() / 2));
                break;
            }
        }
        t.value[k] = y;
    }
    t.value[0] = t.value[1];
    return t;
}

double ChannelX(const AreaSetup& s, const GeoProjection& p, double y) {
    std::vector<AreaPoint> pts;
    for (const LatLon g : s.channel) pts.push_back(AreaFromLatLon(p, g));
    if (y <= pts.front().y) return pts.front().x;
    for (std::size_t k = 1; k < pts.size(); ++k)
        if (y <= pts[k].y)
            return pts[k - 1].x + (y - pts[k - 1].y) / (pts[k].y - pts[k - 1].y) * (pts[k].x - pts[k - 1].x);
    return pts.back().x;
}

// Area 12: from the bay's channel, the first mainland to the west and to the
// east of each y.
ShoreTable ShoreAgainstY(const LandRaster& r, const std::set<int32_t>& main, const AreaSetup& s,
                         const GeoProjection& p, double runMax, int dir) {
    ShoreTable t;
    t.runMin = static_cast<int32_t>(s.runMin);
    t.runMax = static_cast<int32_t>(runMax);
    const double step = Step(t.runMin, t.runMax);
    for (int k = 1; k <= 300; ++k) {
        const double y = t.runMin + (k - 1) * step;
        const int32_t j = r.Row(y);
        const double cx = ChannelX(s, p, y);
        int32_t x = static_cast<int32_t>(cx);
        for (int32_t i = r.Column(cx); r.Inside(i, j); i += dir) {
            if (main.count(r.Label(i, j))) {
                x = static_cast<int32_t>(std::lround(r.Centre({i, j}).x - dir * r.cell() / 2));
                break;
            }
        }
        t.value[k] = x;
    }
    t.value[0] = t.value[1];
    return t;
}

// Mainland cells that no profile covers: they are drawn and sounded as
// islands (Cape Cod east of the profile, Nova Scotia across the Bay of Fundy).
// Chesapeake Bay's shores run the area's whole length: its mainland is all
// profile.
bool OutsideProfile(const AreaSetup& s, AreaPoint c) {
    switch (s.profile) {
        case Profile::ShoreAgainstX: return c.x < s.runMin || c.x > s.runMax;
        case Profile::ShoresAgainstY: return false;
        case Profile::None: return true;
    }
    return true;
}

// ---- Islands ------------------------------------------------------------------

std::vector<LandPiece> LandPieces(const LandRaster& r, const std::set<int32_t>& main, const AreaSetup& s) {
    std::vector<LandPiece> out;
    auto comps = r.Components();
    for (int32_t l = 1; l < static_cast<int32_t>(comps.size()); ++l) {
        std::vector<Cell> keep;
        const bool isMain = main.count(l) > 0;
        for (const Cell c : comps[l]) {
            const AreaPoint at = r.Centre(c);
            if (InBox(s, at) && (!isMain || OutsideProfile(s, at))) keep.push_back(c);
        }
        if (keep.size() < 2) continue;
        LandPiece p;
        p.cells = std::move(keep);
        p.label = l;
        p.fit = FitCells(r, p.cells);
        out.push_back(std::move(p));
    }
    return out;
}

RealEllipseRow Row(const LandPiece& p) {
    const EllipseFit& e = p.fit;
    const RealEllipseRow row{static_cast<int32_t>(std::lround(e.cx)),
                             static_cast<int32_t>(std::lround(e.cy)),
                             static_cast<int32_t>(std::lround(e.R)),
                             std::round(e.aspect * 1000.0) / 1000.0,
                             static_cast<int32_t>(std::lround(e.bearingDeg)) % 180,
                             p.skew,
                             p.bulge,
                             p.radarFirst,
                             p.radarLast};
    // A zero radius or aspect would be divided by in every depth query.
    if (row.R <= 0 || !(row.aspect > 0)) throw std::invalid_argument("island row with no radius or no width");
    return row;
}

// Small islets close together become one drying ledge.
std::vector<RealEllipseRow> Ledges(const LandRaster& r, const std::vector<LandPiece>& left, std::size_t budget,
                                   double join) {
    std::vector<std::size_t> parent(left.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&](std::size_t a) {
        while (parent[a] != a) a = parent[a] = parent[parent[a]];
        return a;
    };
    for (std::size_t a = 0; a < left.size(); ++a)
        for (std::size_t b = a + 1; b < left.size(); ++b)
            if (std::hypot(left[a].fit.cx - left[b].fit.cx, left[a].fit.cy - left[b].fit.cy) <
                join + left[a].fit.R + left[b].fit.R)
                parent[root(a)] = root(b);
    std::vector<std::vector<Cell>> groups(left.size());
    for (std::size_t a = 0; a < left.size(); ++a) {
        auto& g = groups[root(a)];
        g.insert(g.end(), left[a].cells.begin(), left[a].cells.end());
    }
    std::erase_if(groups, [](const std::vector<Cell>& g) { return g.size() < 2; });
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    if (groups.size() > budget) groups.resize(budget);
    std::vector<RealEllipseRow> rows;
    for (const auto& g : groups) {
        LandPiece p;
        p.cells = g;
        p.fit = FitCells(r, g);
        // A ledge dries beyond the rocks that show: a little wider, and never
        // narrower than a few cells.
        p.fit.R = std::max(p.fit.R * 1.2, 3 * r.cell());
        p.fit.aspect = std::max(p.fit.aspect, 0.25);
        rows.push_back(Row(p));
    }
    return rows;
}

// ---- Output -------------------------------------------------------------------

std::string Quoted(const char* s) {
    std::string out = "\"";
    for (const char* c = s; *c; ++c) {
        if (*c == '"' || *c == '\\') out += '\\';
        out += *c;
    }
    return out + "\"";
}

const char* StyleName(NameStyle s) {
    switch (s) {
        case NameStyle::Place: return "NameStyle::Place";
        case NameStyle::Anchorage: return "NameStyle::Anchorage";
        case NameStyle::AidLabel: return "NameStyle::AidLabel";
        case NameStyle::LightLabel: return "NameStyle::LightLabel";
    }
    return "NameStyle::Place";
}

void WriteShore(std::ostream& out, const char* field, const ShoreTable& t) {
    out << "    ." << field << " = {" << t.runMin << ", " << t.runMax << ", {";
    for (int k = 0; k <= 300; ++k) out << (k % 12 == 0 ? "\n        " : " ") << t.value[k] << (k < 300 ? "," : "");
    out << "}},\n";
}

void WriteRows(std::ostream& out, const char* name, const std::vector<RealEllipseRow>& rows) {
    if (rows.empty()) return;
    out << "constexpr RealEllipseRow " << name << "[] = {\n";
    out << "    // x, y, R, aspect, rotation (degrees), skew, bulge, radar first, radar last\n";
    for (const RealEllipseRow& r : rows) {
        char line[160];
        std::snprintf(line, sizeof line, "    {%d, %d, %d, %.3f, %d, %d, %d, %d, %d},\n", r.x, r.y, r.R, r.aspect,
                      r.rotationDeg, r.skew, r.bulge, r.radarFirst, r.radarLast);
        out << line;
    }
    out << "};\n";
}

}  // namespace

// The names and light symbols of an area's hand tables in area units: the
// one conversion both the tool and its staleness test use.
std::vector<PlaceName> ProjectedNames(int32_t areaCode) {
    const GeoProjection* p = ProjectionForArea(areaCode);
    const RealFacts* f = RealFactsFor(areaCode);
    std::vector<PlaceName> out;
    if (!p || !f) return out;
    for (const RealNameFact& n : f->names) {
        const AreaXY a = ProjectFact(*p, n.at);
        out.push_back({a.x, a.y, n.text, n.style});
    }
    for (const RealLightFact& l : f->lights) {
        const AreaXY a = ProjectFact(*p, l.at);
        out.push_back({a.x, a.y, l.characteristic, NameStyle::LightLabel});
    }
    return out;
}

std::vector<RealLightSymbol> ProjectedLights(int32_t areaCode) {
    const GeoProjection* p = ProjectionForArea(areaCode);
    const RealFacts* f = RealFactsFor(areaCode);
    std::vector<RealLightSymbol> out;
    if (!p || !f) return out;
    for (const RealLightFact& l : f->lights) {
        const AreaXY a = ProjectFact(*p, l.at);
        out.push_back({a.x, a.y, l.code});
    }
    return out;
}

int RealCommand(int argc, char** argv) {
    if (argc < 1) return 2;
    const int32_t code = std::atoi(argv[0]);
    const AreaSetup& s = SetupFor(code);
    const GeoProjection* p = ProjectionForArea(code);
    if (!p) throw std::invalid_argument("no projection");
    const double m = 3000;  // read beyond the area, so that its edges cut no shore short
    LandRaster r(s.xMin - m, s.yMin - m, s.xMax + m, s.yMax + m, s.cell);
    const LatLon nw = LatLonFromArea(*p, {s.xMin - m, s.yMin - m});
    const LatLon se = LatLonFromArea(*p, {s.xMax + m, s.yMax + m});
    r.DrawWalls(ReadShorelines({nw.lon, se.lon, se.lat, nw.lat}, *p));
    r.FloodSea(AreaFromLatLon(*p, s.sea));
    r.LabelLand();
    std::set<int32_t> main;
    for (const LatLon g : s.mainland) {
        const AreaPoint a = AreaFromLatLon(*p, g);
        const int32_t l = r.LabelAt(a.x, a.y);
        if (l == 0) throw std::runtime_error("mainland point lies in the sea");
        main.insert(l);
    }

    RealGeo geo{};
    if (s.profile == Profile::ShoreAgainstX) geo.shore = ShoreAgainstX(r, main, s);
    if (s.profile == Profile::ShoresAgainstY) {
        geo.west = ShoreAgainstY(r, main, s, *p, s.runMax, -1);
        geo.east = ShoreAgainstY(r, main, s, *p, s.eastRunMax, +1);
    }

    std::vector<LandPiece> left;
    std::vector<LandPiece> pieces = Decompose(r, LandPieces(r, main, s), s.budget, s.minIsland, left);
    const double reach = p->unitsPerMile * 1.0;
    std::vector<RealEllipseRow> islands;
    for (LandPiece& piece : pieces) {
        ShapeSectors(r, piece);
        RadarRange(r, piece, reach);
        islands.push_back(Row(piece));
    }
    const std::vector<RealEllipseRow> ledges = Ledges(r, left, s.ledges, p->unitsPerMile * 0.15);
    const std::size_t countA = std::min(s.countA, islands.size());

    std::ostream& out = std::cout;
    WriteGeneratedHeader(out,
                         std::string("Shore profiles, islands and drying ledges of ") + s.name +
                             " (area " + std::to_string(code) +
                             "); names and light symbols projected from the hand tables of src/world/data/real_facts_" +
                             std::to_string(code) + ".cpp.",
                         "velmara-geodata real " + std::to_string(code));
    out << "#include \"world/real_data.h\"\n\nnamespace vel::realdata {\nnamespace {\n\n";
    out << "// Group A: the first " << countA << " rows; group B: the rest.\n";
    WriteRows(out, "kIslands", islands);
    WriteRows(out, "kLedges", ledges);
    const auto names = ProjectedNames(code);
    if (!names.empty()) {
        out << "constexpr PlaceName kNames[] = {\n";
        for (const PlaceName& n : names)
            out << "    {" << n.x << ", " << n.y << ", " << Quoted(n.text) << ", " << StyleName(n.style) << "},\n";
        out << "};\n";
    }
    const auto lights = ProjectedLights(code);
    if (!lights.empty()) {
        out << "constexpr RealLightSymbol kLights[] = {\n";
        for (const RealLightSymbol& l : lights) out << "    {" << l.x << ", " << l.y << ", " << l.code << "},\n";
        out << "};\n";
    }
    out << "\n}  // namespace\n\nextern const RealGeo kGeo" << code << " = {\n";
    // A table left unset keeps the sentinel limits: the game ignores it.
    for (const auto& [field, table, used] : {std::tuple{"shore", &geo.shore, s.profile == Profile::ShoreAgainstX},
                                             std::tuple{"west", &geo.west, s.profile == Profile::ShoresAgainstY},
                                             std::tuple{"east", &geo.east, s.profile == Profile::ShoresAgainstY}}) {
        if (used)
            WriteShore(out, field, *table);
        else
            out << "    ." << field << " = {},\n";
    }
    out << "    .islands = " << (islands.empty() ? "{}" : "kIslands") << ",\n";
    out << "    .countA = " << countA << ",\n";
    out << "    .ledges = " << (ledges.empty() ? "{}" : "kLedges") << ",\n";
    out << "    .names = " << (names.empty() ? "{}" : "kNames") << ",\n";
    out << "    .lights = " << (lights.empty() ? "{}" : "kLights") << ",\n";
    out << "};\n\n}  // namespace vel::realdata\n";
    std::cerr << s.name << ": " << islands.size() << " islands (" << countA << " A), " << ledges.size()
              << " ledges\n";
    return 0;
}

}  // namespace vel::geodata
