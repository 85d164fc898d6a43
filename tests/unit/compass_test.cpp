#include <gtest/gtest.h>

#include <tuple>

#include "shell/actions.h"
#include "shell/compass_controls.h"
#include "view_fixture.h"
#include "views/compass.h"

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

}  // namespace
}  // namespace vel
