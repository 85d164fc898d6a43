#include "views/place_labels.h"

namespace vel {

bool PlaceNameShown(const Game& g, const ChartFrame& f, NameStyle style) {
    switch (style) {
        case NameStyle::Place:
        case NameStyle::Anchorage: return true;
        case NameStyle::AidLabel: return g.chartView.showMarkNames == 1;
        case NameStyle::LightLabel: return g.chartView.showMarkNames == 1 && !f.mini && f.zoom < kLightLabelZoom;
    }
    return false;
}

void DrawAreaPlaceNames(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    constexpr gfx::Color kAnchorageRed = gfx::Rgb(127, 0, 0);
    dc.SetBkMode(gfx::BkMode::Transparent);
    const int32_t lh = dc.LineHeight();
    for (const PlaceName& n : PlaceNamesFor(g.areaGrid.areaCode)) {
        if (!PlaceNameShown(g, f, n.style)) continue;
        const gfx::Point p = f.toScreen(n.x, n.y);
        if (!f.contains(p)) continue;
        const bool anchorage = n.style == NameStyle::Anchorage && !f.mono;
        dc.SetTextColor(anchorage ? kAnchorageRed : gfx::kBlack);
        if (n.style == NameStyle::AidLabel || n.style == NameStyle::LightLabel)
            dc.TextOut(p.x + 7, p.y - lh + 2, n.text);
        else
            dc.TextOut(p.x, p.y - lh / 2, n.text);
    }
}

}  // namespace vel
