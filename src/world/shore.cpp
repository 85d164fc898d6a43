#include "world/shore.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vel {
namespace {

constexpr int32_t kReachBlock = 2;

struct AreaTable {
    int32_t areaCode;
    const TrueShoreTable* table;
};

const AreaTable kTables[] = {
    {5, &shoredata::kShore5},   {6, &shoredata::kShore5},   {7, &shoredata::kShore7},
    {8, &shoredata::kShore7},   {11, &shoredata::kShore11}, {12, &shoredata::kShore12},
    {20, &shoredata::kShore20}, {30, &shoredata::kShore30},
};

void DecodeCells(const TrueShoreTable& t, ShoreMap& m) {
    const std::size_t n = static_cast<std::size_t>(t.nx) * t.ny;
    m.cls.assign(n, kShoreLand);
    m.coastAt.assign(n, -1);
    std::size_t cell = 0, coast = 0;
    for (const char* p = t.cells; *p && cell < n;) {
        const char kind = *p++;
        char* end = nullptr;
        const long run = std::strtol(p, &end, 10);
        p = end;
        const uint8_t c = kind == 'W' ? kShoreWater : kind == 'C' ? kShoreCoast : kShoreLand;
        const std::size_t stop = std::min(n, cell + static_cast<std::size_t>(std::max(run, 0L)));
        if (c != kShoreCoast) {
            std::fill(m.cls.begin() + cell, m.cls.begin() + stop, c);
            cell = stop;
            continue;
        }
        for (; cell < stop; ++cell) {
            m.cls[cell] = c;
            if (coast + 2 > t.coast.size()) {
                m.cls[cell] = kShoreLand;  // a short table: what it cannot describe is land
                continue;
            }
            m.coastAt[cell] = static_cast<int32_t>(coast);
            coast += 2 + 2 * static_cast<std::size_t>(t.coast[coast + 1]);
        }
    }
}

// Two passes of a chamfer transform over the centres of blocks of
// kReachBlock x kReachBlock cells, one block and a diagonal as the steps: near
// enough to the true distance for a sloping bottom, and done in a
// millisecond or two. A block holding any land or coast is the shore, and
// so is every block on the edge of the data.
void DistanceField(const TrueShoreTable& t, ShoreMap& m) {
    const int32_t nx = (t.nx + kReachBlock - 1) / kReachBlock, ny = (t.ny + kReachBlock - 1) / kReachBlock;
    const float big = std::numeric_limits<float>::max() / 4, s = float(t.cell * kReachBlock), d = s * 1.41421356f;
    m.reach.assign(std::size_t(nx) * ny, big);
    for (int32_t j = 0; j < t.ny; ++j)
        for (int32_t i = 0; i < t.nx; ++i)
            if (m.cls[std::size_t(j) * t.nx + i] != kShoreWater)
                m.reach[std::size_t(j / kReachBlock) * nx + i / kReachBlock] = 0;
    // Beyond the data lies the grey frame's land.
    for (int32_t i = 0; i < nx; ++i) m.reach[i] = m.reach[std::size_t(ny - 1) * nx + i] = 0;
    for (int32_t j = 0; j < ny; ++j) m.reach[std::size_t(j) * nx] = m.reach[std::size_t(j) * nx + nx - 1] = 0;
    const auto at = [&](int32_t i, int32_t j) -> float& { return m.reach[std::size_t(j) * nx + i]; };
    for (int32_t j = 0; j < ny; ++j)
        for (int32_t i = 0; i < nx; ++i) {
            float& v = at(i, j);
            if (i > 0) v = std::min(v, at(i - 1, j) + s);
            if (j > 0) {
                v = std::min(v, at(i, j - 1) + s);
                if (i > 0) v = std::min(v, at(i - 1, j - 1) + d);
                if (i + 1 < nx) v = std::min(v, at(i + 1, j - 1) + d);
            }
        }
    for (int32_t j = ny - 1; j >= 0; --j)
        for (int32_t i = nx - 1; i >= 0; --i) {
            float& v = at(i, j);
            if (i + 1 < nx) v = std::min(v, at(i + 1, j) + s);
            if (j + 1 < ny) {
                v = std::min(v, at(i, j + 1) + s);
                if (i + 1 < nx) v = std::min(v, at(i + 1, j + 1) + d);
                if (i > 0) v = std::min(v, at(i - 1, j + 1) + d);
            }
        }
}

double Orient(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}


// Land or water in a coast cell: the parity of the shore segments crossed on
// the way to the cell's reference point, whose side is stored; and the
// distance to the nearest of the cell's segments.
ShoreSample CoastCell(const TrueShoreTable& t, int32_t entry, int32_t i, int32_t j, int32_t x, int32_t y) {
    const double rx = t.x0 + (i + 0.5) * t.cell + kShoreRefDx, ry = t.y0 + (j + 0.5) * t.cell + kShoreRefDy;
    const double px = x, py = y;
    bool land = t.coast[entry] == 1;
    double best = std::numeric_limits<double>::infinity();
    const int32_t runs = t.coast[entry + 1];
    const std::size_t vertices = t.xy.size() / 2;
    for (int32_t r = 0; r < runs; ++r) {
        const int32_t first = t.coast[entry + 2 + 2 * r], count = t.coast[entry + 3 + 2 * r];
        for (int32_t k = first; k < first + count; ++k) {
            if (k < 0 || static_cast<std::size_t>(k) + 1 >= vertices) break;
            const double ax = t.xy[2 * k], ay = t.xy[2 * k + 1], bx = t.xy[2 * k + 2], by = t.xy[2 * k + 3];
            best = std::min(best, SegmentDistance(px, py, ax, ay, bx, by));
            // Half-open sides, so a line through a vertex counts it once.
            if ((Orient(ax, ay, bx, by, px, py) > 0) != (Orient(ax, ay, bx, by, rx, ry) > 0) &&
                (Orient(px, py, rx, ry, ax, ay) > 0) != (Orient(px, py, rx, ry, bx, by) > 0))
                land = !land;
        }
    }
    return {land, land ? 0.0 : best};
}

}  // namespace

