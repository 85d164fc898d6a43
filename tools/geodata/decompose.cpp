#include "geodata/decompose.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vel::geodata {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Offsets from an ellipse's centre along its long axis and across it (the
// across axis points 90 degrees clockwise of the long one).
struct Axes {
    double along, across;
};
Axes ToAxes(const EllipseFit& e, AreaPoint p) {
    const double dx = p.x - e.cx, dy = p.y - e.cy;
    const double s = std::sin(e.bearingDeg * kDeg), c = std::cos(e.bearingDeg * kDeg);
    return {dx * s - dy * c, dx * c + dy * s};
}

bool InEllipse(const EllipseFit& e, AreaPoint p) {
    const Axes a = ToAxes(e, p);
    const double u = a.across / (e.aspect * e.R), v = a.along / e.R;
    return u * u + v * v <= 1.0;
}

// A bitmap over a window of the raster.
struct Window {
    int32_t i0, j0, w, h;
    std::vector<uint8_t> on;
    Window(int32_t i0_, int32_t j0_, int32_t i1, int32_t j1)
        : i0(i0_), j0(j0_), w(i1 - i0_ + 1), h(j1 - j0_ + 1), on(static_cast<std::size_t>(w) * h, 0) {}
    bool In(int32_t i, int32_t j) const { return i >= i0 && j >= j0 && i < i0 + w && j < j0 + h; }
    uint8_t& At(int32_t i, int32_t j) { return on[static_cast<std::size_t>(j - j0) * w + (i - i0)]; }
};

Window CellWindow(const std::vector<Cell>& cells, int32_t margin) {
    int32_t i0 = cells[0].i, i1 = i0, j0 = cells[0].j, j1 = j0;
    for (const Cell c : cells) {
        i0 = std::min(i0, c.i), i1 = std::max(i1, c.i);
        j0 = std::min(j0, c.j), j1 = std::max(j1, c.j);
    }
    Window w(i0 - margin, j0 - margin, i1 + margin, j1 + margin);
    for (const Cell c : cells) w.At(c.i, c.j) = 1;
    return w;
}

double Mismatch(const LandRaster& r, const std::vector<Cell>& cells, const EllipseFit& e) {
    const double area = r.cell() * r.cell();
    const int32_t reach = static_cast<int32_t>(std::ceil(e.R / r.cell())) + 2;
    const int32_t ci = r.Column(e.cx), cj = r.Row(e.cy);
    // A window that holds both the cells and the ellipse.
    const Window cw = CellWindow(cells, 0);
    const int32_t i0 = std::min(cw.i0, ci - reach), j0 = std::min(cw.j0, cj - reach);
    const int32_t i1 = std::max(cw.i0 + cw.w - 1, ci + reach), j1 = std::max(cw.j0 + cw.h - 1, cj + reach);
    Window both(i0, j0, i1, j1);
    for (const Cell c : cells) both.At(c.i, c.j) = 1;
    double miss = 0;
    for (int32_t j = j0; j <= j1; ++j)
        for (int32_t i = i0; i <= i1; ++i)
            if ((both.At(i, j) == 1) != InEllipse(e, r.Centre({i, j}))) miss += area;
    return miss;
}

// The 4-connected parts of a cell set.
std::vector<std::vector<Cell>> Parts(const std::vector<Cell>& cells) {
    std::vector<std::vector<Cell>> out;
    if (cells.empty()) return out;
    Window w = CellWindow(cells, 1);
    for (const Cell start : cells) {
        if (w.At(start.i, start.j) != 1) continue;
        out.emplace_back();
        std::vector<Cell> stack{start};
        w.At(start.i, start.j) = 2;
        while (!stack.empty()) {
            const Cell c = stack.back();
            stack.pop_back();
            out.back().push_back(c);
            const Cell next[4] = {{c.i + 1, c.j}, {c.i - 1, c.j}, {c.i, c.j + 1}, {c.i, c.j - 1}};
            for (const Cell n : next) {
                if (!w.In(n.i, n.j) || w.At(n.i, n.j) != 1) continue;
                w.At(n.i, n.j) = 2;
                stack.push_back(n);
            }
        }
    }
    return out;
}

