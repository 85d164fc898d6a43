#include <gtest/gtest.h>

#include <tuple>

#include "shell/actions.h"
#include "shell/compass_controls.h"
#include "view_fixture.h"
#include "views/compass.h"
#include "views/overlays.h"

namespace vel {
namespace {

using test::ViewFixture;

TEST(Compass, ArrowsSwingTheSightLineWrappingOnceOrWithoutTheCompassTurnTheView) {
    for (auto [from, binoculars, offset, to] : {std::tuple{350.0, 0, 30, 20.0}, {10.0, 1, -30, 355.0},
                                                {77.0, 0, 0, 200.5}, {77.0, 0, 180, 20.5}, {355.0, 1, 30, 10.0}}) {
        ViewFixture f;
        std::tie(f.g.viewState.compassMode, f.g.viewState.binoculars, f.g.viewState.compassBearingExact,
                 f.g.ownBoat.headingExact) = std::tuple(1, binoculars, from, 200.5);
        Look(f.g, offset);
        EXPECT_DOUBLE_EQ(f.g.viewState.compassBearingExact, to) << from;
        EXPECT_EQ(std::pair(f.g.viewState.handBearing, f.g.viewState.lookOffset),
                  std::pair(static_cast<int32_t>(to) % 360, 0));
    }
    ViewFixture f;  // the compass put away
    Look(f.g, 30);
    Look(f.g, 30);
    EXPECT_EQ(f.g.viewState.lookOffset, 60);
    Look(f.g, 180);
    EXPECT_EQ(f.g.viewState.lookOffset, 180);
}

TEST(Compass, FirstUseStartsAtTheHeadingTheBearingSurvivesTogglingAndSavingKeepsTwo) {
    ViewFixture f;
    ViewState& v = f.g.viewState;
    std::tie(f.g.ownBoat.heading, v.savedBearing) = std::pair(140, 12);
    SaveCompassBearing(f.g);  // only while the compass is in use
    EXPECT_EQ(std::pair(v.savedBearing, v.savedBearingPrev), std::pair(12, 0));
    ToggleCompass(f.g);  // on at the heading, as the panel script also asserts
    Look(f.g, 30);
    ToggleCompass(f.g);
    f.g.ownBoat.heading = 10;
    ToggleCompass(f.g);
    EXPECT_EQ(std::pair(v.compassMode, v.compassBearingExact), std::pair(1, 170.0));
    SaveCompassBearing(f.g);
    EXPECT_EQ(std::pair(v.savedBearing, v.savedBearingPrev), std::pair(170, 12));
}

// The sight line down the middle under the magnetic reading; the binocular
// frame's two black rings, 30 pixels wide, run together from 15 outside the
// view to 3 in and half a pen more (the right edge, as ever, a pixel in).
TEST(Compass, SightLineUnderTheReadingAndTheBinocularFrame) {
    ViewFixture f, want;
    std::tie(f.g.viewState.compassMode, f.g.viewState.binoculars, f.g.viewState.compassBearingExact,
             f.g.navState.variation) = std::tuple(1, 1, 93.7, 10);
    auto dc = f.freshDc(), text = want.freshDc();
    drawCompassOverlay(*dc, f.g, 400);
    drawBinocularFrame(*dc, f.g, 100, 100, 900, 400);
    text->SetBkMode(gfx::BkMode::Transparent);
    text->TextOut(502, 15, "103");
    dc.reset(), text.reset();
    const int differ = f.count(400, 600, 0, 30, [&](int x, int y) { return f.at(x, y) != want.at(x, y); });
    constexpr gfx::Color B = gfx::kBlack, W = gfx::kWhite;
    EXPECT_EQ(std::tuple(differ, f.at(512, 30), f.at(512, 370), f.at(511, 200), f.at(71, 250), f.at(117, 250),
                         f.at(118, 250), f.at(879, 250), f.at(878, 250)),
              std::tuple(0, B, B, W, B, B, W, B, W));
}

// The dials under a view 488 high: the wind's arrow (centre 108, 478) points
// where the wind comes from, seen from the view, the heading dial's long arm
// (centre 991, 478) to north.
TEST(Dials, ArrowsPointAlongTheirBearingsAsSeenFromTheView) {
    for (auto [heading, view, wind, north] : {std::tuple{0, 0, gfx::Point{108, 472}, gfx::Point{991, 472}},
                                              {0, 90, {96, 478}, {991, 472}}, {90, 90, {108, 472}, {975, 478}}}) {
        ViewFixture f;
        std::tie(f.g.ownBoat.heading, f.g.viewState.viewHeading, f.g.ownBoat.tack) = std::tuple(heading, view, 1);
        auto dc = f.freshDc();
        drawDials(*dc, f.g, {0, 0, 1024, 488});
        dc.reset();
        // Opposite each tip, the dial's face.
        const std::tuple seen{f.at(wind.x, wind.y), f.at(216 - wind.x, 956 - wind.y), f.at(north.x, north.y),
                              f.at(1982 - north.x, 956 - north.y)};
        EXPECT_EQ(seen, std::tuple(gfx::kWhite, gfx::Rgb(0, 127, 0), gfx::kWhite, gfx::kBlack)) << heading << view;
    }
}

}  // namespace
}  // namespace vel
