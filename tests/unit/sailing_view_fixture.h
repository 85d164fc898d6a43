#pragma once
// A game standing in a running cruise at a 1024 x 768 display, ready for the
// sailing view's drawers: screen metrics, tables, a view looking north from
// the origin and a projection axis where the own boat last stood.
#include <cmath>
#include <memory>

#include "app/frame.h"
#include "common/game.h"
#include "common/helpers.h"
#include "gfx/dc.h"
#include "gfx/palette.h"

namespace vel::test {

inline std::unique_ptr<Game> ViewGame() {
    auto g = std::make_unique<Game>();
    ComputeScreenMetrics(g->screenState, Display{1024, 768, 32, 20});
    ScreenState& s = g->screenState;
    s.widthD = s.width;
    s.heightD = s.height;
    s.panelTop = static_cast<int32_t>(s.heightD * 0.67);
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    g->areaGrid.areaCode = 1;
    g->areaGrid.region = 2;
    g->viewState.horizonY = s.height / 10;  // 72
    g->viewState.viewMode = 2;
    g->projection.centerX = 512;
    g->projection.baseY = 433;
    g->weather.moonlight = 1;
    g->weather.cloudCover = 1;
    g->simClock.hour = 12;
    g->simClock.dayHours = 12.0;
    return g;
}

// A world point at a bearing and distance from the eye, which stands 60
// units behind a boat at the origin heading north.
struct At {
    double x, y;
};
inline At FromEye(double bearingDeg, double distance) {
    const double b = bearingDeg * 3.14159265358979 / 180.0;
    return {distance * std::sin(b), 60.0 - distance * std::cos(b)};
}

// A picture and a context to draw into, as one frame.
struct Canvas {
    gfx::Palette palette{768};
    gfx::Surface surface;
    gfx::DC dc;
    Canvas(int w, int h) : surface(w, h), dc(surface, palette, 12) {}
    gfx::Color at(int x, int y) const { return surface.pixel(x, y); }
    int count(gfx::Color c) const {
        int n = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixel(x, y) == c) ++n;
        return n;
    }
};

}  // namespace vel::test