double Area(const LandRaster& r, const LandPiece& p) { return p.cells.size() * r.cell() * r.cell(); }

LandPiece MakePiece(const LandRaster& r, std::vector<Cell> cells, int32_t label) {
    LandPiece p;
    p.cells = std::move(cells);
    p.label = label;
    p.fit = FitCells(r, p.cells);
    p.mismatch = Mismatch(r, p.cells, p.fit);
    return p;
}

// Cuts a piece in two across its long axis (`across`) or along it, at
// `at` times the radius from its centre of area; each half then falls apart
// into its parts.
std::vector<LandPiece> Cut(const LandRaster& r, const LandPiece& p, bool across, double at) {
    std::vector<Cell> one, other;
    for (const Cell c : p.cells) {
        const Axes a = ToAxes(p.fit, r.Centre(c));
        const double d = across ? a.along : a.across / p.fit.aspect;
        (d >= at * p.fit.R ? one : other).push_back(c);
    }
    std::vector<LandPiece> out;
    for (auto* half : {&one, &other})
        for (auto& part : Parts(*half))
            if (part.size() >= 3) out.push_back(MakePiece(r, std::move(part), p.label));
    return out;
}

double MismatchOf(const std::vector<LandPiece>& parts) {
    double m = 0;
    for (const LandPiece& p : parts) m += p.mismatch;
    return m;
}

// The best of a few cuts of a piece: across and along, through the centre
// and halfway out to either end.
std::vector<LandPiece> BestCut(const LandRaster& r, const LandPiece& p, double minArea) {
    std::vector<LandPiece> best;
    double bestMiss = 0;
    for (const bool across : {true, false}) {
        for (const double at : {0.0, -0.6, -0.3, 0.3, 0.6}) {
            std::vector<LandPiece> parts = Cut(r, p, across, at);
            std::erase_if(parts, [&](const LandPiece& q) { return Area(r, q) < minArea; });
            if (parts.empty()) continue;
            const double miss = MismatchOf(parts);
            if (best.empty() || miss < bestMiss) best = std::move(parts), bestMiss = miss;
        }
    }
    return best;
}

// Normalised distance of a point from an ellipse's centre: 1 on its rim.
double Reach(const EllipseFit& e, AreaPoint p) {
    const Axes a = ToAxes(e, p);
    const double u = a.across / (e.aspect * e.R), v = a.along / e.R;
    return std::sqrt(u * u + v * v);
}

// The pieces cut from one component share its cells out again, each cell to
// the ellipse it lies deepest in, and fit anew: the cuts' straight lines
// give way to the shape's own waists.
void Settle(const LandRaster& r, std::vector<LandPiece>& pieces) {
    std::vector<int32_t> labels;
    for (const LandPiece& p : pieces) labels.push_back(p.label);
    std::sort(labels.begin(), labels.end());
    labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
    for (const int32_t label : labels) {
        std::vector<std::size_t> mine;
        for (std::size_t k = 0; k < pieces.size(); ++k)
            if (pieces[k].label == label) mine.push_back(k);
        if (mine.size() < 2) continue;
        std::vector<Cell> all;
        for (const std::size_t k : mine) all.insert(all.end(), pieces[k].cells.begin(), pieces[k].cells.end());
        for (int round = 0; round < 6; ++round) {
            std::vector<std::vector<Cell>> share(mine.size());
            for (const Cell c : all) {
                std::size_t best = 0;
                double bestReach = 1e30;
                for (std::size_t m = 0; m < mine.size(); ++m) {
                    const double d = Reach(pieces[mine[m]].fit, r.Centre(c));
                    if (d < bestReach) bestReach = d, best = m;
                }
                share[best].push_back(c);
            }
            bool moved = false;
            for (std::size_t m = 0; m < mine.size(); ++m) {
                if (share[m].size() < 3) continue;
                moved = moved || share[m].size() != pieces[mine[m]].cells.size();
                pieces[mine[m]].cells = std::move(share[m]);
                pieces[mine[m]].fit = FitCells(r, pieces[mine[m]].cells);
            }
            if (!moved) break;
        }
        for (const std::size_t k : mine) pieces[k].mismatch = Mismatch(r, pieces[k].cells, pieces[k].fit);
    }
}

}  // namespace

