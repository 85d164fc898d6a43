#include <gtest/gtest.h>

#include "shell/compass_controls.h"
#include "view_fixture.h"
#include "views/compass.h"

namespace vel {
namespace {

using test::ViewFixture;

struct SwingCase {
    const char* name;
    double from;
    int32_t binoculars;
    Look look;
    double to;
};

class CompassSwing : public ::testing::TestWithParam<SwingCase> {};

TEST_P(CompassSwing, ArrowsSwingTheSightLineWrappingOnce) {
    const SwingCase& c = GetParam();
    ViewFixture f;
    f.g.viewState.compassMode = 1;
    f.g.viewState.binoculars = c.binoculars;
    f.g.viewState.compassBearingExact = c.from;
    f.g.ownBoat.headingExact = 200.5;
    LookAround(f.g, c.look);
    EXPECT_DOUBLE_EQ(f.g.viewState.compassBearingExact, c.to);
    EXPECT_EQ(f.g.viewState.handBearing, static_cast<int32_t>(c.to) % 360);
    EXPECT_EQ(f.g.viewState.lookOffset, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompassSwing,
                         ::testing::Values(SwingCase{"RightPast360", 350, 0, Look::Right, 20},
                                           SwingCase{"LeftBelowNoughtWithBinoculars", 10, 1, Look::Left, 355},
                                           SwingCase{"RightWithBinoculars", 100, 1, Look::Right, 115},
                                           SwingCase{"Left", 100, 0, Look::Left, 70},
                                           SwingCase{"AheadIsTheHeading", 77, 0, Look::Ahead, 200.5},
                                           SwingCase{"AftWraps", 77, 0, Look::Aft, 20.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompassLook, WithoutTheCompassTheArrowsTurnTheView) {
    ViewFixture f;
    f.g.viewState.compassBearingExact = 50;
    LookAround(f.g, Look::Right);
    EXPECT_EQ(f.g.viewState.lookOffset, 30);
    LookAround(f.g, Look::Aft);
    EXPECT_EQ(f.g.viewState.lookOffset, 180);
    EXPECT_DOUBLE_EQ(f.g.viewState.compassBearingExact, 50);
}

TEST(CompassToggle, FirstUseStartsAtTheHeadingAndTheBearingSurvivesToggling) {
    ViewFixture f;
    f.g.ownBoat.heading = 140;
    ToggleCompass(f.g);
    EXPECT_EQ(f.g.viewState.compassMode, 1);
    EXPECT_DOUBLE_EQ(f.g.viewState.compassBearingExact, 140);
    LookAround(f.g, Look::Right);
    ToggleCompass(f.g);
    EXPECT_EQ(f.g.viewState.compassMode, 0);
    f.g.ownBoat.heading = 10;
    ToggleCompass(f.g);
    EXPECT_DOUBLE_EQ(f.g.viewState.compassBearingExact, 170);
}

TEST(CompassSave, KeepsTheLastTwoBearingsOnlyWhileTheCompassIsInUse) {
    ViewFixture f;
    ViewState& v = f.g.viewState;
    v.savedBearing = 12;
    v.compassBearingExact = 250.7;
    SaveCompassBearing(f.g);
    EXPECT_EQ(v.savedBearing, 12);
    EXPECT_EQ(v.savedBearingPrev, 0);
    v.compassMode = 1;
    SaveCompassBearing(f.g);
    EXPECT_EQ(v.savedBearing, 250);
    EXPECT_EQ(v.savedBearingPrev, 12);
}

TEST(CompassReading, ShowsMagneticDegrees) {
    ViewFixture f;
    f.g.navState.variation = 6;
    f.g.viewState.compassBearingExact = 100.9;
    EXPECT_EQ(CompassReading(f.g), 106);
    f.g.navState.variation = 14;
    f.g.viewState.compassBearingExact = 355;
    EXPECT_EQ(CompassReading(f.g), 9);
}

int32_t BlackPixels(const ViewFixture& f, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t n = 0;
    for (int32_t x = x0; x < x1; ++x)
        for (int32_t y = y0; y < y1; ++y) n += f.at(x, y) == gfx::kBlack;
    return n;
}

TEST(CompassOverlay, SightLineDownTheMiddleOnlyWithTheCompass) {
    for (const int32_t mode : {0, 1}) {
        ViewFixture f;
        f.g.viewState.compassMode = mode;
        auto dc = f.freshDc();
        drawCompassOverlay(*dc, f.g, 486);
        dc.reset();
        EXPECT_EQ(f.at(512, 300) == gfx::kBlack, mode == 1);
        EXPECT_EQ(BlackPixels(f, 490, 10, 540, 30) > 0, mode == 1) << "the reading";
    }
}

TEST(BinocularFrame, DrawnOnlyWithCompassAndBinocularsBoth) {
    for (const int32_t mode : {0, 1}) {
        ViewFixture f;
        f.g.viewState.compassMode = mode;
        f.g.viewState.binoculars = 1;
        auto dc = f.freshDc();
        drawBinocularFrame(*dc, f.g, 0, 0, 1024, 486);
        dc.reset();
        // The inner frame's top edge runs along row 3, 30 pixels thick.
        EXPECT_EQ(f.at(512, 5) == gfx::kBlack, mode == 1);
        EXPECT_FALSE(f.at(512, 243) == gfx::kBlack);
    }
}

}  // namespace
}  // namespace vel
