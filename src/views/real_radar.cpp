#include "views/real_radar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "common/helpers.h"
#include "views/coast_segments.h"

#include "views/real_land.h"
#include "views/real_marks.h"

namespace vel {
namespace {

// The stretch of an outline that returns an echo: first..last, or nothing
// when the data gives none.
void OutlineEchoes(RadarTrace& line, const Arr2<int32_t, kRealOutlinePoints, 2>& o, int32_t first, int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, kRealOutlinePoints - 1);
    line.lift();
    for (int32_t k = first; k <= last; ++k) line.to(o[k][0], o[k][1]);
}

}  // namespace

void DrawRealCoastEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r) {
    const AreaGrid& a = g.areaGrid;
    if (a.isRealArea != 1) return;
    RadarTrace line(dc, g, r);
    ShoreProfile profiles[2];
    const int32_t n = ShoreProfiles(a, profiles);
    for (int32_t k = 0; k < n; ++k) {
        const ShoreProfile& p = profiles[k];
        line.lift();
        for (int32_t i = 1; i <= 300; ++i) {
            if (!(p.runMin < p.run[i] && p.run[i] < p.runMax)) continue;
            if (p.alongX)
                line.to(p.run[i], p.across[i]);
            else
                line.to(p.across[i], p.run[i]);
        }
    }
    for (int32_t i = 1; i <= ChartedIslandCount(a); ++i)
        if (IslandDrawn(a, i)) OutlineEchoes(line, a.islandOutline[i], a.radarFirst[i], a.radarLast[i]);
    for (int32_t i = 1; i <= ChartedShoalCount(a); ++i)
        if (ShoalDrawn(a, i)) OutlineEchoes(line, a.shoalOutline[i], a.shoalRadarFirst[i], a.shoalRadarLast[i]);
}

void DrawRealMarkEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r, int32_t dotRadius) {
    if (g.areaGrid.isRealArea != 1) return;
    for (const PlacedMark& m : RealAreaMarks(g)) {
        const RadarEcho e = RadarEchoAt(g, r, m.x, m.y);
        const int32_t radius = FarEchoRadius(RealMarkEchoRadius(m.mark, dotRadius), e.distance);
        if (radius <= 0 || e.p.x < r.left || e.p.x > r.right || e.p.y < r.top || e.p.y > g.screenState.height)
            continue;
        dc.Ellipse(e.p.x - radius, e.p.y - radius, e.p.x + radius + 1, e.p.y + radius + 1);
    }
}

}  // namespace vel

