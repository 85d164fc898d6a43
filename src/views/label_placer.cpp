#include "views/label_placer.h"

#include <algorithm>
#include <cstdlib>

namespace vel {
namespace {

constexpr int32_t kCellW = 64, kCellH = 32;
constexpr int32_t kBeside = 7;  // from a symbol's point to its label: the disc and a gap

struct Offset {
    int32_t dx, dy;
};

// The places tried, first the usual one. A symbol's label keeps clear of
// its disc; a name may stand on its point, which carries no symbol.
int32_t Candidates(const LabelRequest& r, int32_t w, int32_t h, Offset out[6]) {
    if (r.anchor == LabelAnchor::Symbol) {
        const Offset o[6] = {{kBeside, -h + 2}, {kBeside, 2},      {-kBeside - w, -h + 2},
                             {-kBeside - w, 2}, {-w / 2, -h - 4}, {-w / 2, 5}};
        std::copy(o, o + 6, out);
    } else {
        const Offset o[6] = {{0, -h / 2}, {-w / 2, -h}, {-w / 2, 0}, {-w, -h / 2}, {0, -h}, {0, 0}};
        std::copy(o, o + 6, out);
    }
    return 6;
}

bool SaidBeside(const PlacedLabel& l, const LabelRequest& r, int32_t h) {
    return std::abs(l.at.x - r.at.x) <= 2 * h && std::abs(l.at.y - r.at.y) <= h && l.text == r.text;
}

}  // namespace

LabelPlacer::LabelPlacer(LabelBox bounds, int32_t lineHeight) : bounds_(bounds), lineHeight_(std::max(1, lineHeight)) {
    cols_ = std::max(1, (bounds.right - bounds.left + kCellW - 1) / kCellW);
    rows_ = std::max(1, (bounds.bottom - bounds.top + kCellH - 1) / kCellH);
    cells_.resize(static_cast<std::size_t>(cols_ * rows_));
}

void LabelPlacer::keepClear(const LabelBox& b) {
    if (b.right > b.left && b.bottom > b.top) clear_.push_back(b);
}

void LabelPlacer::request(const LabelRequest& r, int32_t width) {
    if (r.text.empty() || width <= 0) return;
    pending_.push_back({r, width});
}

bool LabelPlacer::free(const LabelBox& b) const {
    if (!b.within(bounds_)) return false;
    for (const LabelBox& c : clear_)
        if (b.overlaps(c)) return false;
    const int32_t c0 = (b.left - bounds_.left) / kCellW, c1 = (b.right - 1 - bounds_.left) / kCellW;
    const int32_t r0 = (b.top - bounds_.top) / kCellH, r1 = (b.bottom - 1 - bounds_.top) / kCellH;
    for (int32_t row = r0; row <= r1; ++row)
        for (int32_t col = c0; col <= c1; ++col)
            for (const LabelBox& t : cells_[static_cast<std::size_t>(row * cols_ + col)])
                if (b.overlaps(t)) return false;
    return true;
}

void LabelPlacer::occupy(const LabelBox& b) {
    const int32_t c0 = (b.left - bounds_.left) / kCellW, c1 = (b.right - 1 - bounds_.left) / kCellW;
    const int32_t r0 = (b.top - bounds_.top) / kCellH, r1 = (b.bottom - 1 - bounds_.top) / kCellH;
    for (int32_t row = r0; row <= r1; ++row)
        for (int32_t col = c0; col <= c1; ++col) cells_[static_cast<std::size_t>(row * cols_ + col)].push_back(b);
}

const std::vector<PlacedLabel>& LabelPlacer::place() {
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.r.rank < b.r.rank; });
    placed_.clear();
    for (auto& cell : cells_) cell.clear();
    Offset tries[6];
    for (const Pending& p : pending_) {
        const auto said = [&](const PlacedLabel& l) { return SaidBeside(l, p.r, lineHeight_); };
        if (std::any_of(placed_.begin(), placed_.end(), said)) continue;
        const int32_t n = Candidates(p.r, p.width, lineHeight_, tries);
        for (int32_t k = 0; k < n; ++k) {
            const int32_t x = p.r.at.x + tries[k].dx, y = p.r.at.y + tries[k].dy;
            const LabelBox b{x, y, x + p.width, y + lineHeight_};
            if (!free(b)) continue;
            occupy(b);
            placed_.push_back({p.r.at, b, p.r.text, p.r.colour});
            break;
        }
    }
    return placed_;
}

void LabelPlacer::draw(gfx::DC& dc) const {
    dc.SetBkMode(gfx::BkMode::Transparent);
    for (const PlacedLabel& l : placed_) {
        dc.SetTextColor(l.colour);
        dc.TextOut(l.box.left, l.box.top, l.text);
    }
}

}  // namespace vel
