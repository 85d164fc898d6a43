#include "geodata/fit.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vel::geodata {

double SignedArea(const std::vector<AreaPoint>& o) {
    double a = 0;
    for (std::size_t i = 0; i + 1 < o.size(); ++i) a += o[i].x * o[i + 1].y - o[i + 1].x * o[i].y;
    if (!o.empty()) a += o.back().x * o.front().y - o.front().x * o.back().y;
    return a / 2.0;
}

EllipseFit FitEllipse(const std::vector<AreaPoint>& o) {
    // Green's theorem over the polygon's edges gives the area, centroid and
    // second moments exactly, whatever the point spacing.
    double A = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    const std::size_t n = o.size();
    for (std::size_t i = 0; i < n; ++i) {
        const AreaPoint p = o[i], q = o[(i + 1) % n];
        const double c = p.x * q.y - q.x * p.y;
        A += c;
        sx += (p.x + q.x) * c;
        sy += (p.y + q.y) * c;
        sxx += (p.x * p.x + p.x * q.x + q.x * q.x) * c;
        syy += (p.y * p.y + p.y * q.y + q.y * q.y) * c;
        sxy += (p.x * q.y + 2 * p.x * p.y + 2 * q.x * q.y + q.x * p.y) * c;
    }
    A /= 2.0;
    if (!(std::fabs(A) > 1e-9)) throw std::invalid_argument("outline encloses no area");
    const double cx = sx / (6 * A), cy = sy / (6 * A);
    const double ixx = sxx / (12 * A) - cx * cx, iyy = syy / (12 * A) - cy * cy;
    const double ixy = sxy / (24 * A) - cx * cy;
    const double mean = (ixx + iyy) / 2, diff = std::sqrt((ixx - iyy) * (ixx - iyy) / 4 + ixy * ixy);
    const double l1 = mean + diff, l2 = std::max(mean - diff, 0.0);
    // A solid ellipse of half-axes a, b has second moments a^2/4 and b^2/4.
    const double a = 2 * std::sqrt(l1), b = 2 * std::sqrt(l2);
    if (!(a > 0) || !(b > 0)) throw std::invalid_argument("outline is a line, not an area");
    // Direction of the long axis: eigenvector of (ixx ixy; ixy iyy).
    const double ang = 0.5 * std::atan2(2 * ixy, ixx - iyy);  // from +x toward +y (south)
    double bearing = 90.0 + ang * 180.0 / std::numbers::pi;   // +x is 090, +y is 180
    while (bearing >= 180) bearing -= 180;
    while (bearing < 0) bearing += 180;
    return {cx, cy, a, b / a, bearing, std::fabs(A)};
}

std::vector<AreaPoint> Resample(const std::vector<AreaPoint>& line, int n) {
    std::vector<double> at{0.0};
    for (std::size_t i = 1; i < line.size(); ++i)
        at.push_back(at.back() + std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y));
    std::vector<AreaPoint> out;
    if (line.empty() || n < 2) return out;
    std::size_t seg = 1;
    for (int k = 0; k < n; ++k) {
        const double want = at.back() * k / (n - 1);
        while (seg + 1 < line.size() && at[seg] < want) ++seg;
        const double len = at[seg] - at[seg - 1];
        const double t = len > 0 ? (want - at[seg - 1]) / len : 0.0;
        out.push_back({line[seg - 1].x + t * (line[seg].x - line[seg - 1].x),
                       line[seg - 1].y + t * (line[seg].y - line[seg - 1].y)});
    }
    return out;
}

double RayHit(const std::vector<AreaPoint>& line, AreaPoint o, double bearingDeg) {
    const double r = bearingDeg * std::numbers::pi / 180.0;
    const double dx = std::sin(r), dy = -std::cos(r);
    double best = -1;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const double ex = line[i + 1].x - line[i].x, ey = line[i + 1].y - line[i].y;
        const double den = dx * ey - dy * ex;
        if (std::fabs(den) < 1e-12) continue;
        const double wx = line[i].x - o.x, wy = line[i].y - o.y;
        const double t = (wx * ey - wy * ex) / den;  // along the ray
        const double u = (wx * dy - wy * dx) / den;  // along the edge
        if (t >= 0 && u >= 0 && u <= 1 && (best < 0 || t < best)) best = t;
    }
    return best;
}

}  // namespace vel::geodata
