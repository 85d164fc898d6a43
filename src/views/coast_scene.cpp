#include "views/coast_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/helpers.h"
#include "views/coast_segments.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"
#include "views/shore.h"

namespace vel {
namespace {

constexpr double kFieldEdge = 80.0 * kDegToRad;  // beyond this the projection lays points on the horizon
constexpr double kMaxSightUnits = 6000.0;
constexpr int32_t kChunkPoints = 48;
constexpr double kChunkDepth = 1.5;  // farthest over nearest point of one chunk

enum class Cover { Spruce, Scrub, Mixed };

struct Style {
    int32_t height;     // land at the bottom of the view, pixels
    int footBrush;      // the band at the waterline by day: granite or sand
    int32_t footShare;  // its part of the face, percent
    Cover cover;
    bool woods;         // the dark green of the northern forest
    double sightMiles;
};

Style StyleOf(const Game& g) {
    switch (g.areaGrid.areaCode) {
        case 7: case 8: case 20: return {520, pal::kGrey, 20, Cover::Spruce, true, 20.0};
        case 11: return {420, pal::kCream, 14, Cover::Mixed, false, 15.0};
        case 12: return {230, pal::kCream, 12, Cover::Scrub, false, 15.0};
        default: return {190, pal::kCream, 18, Cover::Scrub, false, 15.0};
    }
}

// The lie of the land: hills and hollows that follow the shore smoothly.
int32_t HeightAt(const Style& s, double x, double y) {
    const double swell = 0.25 * std::sin(x * 0.0011 + 1.7 * std::sin(y * 0.0007)) + 0.15 * std::sin(y * 0.0023 + x * 0.0005);
    return Trunc(s.height * (0.8 + swell));
}

// Southern New England's shore alternates between bluffs and beaches.
bool Bluff(double x, double y) { return std::sin(x * 0.0007 + y * 0.0005) > 0.35; }

int32_t Rise(const Game& g, int32_t row, int32_t height) {
    const int32_t horizon = g.viewState.horizonY;
    const int32_t span = std::max(1, g.screenState.height - horizon);
    return 3 * (((row - horizon) * height) / span / 3 + 1);
}

struct ScreenPoint {
    int32_t x, y, rise;
    double wx, wy;  // where it stands
};
struct Chunk {
    double key;  // mean distance from the eye
    int32_t first, count;
};

// Builds the chunks: runs of neighbouring faces turned to the eye, cut where
// they leave the field or grow too deep to be drawn in one piece.
class Gatherer {
public:
    Gatherer(Game& g, const Style& s) : g_(g), style_(s) {
        const double h = g.viewState.eyeHeading * kDegToRad;
        fx_ = std::sin(h), fy_ = -std::cos(h);
        ex_ = g.ownBoat.x - 60.0 * fx_, ey_ = g.ownBoat.y - 60.0 * fy_;
        sight_ = CoastSightRange(g);
    }
    double eyeX() const { return ex_; }
    double eyeY() const { return ey_; }
    double sight() const { return sight_; }

    void add(int32_t k, const CoastSegment& s) {
        if (!FacesPoint(s, ex_, ey_) || Nearest(s) > sight_) {
            close();
            return;
        }
        double t0 = 0.0, t1 = 1.0;
        if (!ClipToField(s, t0, t1)) {
            close();
            return;
        }
        const bool joins = k == lastK_ + 1 && openEnd_ && t0 == 0.0;
        if (!joins) close();
        const double ax = s.ax + (s.bx - s.ax) * t0, ay = s.ay + (s.by - s.ay) * t0;
        const double bx = s.ax + (s.bx - s.ax) * t1, by = s.ay + (s.by - s.ay) * t1;
        const double len = std::hypot(bx - ax, by - ay);
        // The projection bends a long edge near the eye: follow it.
        const int32_t pieces = std::clamp(Trunc(len / std::max(25.0, 0.3 * Nearest(s))) + 1, 1, 16);
        for (int32_t p = joins ? 1 : 0; p <= pieces; ++p) {
            const double t = double(p) / pieces;
            put(ax + (bx - ax) * t, ay + (by - ay) * t);
        }
        lastK_ = k;
        openEnd_ = t1 == 1.0;
        if (!openEnd_) close();
    }

    void close() {
        if (run_.size() >= 2) cut();
        run_.clear();
        openEnd_ = false;
    }

