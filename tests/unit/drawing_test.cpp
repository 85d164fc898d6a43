#include <gtest/gtest.h>

#include <tuple>

#include "gfx/dc.h"
#include "gfx/palette.h"

namespace vel::gfx {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kGreen = Rgb(0, 255, 0);

class Drawing : public ::testing::Test {
protected:
    Palette palette{768};
    Surface surface{64, 48};
    DC dc{surface, palette, 14};

    void Fill(Color c) {
        dc.SelectStockPen(Stock::Null);
        dc.SelectBrush(Brush{c, false});
        dc.Rectangle(0, 0, 64, 48);
    }
};

TEST_F(Drawing, RectanglesFollowTheWindowsPixelRules) {
    Fill(kBlue);
    dc.SelectBrush(14);  // palette brushes by number
    dc.Rectangle(20, 20, 10, 10);  // corners in either order
    // Right and bottom stay outside.
    EXPECT_EQ(std::tuple(dc.GetPixel(10, 10), dc.GetPixel(19, 19), dc.GetPixel(20, 15), dc.GetPixel(15, 20)),
              std::tuple(Rgb(0, 127, 127), Rgb(0, 127, 127), kBlue, kBlue));
    // The outline lies on the rectangle's own edge pixels.
    dc.SelectPen(Pen{kRed, 1, false});
    dc.SelectStockBrush(Stock::White);
    dc.Rectangle(30, 10, 40, 20);
    EXPECT_EQ(std::tuple(dc.GetPixel(30, 15), dc.GetPixel(39, 15), dc.GetPixel(35, 19), dc.GetPixel(35, 15),
                         dc.GetPixel(40, 15)),
              std::tuple(kRed, kRed, kRed, kWhite, kBlue));
    dc.SelectStockBrush(Stock::Null);
    dc.Rectangle(44, 10, 54, 20);
    EXPECT_EQ(std::pair(dc.GetPixel(44, 10), dc.GetPixel(49, 15)), std::pair(kRed, kBlue));
}

TEST_F(Drawing, TextBackgroundByModeAndInkInTheTextColour) {
    Fill(kBlue);
    dc.SetBkMode(BkMode::Opaque);
    dc.SetBkColor(kGreen);
    const std::string spaces = "    ";
    const int w = dc.TextWidth(spaces), h = dc.LineHeight();
    ASSERT_GT(w, 2);
    dc.TextOut(4, 4, spaces);
    EXPECT_EQ(std::tuple(dc.GetPixel(4, 4), dc.GetPixel(3, 4), dc.GetPixel(4 + w, 4 + h / 2)),
              std::tuple(kGreen, kBlue, kBlue));
    Fill(kBlue);
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(4, 4, spaces);
    EXPECT_EQ(dc.GetPixel(4 + w / 2, 4 + h / 2), kBlue);
    dc.SetTextColor(kRed);
    dc.SetFontPixelSize(30);
    dc.TextOut(2, 2, "■");
    int inked = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) inked += dc.GetPixel(x, y) == kRed;
    EXPECT_GT(inked, 0);
}

}  // namespace
}  // namespace vel::gfx
