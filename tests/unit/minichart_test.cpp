#include <gtest/gtest.h>

#include "app/frame.h"
#include "fake_host.h"
#include "shell/input.h"
#include "view_fixture.h"
#include "views/minichart.h"

namespace vel {
namespace {

using test::ViewFixture;

// The small mini chart of a 1024 x 768 display: (0, 437) to (336, 721).
struct MiniFixture : ViewFixture {
    static constexpr int32_t kTop = 437, kZoomInY = kTop + 9, kZoomOutY = kTop + 27, kButtonX = 20;
    void draw() {
        auto dc = freshDc(gfx::Rgb(1, 2, 3));
        drawMiniChart(*dc, g, 0, kTop, 336, 721);
    }
};

TEST(MiniChart, AClickOnAShownButtonZoomsByThreeAndRestingOnOneDescribesIt) {
    for (auto [from, zoomIn, to] : {std::tuple{1, true, 1},     // no zoom-in button at 1
                                    {2, true, 1},               // -1 raised to 1
                                    {7, true, 4}, {12, false, 12},  // no zoom-out button at 12
                                    {11, false, 12}, {4, false, 7}}) {
        MiniFixture f;
        f.g.viewState.miniChartScale = from;
        f.clickAt(MiniFixture::kButtonX, zoomIn ? MiniFixture::kZoomInY : MiniFixture::kZoomOutY);
        f.draw();
        EXPECT_EQ(f.g.viewState.miniChartScale, to) << from << " " << zoomIn;
    }
    MiniFixture f;
    f.g.screenState.steerMouseX = MiniFixture::kButtonX;
    f.g.screenState.steerMouseY = MiniFixture::kZoomOutY;
    f.draw();
    EXPECT_EQ(f.g.screenState.buttonText, "  ｽﾞｰﾑｱｳﾄ(高く)。");
    EXPECT_EQ(f.g.screenState.buttonHovered, 1);
}

// Centred on the boat: the own boat's cross stands at the inset's centre
// (168, 579) wherever the boat is; the sea greys at night and in fog.
TEST(MiniChart, CentredOnTheBoatGreyAtNightAndInFogAbsentWithItsTrouble) {
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    for (auto [fog, night, trouble, sea] : {std::tuple{0, 0, 0, test::kWater}, {1, 0, 0, grey}, {0, 1, 0, grey},
                                            {0, 0, 1, gfx::Rgb(1, 2, 3)}}) {
        MiniFixture f;
        std::tie(f.g.weather.fog, f.g.viewState.night, f.g.cruiseOptions.troubleNoMiniChart) =
            std::tuple(fog, night, trouble);
        std::tie(f.g.ownBoat.x, f.g.ownBoat.y, f.g.ownBoat.heading) = std::tuple(4000.0, -2000.0, 90);
        f.draw();
        EXPECT_EQ(f.at(300, 500), sea) << fog << night << trouble;
        EXPECT_EQ(f.at(168, 575) == test::kYellow, trouble == 0);  // the cross's vertical stroke
    }
}

// The radar and the small mini chart cover the first data column: nothing of
// its lines shows between their right edge (336 at 1024 wide) and the second
// column (451), above the steering zone (626).
TEST(PanelDrawing, NothingOfTheCoveredColumnShowsBesideTheInset) {
    for (const bool radar : {true, false}) {
        auto g = testing::NewGame();
        testing::FakeHost host;
        FrameDriver driver(768);
        const Display display{};
        const auto frame = [&] { return driver.run(*g, host, display); };
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        OnLButtonDown(*g, 512, 300);
        frame();
        OnKeyDown(*g, vk::Space);
        frame();
        g->screenState.radarOn = radar ? 1 : 0;
        g->screenState.miniChartMode = 2;
        const FrameResult r = frame();
        const int32_t top = g->screenState.panelTop;
        ASSERT_EQ(top, 488);
        const gfx::Color panel = r.picture->pixel(337, top + 2);
        int32_t ink = 0;
        for (int32_t x = 337; x < 451; ++x)
            for (int32_t y = top + 2; y < 626; ++y) ink += r.picture->pixel(x, y) != panel;
        EXPECT_EQ(ink, 0) << (radar ? "radar" : "small mini chart");
    }
}

}  // namespace
}  // namespace vel
