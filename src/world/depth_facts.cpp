#include "world/depth_facts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "world/geo.h"
#include "world/shore.h"

namespace vel {
namespace {

constexpr double kMetresPerMile = 1852.0;

struct AreaDepths {
    int32_t areaCode;
    const DepthFacts* facts;
};
const AreaDepths kTables[] = {
    {5, &depthdata::kDepthFloridaBahamas}, {6, &depthdata::kDepthFloridaBahamas},
    {7, &depthdata::kDepthGulfOfMaine},    {8, &depthdata::kDepthGulfOfMaine},
    {11, &depthdata::kDepth11},            {12, &depthdata::kDepth12},
    {20, &depthdata::kDepth20},            {30, &depthdata::kDepth30},
};

bool InPolygon(const std::vector<double>& xy, double px, double py) {
    bool in = false;
    const std::size_t n = xy.size() / 2;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
}

double Corridor(const std::vector<double>& xy, double px, double py) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k + 3 < xy.size(); k += 2)
        best = std::min(best, SegmentDistance(px, py, xy[k], xy[k + 1], xy[k + 2], xy[k + 3]));
    if (xy.size() == 2) best = std::hypot(px - xy[0], py - xy[1]);
    return best;
}

}  // namespace

const DepthFacts* DepthFactsFor(int32_t areaCode) {
    for (const AreaDepths& a : kTables)
        if (a.areaCode == areaCode) return a.facts;
    return nullptr;
}

void LoadDepthFacts(ShoreMap& m, int32_t areaCode) {
    if (m.depthAreaCode == areaCode && areaCode != 0) return;
    m.depthAreaCode = areaCode;
    m.soundings.clear();
    m.facts.clear();
    const DepthFacts* f = DepthFactsFor(areaCode);
    const GeoProjection* p = ProjectionForArea(areaCode);
    if (!f || !p) {
        m.depthAreaCode = 0;
        return;
    }
    LoadDepthFacts(m, *f, *p);
}

void LoadDepthFacts(ShoreMap& m, const DepthFacts& table, const GeoProjection& proj) {
    m.soundings.clear();
    m.facts.clear();
    const DepthFacts* f = &table;
    const GeoProjection* p = &proj;
    const double upm = p->unitsPerMile;
    m.shoreFeet = f->shoreFeet;
    m.feetPerUnit = f->feetPerMile / upm;
    m.capFeet = f->capFeet;
    m.soundingReach = f->soundingMiles * upm;
    double deepest = f->capFeet;
    for (const Sounding& s : f->soundings) {
        const AreaPoint a = AreaFromLatLon(*p, {s.at.lat, s.at.lon});
        m.soundings.push_back({a.x, a.y, s.feet});
        deepest = std::max<double>(deepest, s.feet);
    }
    for (const DepthFact& d : f->facts) {
        if (d.pts.empty()) continue;
        ProjectedFact q{static_cast<int32_t>(d.shape), static_cast<int32_t>(d.rule), d.feet,
                        d.metres / kMetresPerMile * upm, 0, 0, 0, 0, {}};
        for (const GeoPt& g : d.pts) {
            const AreaPoint a = AreaFromLatLon(*p, {g.lat, g.lon});
            q.xy.push_back(a.x);
            q.xy.push_back(a.y);
        }
        double grow = d.shape == DepthShape::Zone ? 0.0 : q.reach;
        // A shoal's sides reach out until they meet the deepest open water.
        if (d.shape == DepthShape::Circle && d.rule == DepthRule::AtMost && m.feetPerUnit > 0)
            grow += std::max(0.0, deepest - d.feet) / m.feetPerUnit;
        q.minX = q.maxX = q.xy[0];
        q.minY = q.maxY = q.xy[1];
        for (std::size_t k = 0; k + 1 < q.xy.size(); k += 2) {
            q.minX = std::min(q.minX, q.xy[k]), q.maxX = std::max(q.maxX, q.xy[k]);
            q.minY = std::min(q.minY, q.xy[k + 1]), q.maxY = std::max(q.maxY, q.xy[k + 1]);
        }
        q.minX -= grow, q.minY -= grow, q.maxX += grow, q.maxY += grow;
        m.facts.push_back(std::move(q));
    }
}

bool IsPaleShoal(const ProjectedFact& f) {
    return static_cast<DepthRule>(f.rule) == DepthRule::AtMost && f.feet <= kPaleShoalFeet;
}

bool InsideFact(const ProjectedFact& f, double x, double y) {
    switch (static_cast<DepthShape>(f.shape)) {
        case DepthShape::Circle: return std::hypot(x - f.xy[0], y - f.xy[1]) <= f.reach;
        case DepthShape::Corridor: return Corridor(f.xy, x, y) <= f.reach;
        case DepthShape::Zone: return InPolygon(f.xy, x, y);
    }
    return false;
}

double TrueDepth(const ShoreMap& m, int32_t x, int32_t y) {
    const ShoreSample s = ShoreAt(m, x, y);
    if (s.land) return 0.0;
    const double px = x, py = y;
    double open = m.capFeet;
    if (!m.soundings.empty()) {
        // Inverse-square weights of the soundings in reach.
        double w = 0, sum = 0;
        const double r2 = m.soundingReach * m.soundingReach;
        for (const ProjectedSounding& q : m.soundings) {
            const double d2 = (q.x - px) * (q.x - px) + (q.y - py) * (q.y - py);
            if (d2 > r2) continue;
            if (d2 < 1.0) {
                w = 1.0, sum = q.feet;
                break;
            }
            w += 1.0 / d2;
            sum += q.feet / d2;
        }
        if (w > 0) open = sum / w;
    }
    double d = std::min(m.shoreFeet + m.feetPerUnit * s.distance, open);
    for (const ProjectedFact& f : m.facts) {
        if (px < f.minX || px > f.maxX || py < f.minY || py > f.maxY) continue;
        const auto shape = static_cast<DepthShape>(f.shape);
        const bool atMost = static_cast<DepthRule>(f.rule) == DepthRule::AtMost;
        if (shape == DepthShape::Circle && atMost) {
            const double beyond = std::max(0.0, std::hypot(px - f.xy[0], py - f.xy[1]) - f.reach);
            d = std::min(d, f.feet + m.feetPerUnit * beyond);
            continue;
        }
        if (!InsideFact(f, px, py)) continue;
        d = atMost ? std::min<double>(d, f.feet) : std::max<double>(d, f.feet);
    }
    return std::max(d, 0.0);
}

}  // namespace vel
