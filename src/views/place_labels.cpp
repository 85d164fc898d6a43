#include "views/place_labels.h"

#include <cstdlib>
#include <span>
#include <string_view>

#include "views/chart_status.h"
#include "views/lights.h"
#include "views/minichart.h"
#include "views/passage_chart.h"
#include "views/real_chart.h"
#include "views/real_marks.h"

namespace vel {
namespace {

constexpr gfx::Color kAnchorageRed = gfx::Rgb(127, 0, 0);

bool SameName(std::string_view a, std::string_view b) { return a.starts_with(b) || b.starts_with(a); }

// The tables name some anchorages twice, once as the place and once in
// dark red ("Camden" and "Camden", "Boothbay Hbr" and "Boothbay"): such a
// pair is one label, the place's, in the anchorage's colour.
struct NameRoles {
    std::vector<bool> skipped, anchorage;
};
NameRoles RolesOf(std::span<const PlaceName> names, int32_t unitsPerMile) {
    NameRoles r{std::vector<bool>(names.size()), std::vector<bool>(names.size())};
    const int32_t near = unitsPerMile * 6 / 10;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].style != NameStyle::Anchorage) continue;
        r.anchorage[i] = true;
        for (std::size_t j = 0; j < names.size(); ++j) {
            const PlaceName& p = names[j];
            if (p.style != NameStyle::Place || std::abs(p.x - names[i].x) > near || std::abs(p.y - names[i].y) > near ||
                !SameName(p.text, names[i].text))
                continue;
            r.skipped[i] = true;
            r.anchorage[j] = true;
            break;
        }
    }
    return r;
}

LabelRank RankOf(NameStyle s) {
    switch (s) {
        case NameStyle::Place: return LabelRank::Name;
        case NameStyle::Anchorage: return LabelRank::Anchorage;
        case NameStyle::LightLabel: return LabelRank::Light;
        case NameStyle::AidLabel: break;
    }
    return LabelRank::Mark;
}

void Ask(LabelPlacer& p, const gfx::DC& dc, gfx::Point at, std::string_view text, gfx::Color c, LabelRank rank,
         LabelAnchor anchor) {
    p.request({at, text, c, rank, anchor}, dc.TextWidth(text));
}

void AskAreaNames(LabelPlacer& p, const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const std::span<const PlaceName> names = PlaceNamesFor(g.areaGrid.areaCode);
    if (names.empty()) return;
    const NameRoles roles = RolesOf(names, g.areaGrid.unitsPerMile);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const PlaceName& n = names[i];
        if (roles.skipped[i] || !PlaceNameShown(g, f, n.style)) continue;
        const gfx::Point at = f.toScreen(n.x, n.y);
        if (!f.contains(at)) continue;
        const bool symbol = n.style == NameStyle::AidLabel || n.style == NameStyle::LightLabel;
        const gfx::Color c = roles.anchorage[i] && !f.mono ? kAnchorageRed : gfx::kBlack;
        Ask(p, dc, at, n.text, c, RankOf(n.style), symbol ? LabelAnchor::Symbol : LabelAnchor::Name);
    }
}

// Every aid of the passages is a light, and is labelled as the lights are.
void AskAidLabels(LabelPlacer& p, const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    // The Florida light on the first rock is named at every zoom.
    if (RockIsPassageLight(g.areaGrid, 1) && g.chartView.showMarkNames == 1) {
        const gfx::Point at = f.toScreen(g.rockList.x[1], g.rockList.y[1]);
        if (f.contains(at)) Ask(p, dc, at, "Fl", gfx::kBlack, LabelRank::Light, LabelAnchor::Symbol);
    }
    const bool passage = g.areaGrid.isPassage == 1;
    const bool shown = passage ? PlaceNameShown(g, f, NameStyle::LightLabel) : g.chartView.showMarkNames == 1;
    if (!shown) return;
    for (const ChartAid& a : ChartAids(g, f)) {
        const bool light = a.what == ChartAid::Lighthouse || (a.what == ChartAid::Aid && a.kind->lit == 1);
        const gfx::Point at = a.what == ChartAid::Pier ? gfx::Point{a.corner.x, a.at.y} : a.at;
        Ask(p, dc, at, a.label, gfx::kBlack, light ? LabelRank::Light : LabelRank::Mark, LabelAnchor::Symbol);
    }
}

// A real area's marks carry names by the rule of the lights'
// characteristics: written out at every zoom they would bury the coast.
void AskMarkLabels(LabelPlacer& p, const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    if (g.areaGrid.isRealArea != 1 || !PlaceNameShown(g, f, NameStyle::LightLabel)) return;
    for (const PlacedMark& m : RealAreaMarks(g)) {
        if (m.mark.label == nullptr) continue;
        const gfx::Point at = f.toScreen(m.x, m.y);
        if (f.contains(at))
            Ask(p, dc, at, m.mark.label, gfx::kBlack, m.mark.lit ? LabelRank::Light : LabelRank::Mark,
                LabelAnchor::Symbol);
    }
}

LabelPlacer FramePlacer(const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    if (f.mini) {
        LabelPlacer p({f.left + 1, f.top + 1, f.right - 1, f.bottom - 1}, dc.LineHeight());
        for (const LabelBox& b : MiniChartButtonBoxes(g, f.left, f.top)) p.keepClear(b);
        return p;
    }
    LabelPlacer p({f.left + 1, f.top + 1, f.right - 1, f.bottom - 1}, dc.LineHeight());
    for (const LabelBox& b : ChartStatusBoxes(dc, g)) p.keepClear(b);
    for (const LabelBox& b : AreaFrameRects(g, f)) p.keepClear(b);
    if (const std::optional<LabelBox> legend = PassageLegendBox(dc, g, f)) p.keepClear(*legend);
    return p;
}

}  // namespace

bool PlaceNameShown(const Game& g, const ChartFrame& f, NameStyle style) {
    switch (style) {
        case NameStyle::Place:
        case NameStyle::Anchorage: return true;
        case NameStyle::AidLabel: return g.chartView.showMarkNames == 1;
        case NameStyle::LightLabel: return g.chartView.showMarkNames == 1 && !f.mini && f.zoom < kLightLabelZoom;
    }
    return false;
}

std::vector<LabelBox> AreaFrameRects(const Game& g, const ChartFrame& f) {
    std::vector<LabelBox> out = GeneratedAreaLimitRects(g, f);
    for (const LabelBox& b : RealAreaFrameRects(g, f)) out.push_back(b);
    for (const LabelBox& b : PassageFrameRects(g, f)) out.push_back(b);
    return out;
}

LabelPlacer ChartLabels(const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    LabelPlacer p = FramePlacer(dc, g, f);
    AskAreaNames(p, dc, g, f);
    AskAidLabels(p, dc, g, f);
    AskMarkLabels(p, dc, g, f);
    p.place();
    return p;
}

}  // namespace vel
