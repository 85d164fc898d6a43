#include <gtest/gtest.h>

#include <ostream>

#include "gfx/dc.h"
#include "gfx/palette.h"

namespace vel::gfx {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kGreen = Rgb(0, 255, 0);

// ---- Palette ----------------------------------------------------------------

struct PenWidthCase {
    int screenHeight;
    int pen;
    int width;
};

void PrintTo(const PenWidthCase& c, std::ostream* os) { *os << "pen " << c.pen << " at " << c.screenHeight; }

class PenWidths : public ::testing::TestWithParam<PenWidthCase> {};

TEST_P(PenWidths, AreWholeFractionsOfTheStartupHeight) {
    const PenWidthCase& c = GetParam();
    Palette p(c.screenHeight);
    EXPECT_EQ(p.pen(c.pen).width, c.width) << "pen " << c.pen << " at S=" << c.screenHeight;
}

INSTANTIATE_TEST_SUITE_P(Cases, PenWidths,
                         ::testing::Values(PenWidthCase{768, 10, 10},  // S/75
                                           PenWidthCase{768, 8, 3},    // S/300 + 1
                                           PenWidthCase{768, 18, 30},  // 3 * (S/75)
                                           PenWidthCase{768, 24, 15},  // 3 * (S/75) / 2
                                           PenWidthCase{768, 11, 7},   // S/100
                                           PenWidthCase{768, 3, 5},    // S/150
                                           PenWidthCase{768, 1, 3},    // S/200
                                           PenWidthCase{768, 5, 2},    // constant
                                           PenWidthCase{768, 6, 1},    // constant
                                           PenWidthCase{768, 62, 6},   // constant
                                           // S/75 = 13: the halving comes after the tripling.
                                           PenWidthCase{1024, 18, 39}, PenWidthCase{1024, 24, 19},
                                           PenWidthCase{480, 8, 2}, PenWidthCase{480, 18, 18}, PenWidthCase{480, 24, 9},
                                           PenWidthCase{480, 1, 2}, PenWidthCase{1080, 40, 14}));

TEST(Palette, PenColours) {
    Palette p(768);
    EXPECT_EQ(p.pen(1).color, Rgb(0, 121, 127));
    EXPECT_EQ(p.pen(9).color, Rgb(255, 0, 0));
    EXPECT_EQ(p.pen(21).color, Rgb(127, 127, 255));
    EXPECT_EQ(p.pen(45).color, Rgb(0, 43, 107));
    EXPECT_EQ(p.pen(57).color, Rgb(255, 127, 0));
    EXPECT_EQ(p.pen(65).color, Rgb(127, 127, 0));
    EXPECT_FALSE(p.pen(65).null);
}

TEST(Palette, BrushColours) {
    Palette p(768);
    EXPECT_EQ(p.brush(1).color, Rgb(0, 113, 127));
    EXPECT_EQ(p.brush(7).color, Rgb(127, 255, 255));
    EXPECT_EQ(p.brush(10).color, Rgb(0, 127, 255));
    EXPECT_EQ(p.brush(14).color, Rgb(0, 127, 127));
    EXPECT_EQ(p.brush(20).color, Rgb(0, 0, 230));
    EXPECT_EQ(p.brush(33).color, Rgb(255, 255, 0));
    EXPECT_EQ(p.brush(44).color, Rgb(191, 191, 191));
}

// ---- Drawing context ------------------------------------------------------------

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

TEST_F(Drawing, NewSurfaceIsBlack) {
    EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(63, 47), kBlack);
}

TEST_F(Drawing, RectangleFillsUpToButNotIncludingRightAndBottom) {
    dc.SelectStockPen(Stock::Null);
    dc.SelectStockBrush(Stock::White);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(dc.GetPixel(10, 10), kWhite);
    EXPECT_EQ(dc.GetPixel(19, 19), kWhite);
    EXPECT_EQ(dc.GetPixel(20, 15), kBlack);
    EXPECT_EQ(dc.GetPixel(15, 20), kBlack);
    EXPECT_EQ(dc.GetPixel(9, 15), kBlack);
    EXPECT_EQ(dc.GetPixel(15, 9), kBlack);
}

TEST_F(Drawing, RectangleOutlineLiesOnItsOwnEdgePixels) {
    Fill(kBlue);
    dc.SelectPen(Pen{kRed, 1, false});
    dc.SelectStockBrush(Stock::White);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(dc.GetPixel(10, 15), kRed);
    EXPECT_EQ(dc.GetPixel(19, 15), kRed);
    EXPECT_EQ(dc.GetPixel(15, 10), kRed);
    EXPECT_EQ(dc.GetPixel(15, 19), kRed);
    EXPECT_EQ(dc.GetPixel(15, 15), kWhite);
    EXPECT_EQ(dc.GetPixel(11, 11), kWhite);
    EXPECT_EQ(dc.GetPixel(20, 15), kBlue);
    EXPECT_EQ(dc.GetPixel(9, 15), kBlue);
}

TEST_F(Drawing, RectangleWithNullBrushLeavesTheInside) {
    Fill(kBlue);
    dc.SelectPen(Pen{kRed, 1, false});
    dc.SelectStockBrush(Stock::Null);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(dc.GetPixel(10, 10), kRed);
    EXPECT_EQ(dc.GetPixel(15, 15), kBlue);
}