    std::vector<ScreenPoint> points;
    std::vector<Chunk> chunks;

private:
    struct RunPoint {
        ScreenPoint p;
        double distance;
    };

    double Nearest(const CoastSegment& s) const {
        const double dx = s.bx - s.ax, dy = s.by - s.ay, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(((ex_ - s.ax) * dx + (ey_ - s.ay) * dy) / len, 0.0, 1.0) : 0.0;
        return std::hypot(s.ax + t * dx - ex_, s.ay + t * dy - ey_);
    }

    // Keeps the part of the segment within the field either side of the
    // view's centre.
    bool ClipToField(const CoastSegment& s, double& t0, double& t1) const {
        const auto side = [&](double x, double y, double sign) {
            const double dx = x - ex_, dy = y - ey_;
            const double ahead = dx * fx_ + dy * fy_, right = -dx * fy_ + dy * fx_;
            return sign * right * std::cos(kFieldEdge) - ahead * std::sin(kFieldEdge);
        };
        for (double sign : {1.0, -1.0}) {
            const double a = side(s.ax, s.ay, sign), b = side(s.bx, s.by, sign);
            if (a > 0 && b > 0) return false;
            if (a > 0) t0 = std::max(t0, a / (a - b));
            else if (b > 0) t1 = std::min(t1, a / (a - b));
        }
        return t0 < t1;
    }

    void put(double x, double y) {
        projectPointD(g_, 1, x, y, kProjectShore);
        const Projection& pr = g_.projection;
        const ScreenPoint p{pr.screenX[1], pr.screenY[1], Rise(g_, pr.screenY[1], HeightAt(style_, x, y)), x, y};
        if (!run_.empty() && std::abs(p.x - run_.back().p.x) <= 1 && std::abs(p.y - run_.back().p.y) <= 1) {
            run_.back().p.rise = std::max(run_.back().p.rise, p.rise);
            return;
        }
        run_.push_back({p, pr.distance});
    }

    // Splits the run into chunks shallow enough for far-to-near drawing;
    // neighbouring chunks share their joining point.
    void cut() {
        const int32_t width = g_.screenState.width;
        std::size_t start = 0;
        while (start + 1 < run_.size()) {
            std::size_t last = start + 1;  // at least one step
            double lo = std::min(run_[start].distance, run_[last].distance);
            double hi = std::max(run_[start].distance, run_[last].distance);
            while (last + 1 < run_.size() && last - start < kChunkPoints) {
                const double d = run_[last + 1].distance;
                if (std::max(hi, d) > kChunkDepth * std::min(lo, d)) break;
                lo = std::min(lo, d), hi = std::max(hi, d);
                ++last;
            }
            double sum = 0.0;
            int32_t minX = INT32_MAX, maxX = INT32_MIN;
            for (std::size_t i = start; i <= last; ++i) {
                sum += run_[i].distance;
                minX = std::min(minX, run_[i].p.x), maxX = std::max(maxX, run_[i].p.x);
            }
            if (maxX >= 0 && minX <= width && maxX > minX) {
                chunks.push_back({sum / double(last - start + 1), int32_t(points.size()), int32_t(last - start + 1)});
                for (std::size_t i = start; i <= last; ++i) points.push_back(run_[i].p);
            }
            start = last;
        }
    }

