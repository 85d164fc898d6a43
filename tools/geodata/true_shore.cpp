// shore AREA: the true shoreline of an area as the game's land table.
//
// GSHHG's shorelines of every level (sea shore, lakes, islands in lakes,
// ponds in those) are noded together with the area's box and polygonized by
// GEOS; GMT's own point-in-polygon on the full data decides which faces are
// land. Their union is simplified (topology kept) no further than 15 m,
// snapped to whole area units with its validity kept, and indexed on a grid
// of cells: all water, all land, or coast with the ring segments that touch
// it and whether a fixed point of the cell is land.
#include "geodata/true_shore.h"

#include <geos_c.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

#include "geodata/emit.h"
#include "geodata/shoreline.h"
#include "world/shore_table.h"

namespace vel::geodata {
namespace {

constexpr double kSimplifyMetres = 15.0;
constexpr double kMetresPerMile = 1852.0;

void GeosMessage(const char* fmt, ...) {
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    std::cerr << "GEOS: " << buf << "\n";
}

// One GEOS context for the command; geometries are freed by their owners.
struct Geos {
    GEOSContextHandle_t h = GEOS_init_r();
    Geos() {
        GEOSContext_setNoticeHandler_r(h, GeosMessage);
        GEOSContext_setErrorHandler_r(h, GeosMessage);
    }
    ~Geos() { GEOS_finish_r(h); }
    Geos(const Geos&) = delete;
    Geos& operator=(const Geos&) = delete;
};

struct GeomDeleter {
    GEOSContextHandle_t h;
    void operator()(GEOSGeometry* g) const {
        if (g) GEOSGeom_destroy_r(h, g);
    }
};
using Geom = std::unique_ptr<GEOSGeometry, GeomDeleter>;

Geom Own(const Geos& g, GEOSGeometry* p, const char* what) {
    if (!p) throw std::runtime_error(std::string("GEOS failed: ") + what);
    return Geom(p, GeomDeleter{g.h});
}

GEOSCoordSequence* Sequence(const Geos& g, const std::vector<AreaPoint>& pts) {
    GEOSCoordSequence* s = GEOSCoordSeq_create_r(g.h, static_cast<unsigned>(pts.size()), 2);
    for (unsigned i = 0; i < pts.size(); ++i) GEOSCoordSeq_setXY_r(g.h, s, i, pts[i].x, pts[i].y);
    return s;
}

GEOSGeometry* LineString(const Geos& g, const std::vector<AreaPoint>& pts) {
    return GEOSGeom_createLineString_r(g.h, Sequence(g, pts));
}

std::vector<AreaPoint> BoxPoints(const ShoreBox& b) {
    return {{double(b.x0), double(b.y0)}, {double(b.x1), double(b.y0)}, {double(b.x1), double(b.y1)},
            {double(b.x0), double(b.y1)}, {double(b.x0), double(b.y0)}};
}


// Which of the points lie on land (GSHHG levels 1 and 3), asked of GMT in one
// call: rows carry their index through.
std::vector<bool> OnLand(const std::vector<LatLon>& pts) {
    char name[] = "/tmp/velmara-shore-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    close(fd);
    {
        std::ofstream f(name);
        f.precision(10);
        for (std::size_t i = 0; i < pts.size(); ++i) f << pts[i].lon << ' ' << pts[i].lat << ' ' << i << '\n';
    }
    std::string text;
    try {
        text = RunCommand(std::string("cd \"${TMPDIR:-/tmp}\" && gmt select ") + name + " -Df -Ns/k/s/k/s -fg");
    } catch (...) {
        std::remove(name);
        throw;
    }
    std::remove(name);
    std::vector<bool> land(pts.size(), false);
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        double lon, lat;
        long idx;
        if (std::sscanf(row.c_str(), "%lf %lf %ld", &lon, &lat, &idx) == 3 && idx >= 0 &&
            static_cast<std::size_t>(idx) < land.size())
            land[idx] = true;
    }
    return land;
}

// The area's land as one valid geometry in whole area units.
Geom TrueLand(const Geos& g, const GeoProjection& p, const ShoreBox& b) {
    const LatLon nw = LatLonFromArea(p, {double(b.x0), double(b.y0)});
    const LatLon se = LatLonFromArea(p, {double(b.x1), double(b.y1)});
    const double margin = 0.02;
    const GeoBox geo{nw.lon - margin, se.lon + margin, se.lat - margin, nw.lat + margin};
    const std::vector<Shoreline> lines = ReadShorelines(geo, p, true);
    if (lines.empty()) throw std::runtime_error("no shoreline read for the area");

    std::vector<GEOSGeometry*> parts;
    for (const Shoreline& s : lines)
        if (s.pts.size() >= 2) parts.push_back(LineString(g, s.pts));
    parts.push_back(LineString(g, BoxPoints(b)));
    Geom all = Own(g, GEOSGeom_createCollection_r(g.h, GEOS_MULTILINESTRING, parts.data(), parts.size()), "lines");
    Geom box = Own(g, GEOSGeom_createPolygon_r(g.h, GEOSGeom_createLinearRing_r(g.h, Sequence(g, BoxPoints(b))), nullptr, 0), "box");
    Geom clipped = Own(g, GEOSIntersection_r(g.h, all.get(), box.get()), "clip");
    Geom noded = Own(g, GEOSUnaryUnion_r(g.h, clipped.get()), "noding");
    const GEOSGeometry* in[] = {noded.get()};
    Geom faces = Own(g, GEOSPolygonize_r(g.h, in, 1), "polygonize");

    const int n = GEOSGetNumGeometries_r(g.h, faces.get());
    std::vector<LatLon> probes;
    for (int i = 0; i < n; ++i) {
        Geom pt = Own(g, GEOSPointOnSurface_r(g.h, GEOSGetGeometryN_r(g.h, faces.get(), i)), "point on surface");
        double x = 0, y = 0;
        GEOSGeomGetX_r(g.h, pt.get(), &x);
        GEOSGeomGetY_r(g.h, pt.get(), &y);
        probes.push_back(LatLonFromArea(p, {x, y}));
    }
    const std::vector<bool> land = OnLand(probes);
    std::vector<GEOSGeometry*> kept;
    for (int i = 0; i < n; ++i)
        if (land[i]) kept.push_back(GEOSGeom_clone_r(g.h, GEOSGetGeometryN_r(g.h, faces.get(), i)));
    if (kept.empty()) throw std::runtime_error("no land in the area: is the GSHHG full-resolution data installed?");
    Geom many = Own(g, GEOSGeom_createCollection_r(g.h, GEOS_MULTIPOLYGON, kept.data(), kept.size()), "land");
    Geom merged = Own(g, GEOSUnaryUnion_r(g.h, many.get()), "union");
    const double tolerance = kSimplifyMetres / kMetresPerMile * p.unitsPerMile;
    Geom simple = Own(g, GEOSTopologyPreserveSimplify_r(g.h, merged.get(), tolerance), "simplify");
    Geom snapped = Own(g, GEOSGeom_setPrecision_r(g.h, simple.get(), 1.0, 0), "snap to whole units");
    if (GEOSisValid_r(g.h, snapped.get()) != 1) throw std::runtime_error("the snapped land is not valid");
    return snapped;
}

struct Pt {
    int32_t x, y;
};

void AppendRing(const Geos& g, const GEOSGeometry* ring, std::vector<Pt>& xy, std::vector<int32_t>& starts) {
    const GEOSCoordSequence* s = GEOSGeom_getCoordSeq_r(g.h, ring);
    unsigned n = 0;
    GEOSCoordSeq_getSize_r(g.h, s, &n);
    if (n < 4) return;
    starts.push_back(static_cast<int32_t>(xy.size()));
    for (unsigned i = 0; i < n; ++i) {
        double x, y;
        GEOSCoordSeq_getXY_r(g.h, s, i, &x, &y);
        xy.push_back({static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))});
    }
}