TEST_F(Drawing, RectangleCornersInEitherOrder) {
    dc.SelectStockPen(Stock::Null);
    dc.SelectStockBrush(Stock::White);
    dc.Rectangle(20, 20, 10, 10);
    EXPECT_EQ(dc.GetPixel(10, 10), kWhite);
    EXPECT_EQ(dc.GetPixel(19, 19), kWhite);
    EXPECT_EQ(dc.GetPixel(20, 20), kBlack);
}

TEST_F(Drawing, EllipseFillsTheCentreNotTheCorners) {
    dc.SelectStockPen(Stock::Null);
    dc.SelectBrush(Brush{kGreen, false});
    dc.Ellipse(10, 10, 40, 40);
    EXPECT_EQ(dc.GetPixel(25, 25), kGreen);
    EXPECT_EQ(dc.GetPixel(11, 11), kBlack);
    EXPECT_EQ(dc.GetPixel(38, 38), kBlack);
    EXPECT_EQ(dc.GetPixel(40, 25), kBlack);
}

TEST_F(Drawing, PaletteBrushesAreSelectedByNumber) {
    dc.SelectStockPen(Stock::Null);
    dc.SelectBrush(14);
    dc.Rectangle(0, 0, 8, 8);
    EXPECT_EQ(dc.GetPixel(4, 4), Rgb(0, 127, 127));
}

TEST_F(Drawing, SetPixelRoundTrips) {
    dc.SetPixel(3, 4, Rgb(12, 34, 56));
    EXPECT_EQ(dc.GetPixel(3, 4), Rgb(12, 34, 56));
    EXPECT_EQ(dc.GetPixel(4, 4), kBlack);
}

TEST_F(Drawing, PixelsOutsideTheSurfaceAreIgnoredAndReadBlack) {
    Fill(kWhite);
    dc.SetPixel(-1, 0, kRed);
    dc.SetPixel(64, 0, kRed);
    dc.SetPixel(0, 48, kRed);
    EXPECT_EQ(dc.GetPixel(-1, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(64, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(63, 47), kWhite);
}

TEST_F(Drawing, NullPenLineOnlyMovesThePosition) {
    Fill(kBlue);
    dc.SelectStockPen(Stock::Null);
    dc.MoveTo(0, 5);
    dc.LineTo(30, 5);
    EXPECT_EQ(dc.GetPixel(15, 5), kBlue);
    dc.SelectPen(Pen{kRed, 1, false});
    dc.LineTo(30, 30);  // from where the invisible line ended
    EXPECT_EQ(dc.GetPixel(30, 20), kRed);
    EXPECT_EQ(dc.GetPixel(0, 20), kBlue);
}

TEST_F(Drawing, OpaqueTextFillsItsBackground) {
    Fill(kBlue);
    dc.SetBkMode(BkMode::Opaque);
    dc.SetBkColor(kGreen);
    dc.SetTextColor(kRed);
    const std::string spaces = "    ";
    const int w = dc.TextWidth(spaces), h = dc.LineHeight();
    ASSERT_GT(w, 2);
    ASSERT_GT(h, 2);
    dc.TextOut(4, 4, spaces);
    EXPECT_EQ(dc.GetPixel(4 + w / 2, 4 + h / 2), kGreen);
    EXPECT_EQ(dc.GetPixel(4, 4), kGreen);
    EXPECT_EQ(dc.GetPixel(3, 4), kBlue);
    EXPECT_EQ(dc.GetPixel(4 + w, 4 + h / 2), kBlue);
}

TEST_F(Drawing, TransparentTextKeepsTheBackground) {
    Fill(kBlue);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetBkColor(kGreen);
    const std::string spaces = "    ";
    dc.TextOut(4, 4, spaces);
    EXPECT_EQ(dc.GetPixel(4 + dc.TextWidth(spaces) / 2, 4 + dc.LineHeight() / 2), kBlue);
}

TEST_F(Drawing, TextIsDrawnInTheTextColour) {
    Fill(kWhite);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(kBlack);
    dc.SetFontPixelSize(30);
    dc.TextOut(2, 2, "■");
    bool inked = false;
    for (int y = 0; y < 48 && !inked; ++y)
        for (int x = 0; x < 64 && !inked; ++x) inked = dc.GetPixel(x, y) == kBlack;
    EXPECT_TRUE(inked);
}

TEST_F(Drawing, ClipRectStopsDrawingOutside) {
    dc.ClipRect(0, 0, 10, 10);
    dc.SelectStockPen(Stock::Null);
    dc.SelectStockBrush(Stock::White);
    dc.Rectangle(0, 0, 20, 20);
    dc.SetPixel(15, 2, kRed);
    dc.SetPixel(5, 5, kRed);
    EXPECT_EQ(dc.GetPixel(9, 9), kWhite);
    EXPECT_EQ(dc.GetPixel(10, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(15, 15), kBlack);
    EXPECT_EQ(dc.GetPixel(15, 2), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 5), kRed);

    dc.ReleaseClip();
    dc.Rectangle(0, 0, 20, 20);
    EXPECT_EQ(dc.GetPixel(15, 15), kWhite);
}

}  // namespace
}  // namespace vel::gfx