const TrueShoreTable* ShoreTableFor(int32_t areaCode) {
    for (const AreaTable& a : kTables)
        if (a.areaCode == areaCode) return a.table;
    return nullptr;
}

void LoadShoreMap(ShoreMap& m, int32_t areaCode) { LoadShoreTable(m, ShoreTableFor(areaCode)); }

void LoadShoreTable(ShoreMap& m, const TrueShoreTable* t) {
    if (t == m.table) return;
    m.table = t;
    m.cls.clear();
    m.coastAt.clear();
    m.reach.clear();
    if (!t) return;
    DecodeCells(*t, m);
    DistanceField(*t, m);
}

ShoreSample ShoreAt(const ShoreMap& m, int32_t x, int32_t y) {
    const TrueShoreTable* t = m.table;
    if (!t || m.cls.empty()) return {true, 0.0};
    const int64_t dx = int64_t(x) - t->x0, dy = int64_t(y) - t->y0;
    if (dx < 0 || dy < 0) return {true, 0.0};
    const int64_t i = dx / t->cell, j = dy / t->cell;
    if (i >= t->nx || j >= t->ny) return {true, 0.0};
    const std::size_t k = std::size_t(j) * t->nx + std::size_t(i);
    switch (m.cls[k]) {
        case kShoreLand: return {true, 0.0};
        case kShoreCoast: return CoastCell(*t, m.coastAt[k], int32_t(i), int32_t(j), x, y);
        default: break;
    }
    // Open water: the distance between the surrounding block centres.
    const int32_t side = t->cell * kReachBlock;
    const int32_t bx = (t->nx + kReachBlock - 1) / kReachBlock, by = (t->ny + kReachBlock - 1) / kReachBlock;
    const double fx = double(dx) / side - 0.5, fy = double(dy) / side - 0.5;
    const int32_t i0 = int32_t(std::floor(fx)), j0 = int32_t(std::floor(fy));
    const double u = fx - i0, v = fy - j0;
    const auto at = [&](int32_t a, int32_t b) {
        a = std::clamp(a, 0, bx - 1);
        b = std::clamp(b, 0, by - 1);
        return double(m.reach[std::size_t(b) * bx + a]);
    };
    const double top = at(i0, j0) * (1 - u) + at(i0 + 1, j0) * u;
    const double bottom = at(i0, j0 + 1) * (1 - u) + at(i0 + 1, j0 + 1) * u;
    return {false, top * (1 - v) + bottom * v};
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, len = dx * dx + dy * dy;
    double t = len > 0 ? ((px - ax) * dx + (py - ay) * dy) / len : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * dx - px, ey = ay + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

}  // namespace vel
