#include "views/shore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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

// Mended: the land green as drawn at 32 bits reads as land, and nothing
// outside the picture does.
TEST(LandPixel, ReadsTheLandColoursBack) {
    for (auto [brush, night, bits, land] : {std::tuple{24, 0, 32, 1}, {25, 0, 32, 1}, {14, 0, 32, 0}, {0, 0, 32, 1},
                                            {0, 1, 32, 0}, {40, 0, 32, 0}, {14, 0, 8, 0}, {41, 1, 32, 0}}) {
        auto g = test::ViewGame();
        g->viewState.night = night;
        g->screenState.bitsPerPixel = bits;
        test::Canvas c(50, 50);  // black unless filled
        if (brush != 0) FillWith(c, brush);
        EXPECT_EQ(LandPixelAt(c.dc, *g, 20, 20), land) << brush << " " << night << " " << bits;
    }
    auto g = test::ViewGame();
    test::Canvas black(50, 50);
    for (auto [x, y] : {std::pair{-3, 20}, {20, -1}, {60, 20}}) EXPECT_EQ(LandPixelAt(black.dc, *g, x, y), 0);
    g->screenState.bitsPerPixel = 8;  // few colours look four rows down
    test::Canvas c(50, 50);
    FillWith(c, 14);
    c.dc.SetPixel(21, 24, Rgb(0, 128, 0));
    EXPECT_EQ(std::pair(LandPixelAt(c.dc, *g, 20, 20), LandPixelAt(c.dc, *g, 20, 19)), std::pair(1, 0));
}

// Island 1: a round island of radius r whose centre lies `ahead` units north
// of the boat at the origin; the land pixels it leaves on the sea.
int LandPixels(int32_t ahead, int32_t r) {
    auto g = test::ViewGame();
    AreaGrid& a = g->areaGrid;
    a.areaCode = 2;
    a.islandCount = 1;
    std::tie(a.islandX[1], a.islandY[1], a.islandRadius[1]) = std::tuple(0, -ahead, r);
    for (int k = 0; k <= 36; ++k) {
        const double t = (k % 36) * 10 * 3.14159265358979 / 180.0;
        a.islandOutline[1][k][0] = static_cast<int32_t>(r * std::sin(t));
        a.islandOutline[1][k][1] = static_cast<int32_t>(-ahead - r * std::cos(t));
    }
    test::Canvas c(1024, 488);
    FillWith(c, 14);
    drawIsland(c.dc, *g, 1);
    return c.count(Rgb(0, 127, 0));
}

// Mended: the limit of 150 is tenths of a mile (4500 units here), not units.
TEST(Islands, StandOutOfTheSeaAheadWithinFifteenMiles) {
    EXPECT_GT(LandPixels(2000, 500), 1000);
    EXPECT_GT(LandPixels(4500, 1500), 0);
    EXPECT_EQ(LandPixels(4530, 1500), 0);  // 151 tenths
    EXPECT_EQ(LandPixels(-2000, 500), 0);  // astern
}

}  // namespace
}  // namespace vel