EllipseFit FitCells(const LandRaster& r, const std::vector<Cell>& cells) {
    if (cells.empty()) throw std::invalid_argument("no cells to fit");
    double sx = 0, sy = 0;
    for (const Cell c : cells) {
        const AreaPoint p = r.Centre(c);
        sx += p.x, sy += p.y;
    }
    const double n = static_cast<double>(cells.size());
    const double cx = sx / n, cy = sy / n;
    // Each cell is a square: its own second moment adds cell^2 / 12.
    const double own = r.cell() * r.cell() / 12.0;
    double ixx = 0, iyy = 0, ixy = 0;
    for (const Cell c : cells) {
        const AreaPoint p = r.Centre(c);
        ixx += (p.x - cx) * (p.x - cx), iyy += (p.y - cy) * (p.y - cy), ixy += (p.x - cx) * (p.y - cy);
    }
    ixx = ixx / n + own, iyy = iyy / n + own, ixy /= n;
    const double mean = (ixx + iyy) / 2, diff = std::sqrt((ixx - iyy) * (ixx - iyy) / 4 + ixy * ixy);
    const double a = 2 * std::sqrt(mean + diff), b = 2 * std::sqrt(std::max(mean - diff, 0.0));
    if (!(a > 0) || !(b > 0)) throw std::invalid_argument("cells are a line, not an area");
    double bearing = 90.0 + 0.5 * std::atan2(2 * ixy, ixx - iyy) / kDeg;
    while (bearing >= 180) bearing -= 180;
    while (bearing < 0) bearing += 180;
    return {cx, cy, a, b / a, bearing, n * r.cell() * r.cell()};
}

std::vector<LandPiece> Decompose(const LandRaster& r, std::vector<LandPiece> pieces, std::size_t budget,
                                 double minArea, std::vector<LandPiece>& left) {
    const auto byArea = [&](const LandPiece& a, const LandPiece& b) { return Area(r, a) > Area(r, b); };
    std::stable_sort(pieces.begin(), pieces.end(), byArea);
    std::erase_if(pieces, [&](const LandPiece& p) {
        if (Area(r, p) >= minArea) return false;
        left.push_back(p);
        return true;
    });
    while (pieces.size() > budget) {
        left.push_back(std::move(pieces.back()));
        pieces.pop_back();
    }
    for (LandPiece& p : pieces) p.mismatch = Mismatch(r, p.cells, p.fit);
    // Greedy: the worst-fitting piece that a cut still improves is cut next.
    std::vector<bool> done(pieces.size(), false);
    for (;;) {
        std::size_t worst = pieces.size();
        for (std::size_t k = 0; k < pieces.size(); ++k)
            if (!done[k] && (worst == pieces.size() || pieces[k].mismatch > pieces[worst].mismatch)) worst = k;
        if (worst == pieces.size()) break;
        std::vector<LandPiece> parts = BestCut(r, pieces[worst], minArea);
        const double gain = pieces[worst].mismatch - MismatchOf(parts);
        // Room for the parts: the smallest pieces go, and what they covered
        // becomes part of the cost.
        std::vector<double> areas;
        for (std::size_t k = 0; k < pieces.size(); ++k)
            if (k != worst) areas.push_back(Area(r, pieces[k]));
        std::sort(areas.begin(), areas.end());
        const std::size_t need = areas.size() + parts.size();
        double cost = 0;
        for (std::size_t k = 0; k + budget < need && k < areas.size(); ++k) cost += areas[k];
        if (parts.empty() || gain <= cost || gain < 0.02 * Area(r, pieces[worst])) {
            done[worst] = true;
            continue;
        }
        pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(worst));
        done.erase(done.begin() + static_cast<std::ptrdiff_t>(worst));
        for (LandPiece& p : parts) {
            pieces.push_back(std::move(p));
            done.push_back(false);
        }
        while (pieces.size() > budget) {
            std::size_t smallest = 0;
            for (std::size_t k = 1; k < pieces.size(); ++k)
                if (Area(r, pieces[k]) < Area(r, pieces[smallest])) smallest = k;
            left.push_back(std::move(pieces[smallest]));
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(smallest));
            done.erase(done.begin() + static_cast<std::ptrdiff_t>(smallest));
        }
    }
    Settle(r, pieces);
    std::stable_sort(pieces.begin(), pieces.end(), byArea);
    return pieces;
}