// Rings in a fixed order (GEOS's own for one input), each closed.
void Rings(const Geos& g, const GEOSGeometry* land, std::vector<Pt>& xy, std::vector<int32_t>& starts) {
    const int n = GEOSGetNumGeometries_r(g.h, land);
    for (int i = 0; i < n; ++i) {
        const GEOSGeometry* poly = GEOSGetGeometryN_r(g.h, land, i);
        if (GEOSGeomTypeId_r(g.h, poly) != GEOS_POLYGON) continue;
        AppendRing(g, GEOSGetExteriorRing_r(g.h, poly), xy, starts);
        const int holes = GEOSGetNumInteriorRings_r(g.h, poly);
        for (int k = 0; k < holes; ++k) AppendRing(g, GEOSGetInteriorRingN_r(g.h, poly, k), xy, starts);
    }
    starts.push_back(static_cast<int32_t>(xy.size()));
}

// Whether segment a-b meets the square [x0, x0 + s] x [y0, y0 + s] grown by
// half a unit, by clipping its parameter range to the square's slabs.
bool SegmentMeetsCell(Pt a, Pt b, double x0, double y0, double s) {
    double t0 = 0.0, t1 = 1.0;
    const double d[2] = {double(b.x - a.x), double(b.y - a.y)}, p[2] = {double(a.x), double(a.y)};
    const double lo[2] = {x0 - 0.5, y0 - 0.5}, hi[2] = {x0 + s + 0.5, y0 + s + 0.5};
    for (int k = 0; k < 2; ++k) {
        if (d[k] == 0.0) {
            if (p[k] < lo[k] || p[k] > hi[k]) return false;
            continue;
        }
        double ta = (lo[k] - p[k]) / d[k], tb = (hi[k] - p[k]) / d[k];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

int ShoreCommand(int argc, char** argv) {
    if (argc < 1) return 2;
    const int32_t area = std::atoi(argv[0]);
    const GeoProjection* p = ProjectionForArea(area);
    const ShoreBox* b = ShoreBoxFor(area);
    if (!p || !b) {
        std::cerr << "no projection or shore box for area " << argv[0] << "\n";
        return 2;
    }
    Geos g;
    const Geom land = TrueLand(g, *p, *b);
    std::vector<Pt> xy;
    std::vector<int32_t> starts;
    Rings(g, land.get(), xy, starts);

    const int32_t s = b->cell;
    const int32_t nx = (b->x1 - b->x0 + s - 1) / s, ny = (b->y1 - b->y0 + s - 1) / s;
    // Segment k joins vertex k and k + 1 of one ring.
    std::vector<std::vector<int32_t>> cellSegs(static_cast<std::size_t>(nx) * ny);
    for (std::size_t r = 0; r + 1 < starts.size(); ++r) {
        for (int32_t k = starts[r]; k + 1 < starts[r + 1]; ++k) {
            const Pt a = xy[k], c = xy[k + 1];
            const int32_t i0 = std::max(0, (std::min(a.x, c.x) - b->x0 - 1) / s);
            const int32_t i1 = std::min(nx - 1, (std::max(a.x, c.x) - b->x0 + 1) / s);
            const int32_t j0 = std::max(0, (std::min(a.y, c.y) - b->y0 - 1) / s);
            const int32_t j1 = std::min(ny - 1, (std::max(a.y, c.y) - b->y0 + 1) / s);
            for (int32_t j = j0; j <= j1; ++j)
                for (int32_t i = i0; i <= i1; ++i)
                    if (SegmentMeetsCell(a, c, b->x0 + double(i) * s, b->y0 + double(j) * s, s))
                        cellSegs[std::size_t(j) * nx + i].push_back(k);
        }
    }

    const GEOSPreparedGeometry* prep = GEOSPrepare_r(g.h, land.get());
    const auto inside = [&](double x, double y) {
        Geom pt = Own(g, GEOSGeom_createPointFromXY_r(g.h, x, y), "point");
        return GEOSPreparedContains_r(g.h, prep, pt.get()) == 1;
    };
    std::string cells;  // one letter per cell: W water, L land, C coast
    std::vector<int32_t> coast;
    for (int32_t j = 0; j < ny; ++j) {
        for (int32_t i = 0; i < nx; ++i) {
            const std::vector<int32_t>& segs = cellSegs[std::size_t(j) * nx + i];
            const double cx = b->x0 + (i + 0.5) * s, cy = b->y0 + (j + 0.5) * s;
            if (segs.empty()) {
                cells += inside(cx, cy) ? 'L' : 'W';
                continue;
            }
            cells += 'C';
            coast.push_back(inside(cx + kShoreRefDx, cy + kShoreRefDy) ? 1 : 0);
            // Runs of consecutive segments.
            std::vector<std::pair<int32_t, int32_t>> runs;
            for (int32_t k : segs) {
                if (!runs.empty() && runs.back().first + runs.back().second == k) ++runs.back().second;
                else runs.push_back({k, 1});
            }
            coast.push_back(static_cast<int32_t>(runs.size()));
            for (auto [first, count] : runs) coast.push_back(first), coast.push_back(count);
        }
    }
    GEOSPreparedGeom_destroy_r(g.h, prep);

    // Run-length letters: "W1200L3C1...".
    std::string rle;
    for (std::size_t k = 0; k < cells.size();) {
        std::size_t e = k;
        while (e < cells.size() && cells[e] == cells[k]) ++e;
        rle += cells[k] + std::to_string(e - k);
        k = e;
    }

    std::ostream& out = std::cout;
    WriteGeneratedHeader(out, "true shoreline (land rings and their cell index) of area " + std::to_string(area),
                         "velmara-geodata shore " + std::to_string(area));
    out << "#include \"world/shore_table.h\"\n\nnamespace vel::shoredata {\nnamespace {\n\n";
    const auto ints = [&](const char* name, const std::vector<int32_t>& v) {
        out << "constexpr int32_t " << name << "[] = {";
        for (std::size_t k = 0; k < v.size(); ++k) out << (k % 16 == 0 ? "\n    " : " ") << v[k] << ',';
        out << "\n};\n\n";
    };
    std::vector<int32_t> flat;
    for (const Pt& q : xy) flat.push_back(q.x), flat.push_back(q.y);
    ints("kXY", flat);
    ints("kRings", starts);
    ints("kCoast", coast);
    out << "constexpr char kCells[] =";
    for (std::size_t k = 0; k < rle.size(); k += 96) out << "\n    \"" << rle.substr(k, 96) << '"';
    out << ";\n\n}  // namespace\n\n";
    out << "extern const TrueShoreTable kShore" << area << " = {" << area << ", " << b->x0 << ", " << b->y0 << ", " << s
        << ", " << nx << ", " << ny << ", kXY, kRings, kCells, kCoast};\n\n";
    out << "}  // namespace vel::shoredata\n";
    std::cerr << "area " << area << ": " << starts.size() - 1 << " rings, " << xy.size() << " vertices, "
              << coast.size() << " coast ints, " << rle.size() << " cell letters\n";
    return 0;
}

}  // namespace vel::geodata
