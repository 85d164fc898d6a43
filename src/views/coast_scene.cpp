#include "views/coast_scene.h"

#include <algorithm>
#include <climits>
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

constexpr double kFieldEdge = 80.0;  // degrees; beyond this the projection lays points on the horizon
constexpr double kMaxSightUnits = 6000.0;
constexpr int32_t kChunkPoints = 96;
constexpr double kChunkDepth = 1.5;  // farthest over nearest point of one chunk
// How far below the horizon a chunk's waterline stands before it shows its
// foot and surf, its treetops, its skyline against the land behind.
constexpr int32_t kPlainDepth = 10, kTreeDepth = 20, kSkylineDepth = 30;
constexpr int32_t kTreeRoom = 27;  // the tallest treetop over the land's top

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
        case 7: case 8: case 20: return {800, pal::kGrey, 15, Cover::Spruce, true, 15.0};
        case 11: return {420, pal::kCream, 14, Cover::Mixed, false, 15.0};
        case 12: return {230, pal::kCream, 12, Cover::Scrub, false, 15.0};
        default: return {190, pal::kCream, 18, Cover::Scrub, false, 15.0};
    }
}

// A triangle wave of period 1 between -1 and 1: cheaper than a sine, and
// the hills it makes have ridges.
double Wave(double t) { return 4.0 * std::abs(t - std::floor(t + 0.5)) - 1.0; }

// The lie of the land: hills and hollows that follow the shore.
int32_t HeightAt(const Style& s, double x, double y) {
    const double swell = 0.25 * Wave(x * 0.00017 + 0.3 * Wave(y * 0.00011)) + 0.15 * Wave(y * 0.00037 + x * 0.00008);
    return Trunc(s.height * (0.8 + swell));
}