namespace vel {
namespace {

constexpr int32_t kBins = 720;               // half a degree each
constexpr double kBinAngle = 2.0 * 3.14159265358979 / kBins;
constexpr double kEchoReach = 5000.0;        // land further off gives no echo
constexpr int32_t kStepPixels = 4;           // the echo pen's width
constexpr int32_t kJoinPixels = 6;           // neighbouring returns closer than this read as one shore

// A point in the head-up frame of the scope: `right` across, `ahead` up.
struct Headed {
    double right, ahead;
};

// Each bin's bearing (its middle), as a unit vector across and ahead.
struct BinRays {
    std::array<double, kBins> across, ahead;
};
const BinRays& Rays() {
    static const BinRays rays = [] {
        BinRays r{};
        for (int32_t b = 0; b < kBins; ++b) r.across[b] = std::sin((b + 0.5) * kBinAngle), r.ahead[b] = std::cos((b + 0.5) * kBinAngle);
        return r;
    }();
    return rays;
}

int32_t BinOf(double angle) {
    int32_t b = int32_t(std::floor(angle / kBinAngle));
    b %= kBins;
    return b < 0 ? b + kBins : b;
}

// Lays segment k, from a to b, into the bins it spans, keeping on each
// bearing the nearest range.
// Per bearing, the nearest return and the segment that gave it.
struct Returns {
    std::array<float, kBins> range;
    std::array<int32_t, kBins> segment;
};

void LaySegment(Returns& nearest, int32_t k, Headed a, Headed b) {
    int32_t from = BinOf(std::atan2(a.right, a.ahead)), to = BinOf(std::atan2(b.right, b.ahead));
    // The shorter way round: a segment that does not pass through the boat
    // spans less than half a turn.
    if ((to - from + kBins) % kBins > kBins / 2) std::swap(from, to);
    const double dx = b.right - a.right, dy = b.ahead - a.ahead;
    const BinRays& rays = Rays();
    for (int32_t n = 0, bin = from; n <= kBins / 2; ++n, bin = (bin + 1) % kBins) {
        const double ux = rays.across[bin], uy = rays.ahead[bin];
        const double denom = ux * dy - uy * dx;
        // Where the bearing meets the segment; the end bins may pass just
        // beyond its ends, which then answer for them.
        const double along = denom != 0.0 ? std::clamp((uy * a.right - ux * a.ahead) / denom, 0.0, 1.0) : 0.0;
        const double x = a.right + along * dx, y = a.ahead + along * dy, range = std::sqrt(x * x + y * y);
        if (range < nearest.range[bin]) nearest.range[bin] = float(range), nearest.segment[bin] = k;
        if (bin == to) break;
    }
}

}  // namespace

void DrawTrueCoastEchoes(gfx::DC& dc, const Game& g, const RadarGeometry& r, int32_t bottom) {
    const ShoreMap& m = g.shoreMap;
    if (!m.table) return;
    const double bx = g.ownBoat.cellX, by = g.ownBoat.cellY;
    const double perPixel = std::max(1, r.range) * 0.9;  // units per pixel
    // Range to the face's farthest corner.
    const double wide = std::max(r.cx - r.left, r.right - r.cx), tall = std::max(r.cy - r.top, bottom - r.cy);
    const double reach = std::min(kEchoReach, std::hypot(wide, tall) * perPixel);
    std::vector<int32_t> segments;
    CoastSegmentsNear(m, {bx, by, reach}, segments);
    Returns nearest;
    nearest.range.fill(float(reach));
    nearest.segment.fill(-2);
    const double h = g.viewState.eyeHeading * kDegToRad, sh = std::sin(h), ch = std::cos(h);
    const auto headed = [&](double x, double y) {
        const double east = x - bx, north = by - y;
        return Headed{east * ch - north * sh, east * sh + north * ch};
    };
    for (int32_t k : segments) {
        const CoastSegment s = SegmentOf(*m.table, k);
        if (FacesPoint(s, bx, by)) LaySegment(nearest, k, headed(s.ax, s.ay), headed(s.bx, s.by));
    }
    // Returns from one shore, or near each other on the scope, join into
    // one line; where a nearer shore ends the line breaks.
    // The pen is several pixels wide: points closer than that add nothing
    // but cost, so the line keeps every few and its last.
    std::vector<gfx::Point> line;
    gfx::Point skipped{};
    bool pending = false;
    const auto flush = [&] {
        if (pending) line.push_back(skipped);
        if (line.size() == 1) line.push_back({line.front().x + 1, line.front().y});
        if (!line.empty()) dc.Polyline(line.data(), int(line.size()));
        line.clear();
        pending = false;
    };
    int32_t previous = -2;
    for (int32_t bin = 0; bin < kBins; ++bin) {
        const int32_t k = nearest.segment[bin];
        if (k < 0) {
            flush();
            previous = -2;
            continue;
        }
        const double px = nearest.range[bin] / perPixel;
        const gfx::Point p{r.cx + int32_t(std::lround(px * Rays().across[bin])), r.cy - int32_t(std::lround(px * Rays().ahead[bin]))};
        const bool sameShore = std::abs(k - previous) <= 1;
        const gfx::Point last = pending ? skipped : line.empty() ? p : line.back();
        if (!line.empty() && !sameShore && std::abs(p.x - last.x) + std::abs(p.y - last.y) > kJoinPixels) flush();
        previous = k;
        if (!line.empty() && std::max(std::abs(p.x - line.back().x), std::abs(p.y - line.back().y)) < kStepPixels) {
            skipped = p;
            pending = true;
            continue;
        }
        line.push_back(p);
        pending = false;
    }
    flush();
}

}  // namespace vel