void ShapeSectors(const LandRaster& r, LandPiece& p) {
    // How far the shape reaches toward each outline point, as a fraction of
    // the ellipse's radius that way.
    std::vector<double> reach(72, 0.0);
    const EllipseFit& e = p.fit;
    for (const Cell c : p.cells) {
        const Axes a = ToAxes(e, r.Centre(c));
        const double u = a.across / e.aspect, v = a.along;
        double t = std::atan2(u, v) / kDeg;
        if (t < 0) t += 360;
        const int k = std::min(71, static_cast<int>(t / 5.0 + 0.5) % 72);
        reach[k] = std::max(reach[k], (std::hypot(u, v) + 0.5 * r.cell()) / e.R);
    }
    // Outline points 1..35 lie on the positive across side, 37..71 on the
    // other; a side that falls well short of the ellipse is the skewed one.
    double pos = 0, neg = 0;
    for (int k = 1; k <= 35; ++k) pos += reach[k] / 35;
    for (int k = 37; k <= 71; ++k) neg += reach[k] / 35;
    p.skew = 0;
    if (std::min(pos, neg) < 0.85 && std::fabs(pos - neg) > 0.12) {
        const int first = pos < neg ? 1 : 37;
        double best = 1e9;
        for (int s = first; s <= first + 17; ++s) {
            double sum = 0;
            for (int k = s; k <= s + 17; ++k) sum += reach[k % 72];
            if (sum < best) best = sum, p.skew = s;
        }
    }
    p.bulge = 0;
    double most = 1.12;
    for (int k = 2; k <= 70; ++k)
        if (reach[k] > most) most = reach[k], p.bulge = k;
}

void RadarRange(const LandRaster& r, LandPiece& p, double reach) {
    const EllipseFit& e = p.fit;
    std::vector<bool> open(73, true);
    int openCount = 0;
    for (int k = 0; k < 72; ++k) {
        // Outline point k and the outward normal of the ellipse there.
        const double t = k * 5 * kDeg;
        const double along = e.R * std::cos(t), across = e.aspect * e.R * std::sin(t);
        const double s = std::sin(e.bearingDeg * kDeg), c = std::cos(e.bearingDeg * kDeg);
        const double px = e.cx + along * s + across * c, py = e.cy - along * c + across * s;
        const double nAlong = std::cos(t) / e.R, nAcross = std::sin(t) / (e.aspect * e.R);
        double nx = nAlong * s + nAcross * c, ny = -nAlong * c + nAcross * s;
        const double len = std::hypot(nx, ny);
        nx /= len, ny /= len;
        for (double d = 2 * r.cell(); d <= reach; d += r.cell()) {
            const int32_t lbl = r.LabelAt(px + nx * d, py + ny * d);
            if (lbl != 0 && lbl != p.label) {
                open[k] = false;
                break;
            }
        }
        openCount += open[k] ? 1 : 0;
    }
    p.radarFirst = 0, p.radarLast = 72;
    if (openCount == 72 || openCount == 0) return;
    // The longest run of open points that does not pass through point 0.
    int bestLen = 0, runStart = 0;
    for (int k = 0; k <= 72; ++k) {
        const bool o = k < 72 && open[k];
        if (o && (k == 0 || !open[k - 1])) runStart = k;
        if (!o && k > 0 && open[k - 1] && k - runStart > bestLen) {
            bestLen = k - runStart;
            p.radarFirst = runStart, p.radarLast = k - 1;
        }
    }
    if (bestLen == 0) p.radarFirst = 0, p.radarLast = 72;
}

}  // namespace vel::geodata
