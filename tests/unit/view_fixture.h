#pragma once
// A game laid out for a 1024 x 768 display (drawing area 1024 x 729), in a
// cruise on the chart, with a picture to draw the views into.
#include <memory>

#include "app/frame.h"
#include "common/helpers.h"
#include "gfx/dc.h"
#include "gfx/palette.h"

namespace vel::test {

inline constexpr gfx::Color kGreen = gfx::Rgb(0, 255, 0);
inline constexpr gfx::Color kYellow = gfx::Rgb(255, 255, 0);
inline constexpr gfx::Color kLand = gfx::Rgb(127, 127, 0);
inline constexpr gfx::Color kWater = gfx::Rgb(0, 127, 255);

struct ViewFixture {
    std::unique_ptr<Game> game = std::make_unique<Game>();
    Game& g = *game;
    gfx::Palette palette{768};
    std::unique_ptr<gfx::Surface> surface;

    explicit ViewFixture(int32_t width = 1024, int32_t height = 768) {
        ScreenState& s = g.screenState;
        ComputeScreenMetrics(s, Display{width, height, 32, 20});
        s.widthD = s.width;
        s.heightD = s.height;
        s.phase = 2;
        s.chartShown = 1;
        BuildTrigTables(g.trigTables);
        ResetObjectList(g.objectList);
        g.areaGrid.unitsPerMile = 300;
        g.chartView.scale = 32;
        g.chartView.fullScale = 75;
        surface = std::make_unique<gfx::Surface>(s.width, s.height);
    }

    // A fresh picture, filled with one colour so that what a view draws shows.
    // Read pixels after the context is gone.
    std::unique_ptr<gfx::DC> freshDc(gfx::Color fill = gfx::kWhite) {
        surface = std::make_unique<gfx::Surface>(g.screenState.width, g.screenState.height);
        auto dc = std::make_unique<gfx::DC>(*surface, palette, gfx::FontPixelSizeFor(g.screenState.fullHeight));
        dc->SelectBrush(gfx::Brush{fill, false});
        dc->SelectStockPen(gfx::Stock::Null);
        dc->Rectangle(0, 0, g.screenState.width + 1, g.screenState.height + 1);
        return dc;
    }

    gfx::Color at(int x, int y) const { return surface->pixel(x, y); }
    // Pixels of [x0, x1) x [y0, y1) for which is(x, y) holds.
    template <class Is>
    int count(int x0, int x1, int y0, int y1, Is is) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += is(x, y);
        return n;
    }

    void clickAt(int32_t x, int32_t y) {
        g.inputState.clickX = x;
        g.inputState.clickY = y;
        g.inputState.leftClicked = 1;
    }
};

}  // namespace vel::test
