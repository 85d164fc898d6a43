#include "views/projection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"

namespace vel {
namespace {

constexpr double kEyeBehind = 60.0;
constexpr double kTurn = 6.2832;
constexpr double kHalfTurn = 3.1416;

// Base heading: the view swings a few degrees to leeward of the bow while a
// sail is set, so that the rig does not hide what lies ahead.
int32_t BaseHeading(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    if (b.docked == 1) return b.heading;
    if (b.sailsUp != 1) return b.heading - 5;
    return b.heading - b.tack * (CloseUpView(g) ? 6 : 8);
}

}  // namespace

void updateViewHeading(Game& g) {
    ViewState& v = g.viewState;
    if (v.compassMode == 1) {
        v.viewHeading = wrapDegrees(Trunc(v.compassBearingExact));
        v.eyeHeading = v.viewHeading;
        return;
    }
    const int32_t base = BaseHeading(g);
    v.viewHeading = v.lookOffset != 0 ? NormaliseAngle(v.lookOffset + base) : base;
    if (v.lookOffset > 360 || v.lookOffset < -360) v.lookOffset = 0;
}

Projector::Projector(Game& g) : g_(g) {
    heading_ = g.viewState.eyeHeading * kDegToRad;
    eyeX_ = g.ownBoat.x - kEyeBehind * std::sin(heading_);
    eyeY_ = g.ownBoat.y + kEyeBehind * std::cos(heading_);
}

double Projector::bearing(double x, double y) {
    const double dx = x - eyeX_;
    const double dn = eyeY_ - y;
    const double d2 = dx * dx + dn * dn;
    Projection& p = g_.projection;
    p.distance = d2 <= 0.0 ? 0.0 : d2 >= 2.5e9 ? 50000.0 : std::sqrt(d2);
    double rel = std::atan2(dx, dn) - heading_;
    if (rel > kHalfTurn) rel -= kTurn;
    else if (rel < -kHalfTurn) rel += kTurn;
    p.relBearing = Trunc(rel * kRadToDeg);
    return rel;
}

double eyeBearing(Game& g, double x, double y) { return Projector(g).bearing(x, y); }

void projectPointD(Game& g, int32_t slot, double x, double y, int32_t kind) { Projector(g).project(slot, x, y, kind); }

void Projector::project(int32_t slot, double x, double y, int32_t kind) {
    Game& g = g_;
    const double r = bearing(x, y);
    Projection& p = g.projection;
    const ScreenState& s = g.screenState;
    const int32_t rb = p.relBearing;
    const int32_t horizon = g.viewState.horizonY;
    const bool closeUp = CloseUpView(g);

    // Depth: ahead and to starboard the distance shrinks with the cosine of
    // the bearing; everywhere else the full distance stands.
    const int32_t a = NormaliseAngle(Trunc(r * kRadToDeg));
    double d = a < 90 ? g.trigTables.cos100[a] * p.distance * 0.01 : p.distance;
    if (BinocularsOn(g)) d *= 0.7;
    if (d < 10.0) d = 10.0;

    double f = 0.0;
    if (d < 1000.0) f = (closeUp ? 0.9 : 0.95) - d * 0.00005;
    else f = closeUp ? 0.83 : 0.88;

    double row = horizon + 60.0 * f * (p.baseY - 60) / d;
    const int32_t off = std::abs(rb);
    if (kind == kProjectShore) {
        if (off > 80 && off <= 85) row = std::min(row, static_cast<double>(horizon + s.height / 6));
        if (off > 85) row = horizon;
    } else if (off > 80) {
        row = horizon;
    }
    if (kind == kProjectAside && off > 60) row = horizon;
    p.screenY[slot] = std::max(Trunc(row), horizon);

    // Near points spread wider than far ones. A base on the horizon row (no
    // boat drawn yet) gives no spread instead of a division by zero.
    const double span = p.baseY - horizon;
    const double depth = span != 0.0 ? (row - horizon) / span : 0.0;
    const double sc = s.hScale * (closeUp ? 8.0 + 24.0 * depth : 8.0 + 8.0 * depth);
    const double zoom = BinocularsOn(g) ? 1.8 : 1.0;
    p.screenX[slot] = p.centerX + Trunc(sc * 1.1 * zoom * r * kRadToDeg);
    if (kind == kProjectAside) {
        if (rb > 60) p.screenX[slot] = 2 * s.width;
        if (rb < -60) p.screenX[slot] = -s.width;
    }
}

void projectPoint(Game& g, int32_t slot, int32_t x, int32_t y, int32_t kind) {
    projectPointD(g, slot, static_cast<double>(x), static_cast<double>(y), kind);
}

double depthScale(const Game& g, int32_t row) {
    double v = (row - g.viewState.horizonY) * 0.01;
    if (CloseUpView(g)) v *= 1.8;
    if (g.screenState.width < 900) v *= 1.3;
    double factor = 0.06 + 1.02 * v;
    if (BinocularsOn(g)) factor *= 1.5;
    return factor;
}

int32_t wrapDegrees(int32_t a) {
    a %= 360;
    return a < 0 ? a + 360 : a;
}

int32_t signedAngle(int32_t a) {
    a = wrapDegrees(a);
    return a > 180 ? a - 360 : a;
}

int32_t sortByRow(std::span<int32_t> keys, std::span<int32_t> order, int32_t n) {
    int32_t placed = 0;
    for (int32_t k = 1; k <= n; ++k) {
        int32_t best = 0;
        for (int32_t i = 1; i <= n; ++i)
            if (keys[i] < 19000 && (best == 0 || keys[i] < keys[best])) best = i;
        if (best == 0) break;
        order[++placed] = best;
        keys[best] = 20000;
    }
    return placed;
}

}  // namespace vel

