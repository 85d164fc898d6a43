#include "geodata/raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vel::geodata {
namespace {

constexpr uint8_t kUnknown = 0, kWall = 1, kSea = 2;

}  // namespace

LandRaster::LandRaster(double x0, double y0, double x1, double y1, double cell)
    : x0_(x0), y0_(y0), cell_(cell), w_(static_cast<int32_t>(std::ceil((x1 - x0) / cell))),
      h_(static_cast<int32_t>(std::ceil((y1 - y0) / cell))) {
    if (w_ <= 0 || h_ <= 0) throw std::invalid_argument("empty raster");
    state_.assign(static_cast<std::size_t>(w_) * h_, kUnknown);
}

int32_t LandRaster::Column(double x) const { return static_cast<int32_t>(std::floor((x - x0_) / cell_)); }
int32_t LandRaster::Row(double y) const { return static_cast<int32_t>(std::floor((y - y0_) / cell_)); }

// Every cell the segment passes through, so that a 4-connected flood never
// slips between two wall cells that only touch at a corner.
void LandRaster::Wall(AreaPoint a, AreaPoint b) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const int steps = std::max(1, static_cast<int>(std::ceil(len / (cell_ * 0.25))));
    int32_t pi = Column(a.x), pj = Row(a.y);
    for (int s = 0; s <= steps; ++s) {
        const double t = static_cast<double>(s) / steps;
        const int32_t i = Column(a.x + (b.x - a.x) * t), j = Row(a.y + (b.y - a.y) * t);
        if (i != pi && j != pj && Inside(i, pj)) state_[Index(i, pj)] = kWall;
        if (Inside(i, j)) state_[Index(i, j)] = kWall;
        pi = i;
        pj = j;
    }
}

void LandRaster::DrawWalls(const std::vector<Shoreline>& lines) {
    for (const Shoreline& s : lines)
        for (std::size_t k = 1; k < s.pts.size(); ++k) Wall(s.pts[k - 1], s.pts[k]);
}

void LandRaster::FloodSea(AreaPoint seed) {
    const int32_t si = Column(seed.x), sj = Row(seed.y);
    if (!Inside(si, sj) || state_[Index(si, sj)] != kUnknown) throw std::runtime_error("sea seed is not in open water");
    std::vector<Cell> stack{{si, sj}};
    state_[Index(si, sj)] = kSea;
    while (!stack.empty()) {
        const Cell c = stack.back();
        stack.pop_back();
        const Cell next[4] = {{c.i + 1, c.j}, {c.i - 1, c.j}, {c.i, c.j + 1}, {c.i, c.j - 1}};
        for (const Cell n : next) {
            if (!Inside(n.i, n.j) || state_[Index(n.i, n.j)] != kUnknown) continue;
            state_[Index(n.i, n.j)] = kSea;
            stack.push_back(n);
        }
    }
}

bool LandRaster::Land(int32_t i, int32_t j) const { return Inside(i, j) && state_[Index(i, j)] != kSea; }
bool LandRaster::LandAt(double x, double y) const { return Land(Column(x), Row(y)); }

void LandRaster::LabelLand() {
    label_.assign(state_.size(), 0);
    labels_ = 0;
    std::vector<Cell> stack;
    for (int32_t j = 0; j < h_; ++j) {
        for (int32_t i = 0; i < w_; ++i) {
            if (state_[Index(i, j)] == kSea || label_[Index(i, j)] != 0) continue;
            const int32_t id = ++labels_;
            label_[Index(i, j)] = id;
            stack.push_back({i, j});
            while (!stack.empty()) {
                const Cell c = stack.back();
                stack.pop_back();
                const Cell next[4] = {{c.i + 1, c.j}, {c.i - 1, c.j}, {c.i, c.j + 1}, {c.i, c.j - 1}};
                for (const Cell n : next) {
                    if (!Inside(n.i, n.j)) continue;
                    const std::size_t k = Index(n.i, n.j);
                    if (state_[k] == kSea || label_[k] != 0) continue;
                    label_[k] = id;
                    stack.push_back(n);
                }
            }
        }
    }
}

int32_t LandRaster::LabelAt(double x, double y) const {
    const int32_t i = Column(x), j = Row(y);
    return Inside(i, j) ? label_[Index(i, j)] : 0;
}

std::vector<std::vector<Cell>> LandRaster::Components() const {
    std::vector<std::vector<Cell>> out(static_cast<std::size_t>(labels_) + 1);
    for (int32_t j = 0; j < h_; ++j)
        for (int32_t i = 0; i < w_; ++i)
            if (const int32_t l = label_[Index(i, j)]; l != 0) out[l].push_back({i, j});
    return out;
}

}  // namespace vel::geodata
