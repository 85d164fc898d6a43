// The chart's labels in every area, laid out by the one placer: on the
// whole-area chart and zoomed in, on the full chart and the mini chart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/frame.h"
#include "shell/chart_nav.h"
#include "views/chart.h"
#include "views/chart_status.h"
#include "views/minichart.h"
#include "views/place_labels.h"
#include "world_fixture.h"

namespace vel {
namespace {

struct Area {
    const char* name;
    test::AreaChoice choice;
};

const Area kAreas[] = {
    {"CoastNorth", {1, 1}},      {"CoastSouth", {1, 2}},     {"IslandsNorth", {2, 1}}, {"IslandsSouth", {2, 2}},
    {"Bahamas", {2, 3}},         {"WaterwayNorth", {3, 1}},  {"WaterwaySouth", {3, 2}}, {"RiverNorth", {4, 1}},
    {"RiverSouth", {4, 2}},      {"FloridaBahamas", {5, 5}}, {"BahamasFlorida", {6, 5}}, {"MaineNovaScotia", {7, 6}},
    {"NovaScotiaMaine", {8, 6}}, {"SouthernNewEngland", {11, 0}}, {"Chesapeake", {12, 0}}, {"Maine", {20, 0}},
    {"Exumas", {30, 0}},
};

// Whatever the placer was told, its labels stand inside the frame, below
// the status strip, off the grey frames, the buttons and the notices, off
// one another, and a name is not written twice in one place.
void ExpectClear(const Game& g, const gfx::DC& dc, const ChartFrame& f, const std::string& where, std::size_t& seen) {
    const LabelPlacer p = ChartLabels(dc, g, f);
    const std::vector<PlacedLabel>& l = p.placedLabels();
    std::vector<LabelBox> covered = f.mini ? MiniChartButtonBoxes(g, f.left, f.top) : ChartStatusBoxes(dc, g);
    if (!f.mini)
        for (const LabelBox& b : AreaFrameRects(g, f)) covered.push_back(b);
    const int32_t top = f.mini ? f.top : g.screenState.height / 15;
    for (std::size_t i = 0; i < l.size(); ++i) {
        const LabelBox& b = l[i].box;
        SCOPED_TRACE(where + " \"" + std::string(l[i].text) + "\"");
        EXPECT_TRUE(b.left > f.left && b.right < f.right && b.top > top && b.bottom < f.bottom)
            << b.left << "," << b.top << " " << b.right << "," << b.bottom;
        for (const LabelBox& c : covered) EXPECT_FALSE(b.overlaps(c)) << c.left << "," << c.top;
        for (std::size_t j = i + 1; j < l.size(); ++j) {
            EXPECT_FALSE(b.overlaps(l[j].box)) << "and \"" << l[j].text << "\"";
            const bool near = std::abs(l[i].at.x - l[j].at.x) < 24 && std::abs(l[i].at.y - l[j].at.y) < 12;
            EXPECT_FALSE(near && l[i].text == l[j].text) << "one place named twice";
        }
    }
    // The same zoom and pan give the same picture.
    const LabelPlacer again = ChartLabels(dc, g, f);
    for (std::size_t i = 0; i < l.size() && i < again.placedLabels().size(); ++i)
        EXPECT_TRUE(again.placedLabels()[i].box == l[i].box) << where;
    EXPECT_EQ(again.placedLabels().size(), l.size()) << where;
    seen += l.size();
}

class EveryAreaChart : public ::testing::TestWithParam<Area> {};

TEST_P(EveryAreaChart, LabelsStandClearOfOneAnotherTheStripTheNoticesAndTheFrame) {
    auto g = test::StartedCruise(GetParam().choice, 11, 5,
                                 [](Game& g) { ComputeScreenMetrics(g.screenState, Display{1150, 768, 32, 20}); });
    ScreenState& s = g->screenState;
    s.phase = 2;
    s.chartShown = 1;
    gfx::Palette palette{768};
    gfx::Surface surface(s.width, s.height);
    gfx::DC dc(surface, palette, gfx::FontPixelSizeFor(768));
    std::size_t seen = 0;
    // The whole area and three steps in (the lights' characteristics show
    // from the third in the real areas), about the centre and the boat.
    for (int32_t step = 0; step < 4; ++step) {
        for (const bool onBoat : {false, true}) {
            g->chartView.centreOnBoat = onBoat ? 1 : 0;
            PrepareChartFrame(*g);
            const std::string where = std::string(GetParam().name) + " zoom " + std::to_string(g->chartView.scale) +
                                      (onBoat ? " on the boat" : "");
            ExpectClear(*g, dc, MainChartFrame(*g), where, seen);
        }
        s.startPlaced = 1;  // the passages' bonus instruction, then the header
        ChartZoomIn(*g);
    }
    for (const int32_t q : {1, 7, 12}) {
        g->viewState.miniChartScale = q;
        ChartFrame mini = MiniChartFrame(*g, 0, 437, 378, 721);
        ExpectClear(*g, dc, mini, std::string(GetParam().name) + " mini " + std::to_string(q), seen);
    }
    EXPECT_GT(seen, 10u);
}

INSTANTIATE_TEST_SUITE_P(All17, EveryAreaChart, ::testing::ValuesIn(kAreas),
                         [](const testing::TestParamInfo<Area>& i) { return std::string(i.param.name); });

// Where two labels want one place the one ranked first keeps it, whatever
// the order they were asked in; the other moves aside or is left out.
TEST(LabelPlacer, RankDecidesAndALabelWithNoRoomIsLeftOut) {
    const LabelRequest name{{100, 50}, "Camden", gfx::kBlack, LabelRank::Name, LabelAnchor::Name};
    const LabelRequest mark{{100, 50}, "Fl R", gfx::kBlack, LabelRank::Mark, LabelAnchor::Name};
    LabelPlacer p({0, 0, 200, 100}, 16);
    p.request(mark, 40);
    p.request(name, 60);
    const std::vector<PlacedLabel>& l = p.place();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].text, "Camden");
    EXPECT_TRUE(l[0].box.left == 100 && l[0].box.top == 42) << "at its point, the first place tried";
    EXPECT_FALSE(l[1].box.overlaps(l[0].box));

    LabelPlacer tight({0, 0, 120, 40}, 16);
    tight.keepClear({0, 0, 120, 12});
    tight.request({{30, 26}, "Camden", gfx::kBlack, LabelRank::Name, LabelAnchor::Name}, 60);
    tight.request({{60, 26}, "Fl 6s 灯台", gfx::kBlack, LabelRank::Light, LabelAnchor::Symbol}, 70);
    EXPECT_EQ(tight.place().size(), 1u) << "no free place for the second";
}

}  // namespace
}  // namespace vel