    Game& g_;
    const Style& style_;
    double fx_, fy_, ex_, ey_, sight_;
    std::vector<RunPoint> run_;
    int32_t lastK_ = -2;
    bool openEnd_ = false;
};

int32_t LandFill(const Game& g, const Style& s) {
    if (Monochrome(g)) return pal::kGrey;
    if (Night(g)) return FewColours(g) ? pal::kGrey63 : pal::kGrey48;
    return s.woods ? pal::kLandNorth : pal::kLand;
}

// The top edge, back along the chunk, with the treetops of the cover where
// the coast is near enough to show them: spruce spires down east, low
// rounded scrub elsewhere.
void TopEdge(const Style& s, const ScreenPoint* p, int32_t n, bool trees, std::vector<gfx::Point>& out) {
    int32_t walked = 0, tips = 0;
    for (int32_t i = n - 1; i >= 0; --i) {
        const ScreenPoint& a = p[i];
        out.push_back({a.x, a.y - a.rise});
        if (!trees || i == 0) continue;
        const ScreenPoint& b = p[i - 1];
        const int32_t gap = std::abs(b.x - a.x), dir = b.x > a.x ? 1 : -1;
        const int32_t step = std::clamp(a.rise / 5, 3, 12);
        const bool spruce = s.cover == Cover::Spruce;
        const int32_t lift = spruce ? step * 3 / 2 : s.cover == Cover::Mixed ? step / 2 + 1 : std::max(1, step / 3);
        for (int32_t c = step - walked; c < gap && tips < 200; c += step, ++tips) {
            const auto topAt = [&](int32_t col) {
                return (a.y - a.rise) + ((b.y - b.rise) - (a.y - a.rise)) * col / std::max(1, gap);
            };
            const int32_t foot = std::max(0, c - step / 2);
            out.push_back({a.x + dir * foot, topAt(foot)});
            out.push_back({a.x + dir * c, topAt(c) - lift});
        }
        walked = (walked + gap) % step;
    }
}

void DrawChunk(gfx::DC& dc, Game& g, const Style& s, const ScreenPoint* p, int32_t n, std::vector<gfx::Point>& shape) {
    const int32_t horizon = g.viewState.horizonY;
    int32_t rows = 0;
    for (int32_t i = 0; i < n; ++i) rows += p[i].y - horizon;
    const int32_t depth = rows / n;  // how far below the horizon: how near
    const bool detail = g.viewState.simpleGraphics == 0 && !DarkNight(g);
    shape.clear();
    for (int32_t i = 0; i < n; ++i) shape.push_back({p[i].x, p[i].y});
    TopEdge(s, p, n, detail && depth > 6, shape);
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandFill(g, s));
    dc.Polygon(shape.data(), int(shape.size()));
    // A near island's skyline against the land behind it.
    if (detail && depth > 20 && !Monochrome(g)) {
        dc.SelectPen(s.woods && !Night(g) ? pal::kPenLand1 : pal::kPenDark1);
        dc.Polyline(shape.data() + n, int(shape.size()) - n);
    }
    if (!ByDay(g) || Monochrome(g)) return;
    // Granite, sand or bluff at the foot, then the surf.
    if (depth > 10) {
        shape.resize(std::size_t(n));
        for (int32_t i = n - 1; i >= 0; --i) {
            const int32_t share = s.cover == Cover::Mixed && Bluff(p[i].wx, p[i].wy) ? 3 * s.footShare : s.footShare;
            shape.push_back({p[i].x, p[i].y - std::max(1, p[i].rise * share / 100)});
        }
        const bool bluff = s.cover == Cover::Mixed && Bluff(p[0].wx, p[0].wy);
        dc.SelectBrush(bluff ? pal::kOlive : s.footBrush);
        dc.Polygon(shape.data(), int(shape.size()));
    }
    dc.SelectPen(FewColours(g) ? pal::kPenSurfSafe : pal::kPenSurf);
    shape.resize(std::size_t(n));
    dc.Polyline(shape.data(), n);
    // The towns of Southern New England along the near shore.
    if (s.cover != Cover::Mixed || depth <= 30 || !detail) return;
    for (int32_t i = 0; i < n; ++i)
        if ((Trunc(p[i].wx) / 97 + Trunc(p[i].wy) / 89) % 5 == 0 && !Bluff(p[i].wx, p[i].wy))
            drawShoreTrees(dc, g, p[i].x, p[i].y - p[i].rise * s.footShare / 100, 5);
}

}  // namespace

double CoastSightRange(const Game& g) {
    const int32_t upm = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;
    return std::min(kMaxSightUnits, StyleOf(g).sightMiles * upm);
}

void drawTrueCoast(gfx::DC& dc, Game& g) {
    const ShoreMap& m = g.shoreMap;
    if (!m.table) return;
    const Style style = StyleOf(g);
    Gatherer gather(g, style);
    std::vector<int32_t> segments;
    CoastSegmentsNear(m, gather.eyeX(), gather.eyeY(), gather.sight(), segments);
    for (int32_t k : segments) gather.add(k, SegmentOf(*m.table, k));
    gather.close();
    std::vector<Chunk>& chunks = gather.chunks;
    // Far first: the nearer coast covers the farther.
    std::stable_sort(chunks.begin(), chunks.end(), [](const Chunk& a, const Chunk& b) { return a.key > b.key; });
    std::vector<gfx::Point> shape;
    for (const Chunk& c : chunks) DrawChunk(dc, g, style, gather.points.data() + c.first, c.count, shape);
}

}  // namespace vel
