#include "views/coast_segments.h"

#include <algorithm>
#include <cmath>

namespace vel {

void CoastSegmentsNear(const ShoreMap& m, const CoastWindow& w, std::vector<int32_t>& out) {
    out.clear();
    const TrueShoreTable* t = m.table;
    if (!t || m.cls.empty() || t->cell <= 0) return;
    const double s = t->cell, corner = s * 0.7072, reach = w.radius + corner;
    const bool wedge = w.halfAngle < 3.14159;
    const double cosHalf = std::cos(w.halfAngle), sinHalf = std::sin(w.halfAngle);
    const int32_t i0 = std::max(0, int32_t(std::floor((w.x - w.radius - t->x0) / s)));
    const int32_t i1 = std::min(t->nx - 1, int32_t(std::floor((w.x + w.radius - t->x0) / s)));
    const int32_t j0 = std::max(0, int32_t(std::floor((w.y - w.radius - t->y0) / s)));
    const int32_t j1 = std::min(t->ny - 1, int32_t(std::floor((w.y + w.radius - t->y0) / s)));
    const int32_t segments = int32_t(t->xy.size() / 2) - 1;  // a segment needs its second vertex
    // Marked, then read in order: cheaper than sorting, and a segment that
    // crosses several cells is listed by each.
    std::vector<uint8_t> seen(std::size_t(std::max(segments, 0)), 0);
    int32_t lo = segments, hi = -1;
    for (int32_t j = j0; j <= j1; ++j) {
        const double cy = t->y0 + (j + 0.5) * s - w.y;
        for (int32_t i = i0; i <= i1; ++i) {
            const std::size_t cell = std::size_t(j) * t->nx + i;
            if (m.coastAt[cell] < 0) continue;
            const double cx = t->x0 + (i + 0.5) * s - w.x, d2 = cx * cx + cy * cy;
            if (d2 > reach * reach) continue;
            if (wedge && d2 > 4 * s * s) {
                // Outside the wedge by more than the cell's own width.
                const double d = std::sqrt(d2), margin = std::min(1.0, 1.5 * corner / d);
                if (cx * w.dirX + cy * w.dirY < d * (cosHalf - sinHalf * margin)) continue;
            }
            const std::size_t e = std::size_t(m.coastAt[cell]);
            const int32_t runs = t->coast[e + 1];
            for (int32_t r = 0; r < runs; ++r) {
                const int32_t first = std::max(t->coast[e + 2 + 2 * r], 0);
                const int32_t end = std::min(t->coast[e + 2 + 2 * r] + t->coast[e + 3 + 2 * r], segments);
                for (int32_t k = first; k < end; ++k) seen[std::size_t(k)] = 1;
                if (first < end) lo = std::min(lo, first), hi = std::max(hi, end - 1);
            }
        }
    }
    for (int32_t k = lo; k <= hi; ++k)
        if (seen[std::size_t(k)]) out.push_back(k);
}

}  // namespace vel
