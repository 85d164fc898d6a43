#pragma once
// Every label of a chart frame laid out together, so that none is written
// over another, over the status strip or across the frame's edge. Labels go
// in rank order (table order within a rank); each is tried at a few places
// around its point and left out when none is free, or when the same words
// already name a point beside it (a pair of towers, two mooring buoys). The result depends only
// on what was asked, in what order: the same zoom and pan give the same
// picture.
#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/dc.h"

namespace vel {

// A screen rectangle, right and bottom exclusive.
struct LabelBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const LabelBox&) const = default;
    bool overlaps(const LabelBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool within(const LabelBox& o) const {
        return left >= o.left && top >= o.top && right <= o.right && bottom <= o.bottom;
    }
};

enum class LabelRank : int32_t { Name, Anchorage, Light, Mark };

// A place name starts at its point; a symbol's label stands beside the
// symbol and never on it.
enum class LabelAnchor : int32_t { Name, Symbol };

struct LabelRequest {
    gfx::Point at;
    std::string_view text;  // must outlive the placer: the label tables are static
    gfx::Color colour;
    LabelRank rank;
    LabelAnchor anchor;
};

struct PlacedLabel {
    gfx::Point at;  // the point it names
    LabelBox box;
    std::string_view text;
    gfx::Color colour;
};

class LabelPlacer {
public:
    // `bounds`: where labels may stand; `lineHeight`: the text cell's height.
    LabelPlacer(LabelBox bounds, int32_t lineHeight);

    // Something drawn over the chart that no label may cover.
    void keepClear(const LabelBox& b);
    void request(const LabelRequest& r, int32_t width);

    // Lays out everything requested; the labels in drawing order.
    const std::vector<PlacedLabel>& place();
    void draw(gfx::DC& dc) const;

    const std::vector<PlacedLabel>& placedLabels() const { return placed_; }
    const LabelBox& bounds() const { return bounds_; }
    const std::vector<LabelBox>& keptClear() const { return clear_; }

private:
    struct Pending {
        LabelRequest r;
        int32_t width;
    };
    bool free(const LabelBox& b) const;
    void occupy(const LabelBox& b);

    LabelBox bounds_;
    int32_t lineHeight_;
    std::vector<LabelBox> clear_;
    std::vector<Pending> pending_;
    std::vector<PlacedLabel> placed_;
    // A coarse grid over the bounds: each cell lists the taken boxes that reach it.
    int32_t cols_ = 0, rows_ = 0;
    std::vector<std::vector<LabelBox>> cells_;
};

}  // namespace vel
