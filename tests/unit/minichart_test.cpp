#include <gtest/gtest.h>

#include "view_fixture.h"
#include "views/minichart.h"

namespace vel {
namespace {

using test::ViewFixture;

// The small mini chart of a 1024 x 768 display: (0, 437) to (336, 721).
struct MiniFixture : ViewFixture {
    static constexpr int32_t kLeft = 0, kTop = 437, kRight = 336, kBottom = 721;
    static constexpr int32_t kZoomInY = kTop + 9, kZoomOutY = kTop + 27, kButtonX = 20;

    void draw() {
        auto dc = freshDc(gfx::Rgb(1, 2, 3));
        drawMiniChart(*dc, g, kLeft, kTop, kRight, kBottom);
    }
};

struct ButtonCase {
    int32_t from;
    bool zoomIn;
    int32_t to;
};

class MiniChartButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(MiniChartButtons, AClickOnAShownButtonZoomsByThree) {
    const ButtonCase& c = GetParam();
    MiniFixture f;
    f.g.viewState.miniChartScale = c.from;
    f.clickAt(MiniFixture::kButtonX, c.zoomIn ? MiniFixture::kZoomInY : MiniFixture::kZoomOutY);
    f.draw();
    EXPECT_EQ(f.g.viewState.miniChartScale, c.to);
}

INSTANTIATE_TEST_SUITE_P(Limits, MiniChartButtons,
                         ::testing::Values(ButtonCase{1, true, 1},    // no zoom-in button at 1
                                           ButtonCase{2, true, 1},    // -1 raised to 1
                                           ButtonCase{7, true, 4},
                                           ButtonCase{12, false, 12},  // no zoom-out button at 12
                                           ButtonCase{11, false, 12},  // 14 capped at 12
                                           ButtonCase{4, false, 7}));

TEST(MiniChartButtons, PresenceFollowsTheZoom) {
    ViewFixture f;
    f.g.viewState.miniChartScale = 1;
    EXPECT_FALSE(MiniZoomInShown(f.g));
    EXPECT_TRUE(MiniZoomOutShown(f.g));
    f.g.viewState.miniChartScale = 12;
    EXPECT_TRUE(MiniZoomInShown(f.g));
    EXPECT_FALSE(MiniZoomOutShown(f.g));
}

TEST(MiniChartButtons, RestingOnAButtonDescribesIt) {
    MiniFixture f;
    f.g.screenState.steerMouseX = MiniFixture::kButtonX;
    f.g.screenState.steerMouseY = MiniFixture::kZoomOutY;
    f.draw();
    EXPECT_EQ(f.g.screenState.buttonText, "  ｽﾞｰﾑｱｳﾄ(高く)。");
    EXPECT_EQ(f.g.screenState.buttonHovered, 1);
}

TEST(MiniChart, TheNoMiniChartTroubleDrawsNothing) {
    for (const int32_t trouble : {0, 1}) {
        MiniFixture f;
        f.g.cruiseOptions.troubleNoMiniChart = trouble;
        f.draw();
        EXPECT_EQ(f.at(200, 600) == gfx::Rgb(1, 2, 3), trouble == 1);
    }
}

TEST(MiniChart, SeaTurnsGreyAtNightAndInFog) {
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    for (const int32_t fog : {0, 1}) {
        MiniFixture f;
        f.g.weather.fog = fog;
        f.draw();
        EXPECT_EQ(f.at(300, 500), fog ? grey : test::kWater);
    }
    MiniFixture night;
    night.g.viewState.night = 1;
    night.draw();
    EXPECT_EQ(night.at(300, 500), grey);
}

TEST(MiniChart, CentredOnTheBoat) {
    MiniFixture f;
    f.g.ownBoat.x = 4000;
    f.g.ownBoat.y = -2000;
    f.g.ownBoat.heading = 90;
    f.draw();
    // The cross's vertical stroke, 4 pixels above the inset's centre (168, 579).
    EXPECT_EQ(f.at(168, 575), test::kYellow);
}

}  // namespace
}  // namespace vel
