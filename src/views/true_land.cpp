#include "views/true_land.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/shore.h"

namespace vel {

constexpr int kShoalBrush = 2;  // (127,200,255): shallow water, paler than the sea
constexpr int32_t kShoalDotSpacing = 4;

void SelectShoal(gfx::DC& dc, const ChartFrame& f) {
    dc.SelectStockPen(gfx::Stock::Null);
    if (f.mono)
        dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(kShoalBrush);
}

void DottedRing(gfx::DC& dc, const gfx::Point* pts, int32_t n, const ChartFrame& f) {
    const gfx::Color dot = f.mono ? gfx::kBlack : gfx::kWhite;
    for (int32_t k = 1; k <= n; ++k) {
        const gfx::Point p = pts[k - 1], q = pts[k % n];
        const int32_t dots = std::max(1, Trunc(std::hypot(q.x - p.x, q.y - p.y) / kShoalDotSpacing));
        for (int32_t d = 0; d < dots; ++d) {
            const gfx::Point s{p.x + (q.x - p.x) * d / dots, p.y + (q.y - p.y) * d / dots};
            if (f.contains(s)) dc.SetPixel(s.x, s.y, dot);
        }
    }
}

// The charted shoals of the true waters: circles and outlines the depth
// query holds no deeper than a keel draws.
void DrawShoalFacts(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    constexpr int32_t kSides = 36;
    std::vector<gfx::Point> pts;
    for (const ProjectedFact& q : g.shoreMap.facts) {
        if (!IsPaleShoal(q) || static_cast<DepthShape>(q.shape) == DepthShape::Corridor) continue;
        const gfx::Point a = f.toScreen(q.minX, q.minY), b = f.toScreen(q.maxX, q.maxY);
        if (b.x < f.left || a.x > f.right || b.y < f.top || a.y > f.bottom) continue;
        pts.clear();
        if (static_cast<DepthShape>(q.shape) == DepthShape::Circle) {
            for (int32_t k = 0; k < kSides; ++k) {
                const double t = k * 2.0 * 3.14159265358979 / kSides;
                pts.push_back(f.toScreen(q.xy[0] + q.reach * std::cos(t), q.xy[1] + q.reach * std::sin(t)));
            }
        } else {
            for (std::size_t k = 0; k + 1 < q.xy.size(); k += 2) pts.push_back(f.toScreen(q.xy[k], q.xy[k + 1]));
        }
        SelectShoal(dc, f);
        dc.Polygon(pts.data(), static_cast<int>(pts.size()));
        DottedRing(dc, pts.data(), static_cast<int32_t>(pts.size()), f);
    }
}


namespace {

// The rings that reach the frame, projected, with the vertices that share a
// pixel dropped.
gfx::ShapeCache::Shape ProjectLand(const TrueShoreTable& t, const ChartFrame& f) {
    gfx::ShapeCache::Shape out;
    std::vector<gfx::Point>& pts = out.points;
    const std::size_t vertices = t.xy.size() / 2;
    for (std::size_t r = 0; r + 1 < t.rings.size(); ++r) {
        const std::size_t first = static_cast<std::size_t>(std::max(t.rings[r], 0));
        const std::size_t end = std::min(static_cast<std::size_t>(std::max(t.rings[r + 1], 0)), vertices);
        const std::size_t start = pts.size();
        int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
        for (std::size_t k = first; k < end; ++k) {
            const gfx::Point p = f.toScreen(t.xy[2 * k], t.xy[2 * k + 1]);
            if (pts.size() > start && pts.back().x == p.x && pts.back().y == p.y) continue;
            pts.push_back(p);
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        const bool shows = maxX >= f.left && minX <= f.right && maxY >= f.top && minY <= f.bottom;
        if (!shows || pts.size() - start < 3) {
            pts.resize(start);
            continue;
        }
        out.counts.push_back(static_cast<int>(pts.size() - start));
    }
    return out;
}

}  // namespace

void DrawTrueLand(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const TrueShoreTable* t = g.shoreMap.table;
    if (!t) return;
    // The projection is the same while the table, zoom, pan and frame are.
    const gfx::ShapeCache::Key key{double(reinterpret_cast<std::uintptr_t>(t)), f.s, double(f.worldX),
                                   double(f.worldY), double(f.screenX), double(f.screenY),
                                   double(f.left), double(f.top), double(f.right), double(f.bottom)};
    const int slot = f.mini ? 1 : 0;
    gfx::ShapeCache* cache = dc.shapeCache();
    const gfx::ShapeCache::Shape* kept = cache ? cache->find(slot, key) : nullptr;
    gfx::ShapeCache::Shape fresh;
    if (!kept) {
        fresh = ProjectLand(*t, f);
        kept = cache ? &cache->keep(slot, key, std::move(fresh)) : &fresh;
    }
    if (kept->counts.empty()) return;
    dc.SelectStockPen(gfx::Stock::Null);
    dc.PolyPolygon(kept->points.data(), kept->counts.data(), static_cast<int>(kept->counts.size()));
}

}  // namespace vel
