#include "gfx/palette.h"

namespace vel::gfx {
namespace {

// Pen widths are either constants or whole-number fractions of S.
enum class W { C, S75, S100, S150, S200, S300p1, S75x3, S75x3h };

struct PenRow {
    int r, g, b;
    W w;
    int c = 0;
};

constexpr PenRow kPens[kPenCount] = {
    {0, 121, 127, W::S200}, {0, 110, 127, W::S200}, {0, 121, 127, W::S150}, {0, 110, 127, W::S150},
    {63, 63, 63, W::C, 2}, {0, 190, 190, W::C, 1}, {0, 255, 255, W::C, 1}, {0, 110, 110, W::S300p1},
    {255, 0, 0, W::C, 2}, {0, 255, 0, W::S75}, {0, 255, 0, W::S100}, {255, 0, 0, W::S75},
    {255, 0, 0, W::S100}, {127, 127, 127, W::S75}, {127, 127, 127, W::S100}, {127, 127, 127, W::C, 3},
    {0, 0, 0, W::S75}, {0, 0, 0, W::S75x3}, {0, 0, 0, W::S100}, {0, 0, 255, W::S75},
    {127, 127, 255, W::C, 1}, {0, 0, 255, W::S100}, {255, 255, 255, W::S100}, {255, 255, 255, W::S75x3h},
    {0, 0, 0, W::C, 2}, {127, 127, 127, W::C, 2}, {63, 63, 63, W::C, 2}, {127, 127, 127, W::C, 1},
    {63, 63, 63, W::C, 1}, {127, 0, 0, W::C, 2}, {127, 0, 0, W::C, 1}, {255, 255, 127, W::C, 2},
    {127, 127, 0, W::C, 2}, {0, 255, 0, W::C, 2}, {0, 255, 0, W::C, 3}, {0, 255, 0, W::C, 4},
    {0, 0, 255, W::C, 3}, {0, 255, 255, W::S300p1}, {0, 255, 255, W::S100}, {0, 255, 255, W::S75},
    {0, 180, 180, W::S150}, {0, 180, 180, W::S200}, {0, 140, 107, W::C, 2}, {0, 140, 107, W::S200},
    {0, 43, 107, W::C, 3}, {0, 43, 107, W::S200}, {0, 0, 127, W::C, 1}, {0, 127, 0, W::C, 2},
    {0, 127, 0, W::C, 1}, {255, 0, 255, W::C, 2}, {127, 0, 127, W::C, 2}, {255, 255, 255, W::C, 2},
    {0, 255, 0, W::C, 1}, {255, 0, 0, W::C, 1}, {255, 255, 0, W::C, 2}, {255, 127, 0, W::C, 2},
    {255, 127, 0, W::C, 1}, {255, 0, 255, W::C, 1}, {127, 0, 127, W::C, 1}, {255, 255, 255, W::C, 3},
    {255, 255, 255, W::C, 4}, {255, 255, 255, W::C, 6}, {0, 0, 0, W::S100}, {0, 0, 0, W::C, 3},
    {127, 127, 0, W::S100},
};

constexpr Color kBrushes[kBrushCount] = {
    Rgb(0, 113, 127),   Rgb(127, 200, 255), Rgb(255, 127, 127), Rgb(140, 213, 255), Rgb(107, 180, 255),
    Rgb(64, 201, 255),  Rgb(127, 255, 255), Rgb(127, 255, 255), Rgb(0, 201, 201),   Rgb(0, 127, 255),
    Rgb(0, 255, 255),   Rgb(0, 127, 255),   Rgb(63, 127, 160),  Rgb(0, 127, 127),   Rgb(0, 127, 127),
    Rgb(0, 63, 127),    Rgb(0, 160, 127),   Rgb(0, 127, 250),   Rgb(0, 123, 127),   Rgb(0, 0, 230),
    Rgb(255, 0, 0),     Rgb(127, 127, 0),   Rgb(127, 0, 0),     Rgb(0, 127, 0),     Rgb(0, 64, 0),
    Rgb(0, 32, 0),      Rgb(0, 255, 0),     Rgb(0, 0, 255),     Rgb(0, 0, 127),     Rgb(0, 43, 127),
    Rgb(0, 190, 190),   Rgb(0, 140, 107),   Rgb(255, 255, 0),   Rgb(255, 127, 0),   Rgb(127, 127, 0),
    Rgb(255, 0, 255),   Rgb(127, 0, 127),   Rgb(255, 255, 127), Rgb(63, 63, 63),    Rgb(127, 127, 127),
    Rgb(48, 48, 48),    Rgb(32, 32, 32),    Rgb(16, 16, 16),    Rgb(191, 191, 191),
};

int WidthFor(const PenRow& row, int s) {
    switch (row.w) {
        case W::C: return row.c;
        case W::S75: return s / 75;
        case W::S100: return s / 100;
        case W::S150: return s / 150;
        case W::S200: return s / 200;
        case W::S300p1: return s / 300 + 1;
        case W::S75x3: return 3 * (s / 75);
        case W::S75x3h: return 3 * (s / 75) / 2;
    }
    return 1;
}

}  // namespace

Palette::Palette(int screenHeight) : screenHeight_(screenHeight) {
    for (int i = 1; i <= kPenCount; ++i) {
        const PenRow& row = kPens[i - 1];
        pens_[i] = Pen{Rgb(row.r, row.g, row.b), WidthFor(row, screenHeight), false};
    }
    for (int i = 1; i <= kBrushCount; ++i) brushes_[i] = Brush{kBrushes[i - 1], false};
}

const Pen& Palette::pen(int i) const {
    // An out-of-range number is a programming error; a visible magenta beats a crash.
    static const Pen kBad{Rgb(255, 0, 255), 1, false};
    return (i >= 1 && i <= kPenCount) ? pens_[i] : kBad;
}

const Brush& Palette::brush(int i) const {
    static const Brush kBad{Rgb(255, 0, 255), false};
    return (i >= 1 && i <= kBrushCount) ? brushes_[i] : kBad;
}

}  // namespace vel::gfx
