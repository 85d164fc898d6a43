#include "views/coast_segments.h"

#include <algorithm>
#include <cmath>

namespace vel {

void CoastSegmentsNear(const ShoreMap& m, double x, double y, double radius, std::vector<int32_t>& out) {
    out.clear();
    const TrueShoreTable* t = m.table;
    if (!t || m.cls.empty() || t->cell <= 0) return;
    const double s = t->cell, reach = radius + s * 0.7072;
    const int32_t i0 = std::max(0, int32_t(std::floor((x - radius - t->x0) / s)));
    const int32_t i1 = std::min(t->nx - 1, int32_t(std::floor((x + radius - t->x0) / s)));
    const int32_t j0 = std::max(0, int32_t(std::floor((y - radius - t->y0) / s)));
    const int32_t j1 = std::min(t->ny - 1, int32_t(std::floor((y + radius - t->y0) / s)));
    const int32_t last = int32_t(t->xy.size() / 2) - 1;  // a segment needs its second vertex
    for (int32_t j = j0; j <= j1; ++j) {
        const double cy = t->y0 + (j + 0.5) * s - y;
        for (int32_t i = i0; i <= i1; ++i) {
            const std::size_t cell = std::size_t(j) * t->nx + i;
            if (m.coastAt[cell] < 0) continue;
            const double cx = t->x0 + (i + 0.5) * s - x;
            if (cx * cx + cy * cy > reach * reach) continue;
            const std::size_t e = std::size_t(m.coastAt[cell]);
            const int32_t runs = t->coast[e + 1];
            for (int32_t r = 0; r < runs; ++r) {
                const int32_t first = t->coast[e + 2 + 2 * r], count = t->coast[e + 3 + 2 * r];
                for (int32_t k = std::max(first, 0); k < first + count && k < last; ++k) out.push_back(k);
            }
        }
    }
    // A segment crossing several cells is listed by each.
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

}  // namespace vel