namespace vel {
namespace {

constexpr double kFieldEdge = 75.0 * kDegToRad;
constexpr double kFollowStep = 15.0;  // world units between followed points

struct Local {
    double ahead, right;
};

// Keeps the part of a polygon on one side of a line through the eye:
// side(p) <= 0 is kept.
std::vector<WorldPoint> ClipHalf(const std::vector<WorldPoint>& in, double (*side)(const Local&), const WorldPoint& eye,
                                 double fx, double fy) {
    std::vector<WorldPoint> out;
    const std::size_t n = in.size();
    auto local = [&](const WorldPoint& p) {
        const double dx = p.x - eye.x, dy = p.y - eye.y;
        return Local{dx * fx + dy * fy, dx * -fy + dy * fx};
    };
    for (std::size_t i = 0; i < n; ++i) {
        const WorldPoint& a = in[i];
        const WorldPoint& b = in[(i + 1) % n];
        const double sa = side(local(a)), sb = side(local(b));
        if (sa <= 0) out.push_back(a);
        if ((sa <= 0) != (sb <= 0)) {
            const double t = sa / (sa - sb);
            out.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
    return out;
}

double RightEdge(const Local& l) { return l.right * std::cos(kFieldEdge) - l.ahead * std::sin(kFieldEdge); }
double LeftEdge(const Local& l) { return -l.right * std::cos(kFieldEdge) - l.ahead * std::sin(kFieldEdge); }

}  // namespace

std::vector<gfx::Point> projectClippedPolygon(Game& g, const WorldPoint* pts, int32_t n) {
    const double h = g.viewState.eyeHeading * kDegToRad;
    const WorldPoint eye{g.ownBoat.x - 60.0 * std::sin(h), g.ownBoat.y + 60.0 * std::cos(h)};
    // Forward is (sin h, -cos h) with y growing south.
    const double fx = std::sin(h), fy = -std::cos(h);
    std::vector<WorldPoint> shape(pts, pts + n);
    shape = ClipHalf(shape, RightEdge, eye, fx, fy);
    shape = ClipHalf(shape, LeftEdge, eye, fx, fy);
    std::vector<gfx::Point> out;
    const std::size_t m = shape.size();
    for (std::size_t i = 0; i < m; ++i) {
        const WorldPoint& a = shape[i];
        const WorldPoint& b = shape[(i + 1) % m];
        const int32_t steps = std::max(1, Trunc(std::hypot(b.x - a.x, b.y - a.y) / kFollowStep));
        for (int32_t k = 0; k < steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            projectPointD(g, 1, a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, kProjectPlain);
            out.push_back({g.projection.screenX[1], g.projection.screenY[1]});
        }
    }
    return out;
}

}  // namespace vel
