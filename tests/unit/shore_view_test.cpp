#include "views/shore.h"

#include <gtest/gtest.h>

#include "sailing_view_fixture.h"
#include "views/island_drawer.h"

namespace vel {
namespace {

using gfx::Rgb;

void FillWith(test::Canvas& c, int brush) {
    c.dc.SelectStockPen(gfx::Stock::Null);
    c.dc.SelectBrush(brush);
    c.dc.Rectangle(0, 0, c.surface.width(), c.surface.height());
}

struct SeaFill {
    const char* what;
    int brush;
    gfx::Color colour;
};

TEST(ShoreTrees, NeverGrowOnTheSea) {
    const SeaFill seas[] = {
        {"turquoise", 9, Rgb(0, 201, 201)}, {"teal", 14, Rgb(0, 127, 127)}, {"night sea", 43, Rgb(16, 16, 16)}};
    for (const SeaFill& sea : seas) {
        auto g = test::ViewGame();
        test::Canvas c(400, 300);
        FillWith(c, sea.brush);
        DrawTreeLine(c.dc, *g, 10, 200, 390, 180, 30, true);
        DrawTreeLine(c.dc, *g, 10, 120, 390, 110, 30, false);
        for (int kind : {1, 5, 6, 7, 9}) drawShoreTrees(c.dc, *g, 200, 250, kind);
        EXPECT_EQ(c.count(sea.colour), 400 * 300) << sea.what;
    }
}

TEST(ShoreTrees, StandOnLand) {
    auto g = test::ViewGame();
    test::Canvas c(400, 300);
    FillWith(c, 24);  // land green
    DrawTreeLine(c.dc, *g, 10, 200, 390, 180, 30, true);
    EXPECT_LT(c.count(Rgb(0, 127, 0)), 400 * 300);
    test::Canvas d(400, 300);
    FillWith(d, 24);
    drawShoreTrees(d.dc, *g, 200, 250, 1);
    EXPECT_LT(d.count(Rgb(0, 127, 0)), 400 * 300);
}

TEST(ShoreTrees, NoneOnAMoonlessNight) {
    auto g = test::ViewGame();
    g->viewState.night = 1;
    g->weather.moonlight = 0;
    test::Canvas c(400, 300);
    FillWith(c, 24);
    drawShoreTrees(c.dc, *g, 200, 250, 1);
    EXPECT_EQ(c.count(Rgb(0, 127, 0)), 400 * 300);
}

struct PixelCase {
    const char* what;
    int brush;  // 0: black
    int32_t night;
    int32_t bitsPerPixel;
    int32_t land;
};

TEST(LandPixel, ReadsTheLandColoursBack) {
    const PixelCase cases[] = {
        {"land green", 24, 0, 32, 1},       {"north land", 25, 0, 32, 1}, {"sea", 14, 0, 32, 0},
        {"black by day", 0, 0, 32, 1},      {"black at night", 0, 1, 32, 0}, {"grey", 40, 0, 32, 0},
        {"few colours: sea", 14, 0, 8, 0},  {"night land is not land", 41, 1, 32, 0},
    };
    for (const PixelCase& c : cases) {
        auto g = test::ViewGame();
        g->viewState.night = c.night;
        g->screenState.bitsPerPixel = c.bitsPerPixel;
        test::Canvas canvas(50, 50);
        if (c.brush == 0) {
            canvas.dc.SelectStockPen(gfx::Stock::Null);
            canvas.dc.SelectStockBrush(gfx::Stock::Black);
            canvas.dc.Rectangle(0, 0, 50, 50);
        } else {
            FillWith(canvas, c.brush);
        }
        EXPECT_EQ(LandPixelAt(canvas.dc, *g, 20, 20), c.land) << c.what;
    }
}

TEST(LandPixel, FewColoursLookFourRowsDown) {
    auto g = test::ViewGame();
    g->screenState.bitsPerPixel = 8;
    test::Canvas c(50, 50);
    FillWith(c, 14);
    c.dc.SetPixel(21, 24, Rgb(0, 128, 0));
    EXPECT_EQ(LandPixelAt(c.dc, *g, 20, 20), 1);
    EXPECT_EQ(LandPixelAt(c.dc, *g, 20, 19), 0);
}

// ---- islands -------------------------------------------------------------------

// Island 1: a round island of radius r whose centre lies `ahead` units north
// of the boat at the origin.
void PlaceIsland(Game& g, int32_t ahead, int32_t r) {
    AreaGrid& a = g.areaGrid;
    a.areaCode = 2;
    a.islandCount = 1;
    a.islandX[1] = 0;
    a.islandY[1] = -ahead;
    a.islandRadius[1] = r;
    for (int k = 0; k <= 36; ++k) {
        const double t = (k % 36) * 10 * 3.14159265358979 / 180.0;
        a.islandOutline[1][k][0] = static_cast<int32_t>(r * std::sin(t));
        a.islandOutline[1][k][1] = static_cast<int32_t>(-ahead - r * std::cos(t));
    }
}

int LandPixels(Game& g) {
    test::Canvas c(1024, 488);
    FillWith(c, 14);
    drawIsland(c.dc, g, 1);
    return c.count(Rgb(0, 127, 0));
}

TEST(Islands, StandOutOfTheSeaAhead) {
    auto g = test::ViewGame();
    PlaceIsland(*g, 2000, 500);
    EXPECT_GT(LandPixels(*g), 1000);
}

TEST(Islands, BeyondFifteenMilesAreNotDrawn) {
    // 150 tenths of a mile at 300 units a mile: 4500 units to the centre.
    auto g = test::ViewGame();
    PlaceIsland(*g, 4500, 1500);
    EXPECT_GT(LandPixels(*g), 0);
    PlaceIsland(*g, 4530, 1500);  // 151 tenths
    EXPECT_EQ(LandPixels(*g), 0);
}

TEST(Islands, AsternAreNotDrawn) {
    auto g = test::ViewGame();
    PlaceIsland(*g, -2000, 500);
    EXPECT_EQ(LandPixels(*g), 0);
}

}  // namespace
}  // namespace vel

namespace vel {
namespace {

TEST(LandPixel, NothingOutsideThePicture) {
    auto g = test::ViewGame();
    test::Canvas c(50, 50);  // all black: land by day inside the picture
    EXPECT_EQ(LandPixelAt(c.dc, *g, 20, 20), 1);
    EXPECT_EQ(LandPixelAt(c.dc, *g, -3, 20), 0);
    EXPECT_EQ(LandPixelAt(c.dc, *g, 20, -1), 0);
    EXPECT_EQ(LandPixelAt(c.dc, *g, 60, 20), 0);
}

}  // namespace
}  // namespace vel