// Southern New England's shore alternates between bluffs and beaches.
bool Bluff(double x, double y) { return Wave(x * 0.00011 + y * 0.00008) > 0.35; }

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
    Gatherer(Game& g, const Style& s) : g_(g), style_(s), projector_(g) {
        const double h = g.viewState.eyeHeading * kDegToRad;
        fx_ = std::sin(h), fy_ = -std::cos(h);
        ex_ = g.ownBoat.x - 60.0 * fx_, ey_ = g.ownBoat.y - 60.0 * fy_;
        sight_ = CoastSightRange(g);
        // Columns spread at least as wide as at the horizon: beyond this
        // bearing nothing lands on the screen.
        const ScreenState& sc = g.screenState;
        const double perDegree = sc.hScale * 8.0 * 1.1 * (BinocularsOn(g) ? 1.8 : 1.0);
        const int32_t side = std::max(g.projection.centerX, sc.width - g.projection.centerX);
        half_ = std::min(kFieldEdge, perDegree > 0 ? side / perDegree + 2.0 : kFieldEdge) * kDegToRad;
        // Where the waterline stands a plain chunk's depth below the horizon.
        rowScale_ = 60.0 * 0.95 * std::max(1, g.projection.baseY - 60);
        farOff_ = rowScale_ * 0.88 / 0.95 / kPlainDepth;
        perRadian_ = sc.hScale * (CloseUpView(g) ? 32.0 : 16.0) * 1.1 * (BinocularsOn(g) ? 1.8 : 1.0) / kDegToRad;
        cosHalf_ = std::cos(half_), sinHalf_ = std::sin(half_);
    }
    CoastWindow window() const { return {ex_, ey_, sight_, fx_, fy_, half_}; }

    void add(int32_t k, const CoastSegment& s) {
        const double nearest = FacesPoint(s, ex_, ey_) ? Nearest(s) : sight_ + 1;
        if (nearest > sight_) {
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
        const double len = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
        // The projection bends a long edge near the eye: follow it.
        const int32_t pieces = std::clamp(Trunc(len / std::max(40.0, 0.5 * nearest)) + 1, 1, 12);
        for (int32_t p = joins ? 1 : 0; p <= pieces; ++p) {
            const double t = double(p) / pieces;
            const double x = ax + (bx - ax) * t, y = ay + (by - ay) * t;
            if (!run_.empty() && SubPixel(run_.back(), x, y)) continue;
            // Far off, every other vertex of a shore running on is enough.
            if (joins && pieces == 1 && (k & 1) && nearest > farOff_ && t1 == 1.0) continue;
            put(x, y);
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

    // A point that would land within a pixel of the last one kept, judged
    // without projecting it: its bearing and its distance barely differ.
    bool SubPixel(const RunPoint& last, double x, double y) const {
        const double ux = last.p.wx - ex_, uy = last.p.wy - ey_, vx = x - ex_, vy = y - ey_;
        const double d = std::sqrt(vx * vx + vy * vy), dd = last.distance;
        const double turn = std::abs(ux * vy - uy * vx) / std::max(1.0, d * dd);  // radians, nearly
        // Ahead to starboard the depth shrinks with the bearing's cosine,
        // which the 0.4 allows for across the screen.
        return turn * perRadian_ < 0.7 && rowScale_ * std::abs(d - dd) / std::max(1.0, d * dd) < 0.4;
    }

    double Nearest(const CoastSegment& s) const {
        const double dx = s.bx - s.ax, dy = s.by - s.ay, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(((ex_ - s.ax) * dx + (ey_ - s.ay) * dy) / len, 0.0, 1.0) : 0.0;
        const double nx = s.ax + t * dx - ex_, ny = s.ay + t * dy - ey_;
        return std::sqrt(nx * nx + ny * ny);
    }

    // Keeps the part of the segment within the field either side of the
    // view's centre.
    bool ClipToField(const CoastSegment& s, double& t0, double& t1) const {
        const auto side = [&](double x, double y, double sign) {
            const double dx = x - ex_, dy = y - ey_;
            const double ahead = dx * fx_ + dy * fy_, right = -dx * fy_ + dy * fx_;
            return sign * right * cosHalf_ - ahead * sinHalf_;
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
        projector_.project(1, x, y, kProjectShore);
        const Projection& pr = g_.projection;
        const int32_t sx = pr.screenX[1], sy = pr.screenY[1];
        // Points a pixel apart are one: far coast is simplified by the screen.
        if (!run_.empty() && std::abs(sx - run_.back().p.x) <= 1 && std::abs(sy - run_.back().p.y) <= 1) return;
        run_.push_back({{sx, sy, Rise(g_, sy, HeightAt(style_, x, y)), x, y}, pr.distance});
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
                // Far off, the coast lies in a thin band on the horizon
                // whatever its order: it needs no cutting.
                if (std::min(lo, d) < farOff_ && std::max(hi, d) > kChunkDepth * std::min(lo, d)) break;
                lo = std::min(lo, d), hi = std::max(hi, d);
                ++last;
            }
            double sum = 0.0;
            int32_t minX = INT32_MAX, maxX = INT32_MIN;
            for (std::size_t i = start; i <= last; ++i) {
                sum += run_[i].distance;
                minX = std::min(minX, run_[i].p.x), maxX = std::max(maxX, run_[i].p.x);
            }
            if (maxX >= 0 && minX <= width && maxX - minX > 1) {
                chunks.push_back({sum / double(last - start + 1), int32_t(points.size()), int32_t(last - start + 1)});
                for (std::size_t i = start; i <= last; ++i) points.push_back(run_[i].p);
            }
            start = last;
        }
    }

    Game& g_;
    const Style& style_;
    Projector projector_;
    double fx_, fy_, ex_, ey_, sight_, half_, cosHalf_, sinHalf_, farOff_, rowScale_, perRadian_;
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
        const int32_t step = std::clamp(a.rise / 3, 8, 18);
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

// Per screen column, the highest top of the land drawn nearer. Along one
// column the nearer waterline lies lower, so land whose top is not above
// that skyline anywhere is hidden behind it.
class Skyline {
public:
    explicit Skyline(int32_t width) : top_(std::size_t(std::max(width, 1)), INT32_MAX) {}

    // Whether the chunk shows anywhere, its treetops `room` pixels above
    // its top; it then hides what lies behind it.
    bool cover(const ScreenPoint* p, int32_t n, int32_t room) {
        bool shows = false;
        const int32_t width = int32_t(top_.size());
        for (int32_t pass = 0; pass < 2 && !(pass == 1 && !shows); ++pass)
            for (int32_t i = 0; i + 1 < n && !(pass == 0 && shows); ++i) {
                const ScreenPoint &a = p[i], &b = p[i + 1];
                const int32_t lo = std::max(0, std::min(a.x, b.x)), hi = std::min(width - 1, std::max(a.x, b.x));
                const int32_t span = std::max(1, std::abs(b.x - a.x));
                for (int32_t x = lo; x <= hi; ++x) {
                    const int32_t t = (a.y - a.rise) + ((b.y - b.rise) - (a.y - a.rise)) * std::abs(x - a.x) / span;
                    if (pass == 1) top_[std::size_t(x)] = std::min(top_[std::size_t(x)], t);
                    else if (t - room < top_[std::size_t(x)]) shows = true;
                }
            }
        return shows;
    }

private:
    std::vector<int32_t> top_;
};

// How far below the horizon a chunk stands on average: how near it is.
int32_t DepthOf(const Game& g, const ScreenPoint* p, int32_t n) {
    int32_t rows = 0;
    for (int32_t i = 0; i < n; ++i) rows += p[i].y - g.viewState.horizonY;
    return rows / n;
}

bool Detail(const Game& g) { return g.viewState.simpleGraphics == 0 && !DarkNight(g); }


// The land of a chunk, from the waterline up, far chunks plain; nearer ones
// with their treetops, skyline, foot and surf.
void DrawChunk(gfx::DC& dc, Game& g, const Style& s, const ScreenPoint* p, int32_t n, std::vector<gfx::Point>& shape) {
    const int32_t depth = DepthOf(g, p, n);
    const bool detail = Detail(g);
    shape.clear();
    for (int32_t i = 0; i < n; ++i) shape.push_back({p[i].x, p[i].y});
    TopEdge(s, p, n, detail && depth > kTreeDepth, shape);
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandFill(g, s));
    dc.Polygon(shape.data(), int(shape.size()));
    if (depth <= kPlainDepth) return;
    // A near island's skyline against the land behind it.
    if (detail && depth > kSkylineDepth && !Monochrome(g)) {
        dc.SelectPen(s.woods && !Night(g) ? pal::kPenLand1 : pal::kPenDark1);
        dc.Polyline(shape.data() + n, int(shape.size()) - n);
    }
    if (!ByDay(g) || Monochrome(g)) return;
    // Granite, sand or bluff at the foot, then the surf.
    shape.resize(std::size_t(n));
    for (int32_t i = n - 1; i >= 0; --i) {
        const int32_t share = s.cover == Cover::Mixed && Bluff(p[i].wx, p[i].wy) ? 3 * s.footShare : s.footShare;
        shape.push_back({p[i].x, p[i].y - std::max(1, p[i].rise * share / 100)});
    }
    const bool bluff = s.cover == Cover::Mixed && Bluff(p[0].wx, p[0].wy);
    dc.SelectBrush(bluff ? pal::kOlive : s.footBrush);
    dc.Polygon(shape.data(), int(shape.size()));
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
    CoastSegmentsNear(m, gather.window(), segments);
    for (int32_t k : segments) gather.add(k, SegmentOf(*m.table, k));
    gather.close();
    std::vector<Chunk>& chunks = gather.chunks;
    // Near first, to find the chunks that nearer land hides wholly.
    std::stable_sort(chunks.begin(), chunks.end(), [](const Chunk& a, const Chunk& b) { return a.key < b.key; });
    Skyline sky(g.screenState.width);
    std::vector<bool> shows(chunks.size());
    for (std::size_t c = 0; c < chunks.size(); ++c) {
        const ScreenPoint* p = gather.points.data() + chunks[c].first;
        shows[c] = sky.cover(p, chunks[c].count, DepthOf(g, p, chunks[c].count) > kTreeDepth ? kTreeRoom : 0);
    }
    // Then far first: the nearer coast covers the farther.
    std::vector<gfx::Point> shape;
    for (std::size_t c = chunks.size(); c-- > 0;)
        if (shows[c]) DrawChunk(dc, g, style, gather.points.data() + chunks[c].first, chunks[c].count, shape);
}

}  // namespace vel
