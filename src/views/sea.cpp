#include "views/sea.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/sea_items.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

constexpr double kCrestRange = 350.0;
constexpr int32_t kSwellLines = 40;
constexpr int32_t kCoarseSpeckles = 150;

// Fog speckles: column in 1024ths of the width, row in 64ths of the speckle
// depth below the fog line.
constexpr std::array<std::array<int16_t, 2>, 100> kFogSpeckles = [] {
    std::array<std::array<int16_t, 2>, 100> t{};
    uint32_t x = 2463534242u;
    for (auto& p : t) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        p[0] = static_cast<int16_t>(x % 1024);
        p[1] = static_cast<int16_t>((x >> 10) % 64);
    }
    return t;
}();

bool Far(const Game& g, int32_t row) { return row < g.screenState.panelTop / 3; }

// The pen that tints a crest toward the colour of the water it runs on.
int32_t SeaTintPen(const Game& g, bool far) {
    if (Monochrome(g)) return pal::kPenGrey2;
    // Grey water under fog, storm or night takes a grey tint.
    if (Fog(g) || Thunderstorm(g) || Night(g)) return pal::kPenGrey1;
    // The Exumas' bank: a tint deeper than its turquoise water.
    if (RealArea(g) && g.areaGrid.areaCode == 30 && !InDeepSound(Trunc(g.ownBoat.x), Trunc(g.ownBoat.y)))
        return pal::kPenExumaTint;
    if (BahamasRegion(g) || g.passageState.onBank == 1) return far ? pal::kPenBankTintThin : pal::kPenBankTint;
    if (InOceanCurrentBand(g)) return far ? pal::kPenOceanTintThin : pal::kPenOceanTint;
    if (g.areaGrid.region == 5 && Trunc(g.ownBoat.x) < g.areaGrid.gulfWestX) return far ? pal::kPenWestTintThin : pal::kPenWestTint;
    return far ? pal::kPenSeaTint : pal::kPenSeaTintWide;
}

int32_t CrestPen(const Game& g, int32_t i, int32_t row) {
    const bool far = Far(g, row);
    if (g.weather.waveState >= 1 && i % 2 == 1) return SeaTintPen(g, far);
    if (Monochrome(g)) return pal::kPenGrey2;
    if (Night(g) || Fog(g) || Thunderstorm(g)) return pal::kPenGrey3;
    return far ? pal::kPenWhite2 : pal::kPenWhite3;
}

double Distance(const Game& g, double x, double y) { return std::hypot(x - g.ownBoat.x, y - g.ownBoat.y); }

// A crest line lies across the wind.
std::array<double, 2> AcrossWind(const Game& g, double length) {
    const double a = (g.weather.windDirection - 90) * kDegToRad;
    return {length * std::sin(a), -length * std::cos(a)};
}

void KeepNearBoat(Game& g) {
    Vessels& v = g.vessels;
    for (int32_t i = 0; i < kWaveCrests; ++i)
        if (Distance(g, v.crestX[i], v.crestY[i]) > kCrestRange || random(g.rng, 1000) < 5) PlaceWaveCrest(g, i);
    for (int32_t i = 0; i < kSwellLines; ++i)
        if (Distance(g, v.rippleX[i], v.rippleY[i]) > kCrestRange) PlaceRipple(g, i);
}

void CoarseSpeckles(gfx::DC& dc, Game& g) {
    const ScreenState& s = g.screenState;
    const int32_t horizon = g.viewState.horizonY;
    const gfx::Color c = Night(g) ? gfx::Rgb(63, 63, 63) : gfx::kWhite;
    for (int32_t k = 0; k < kCoarseSpeckles; ++k) {
        const int32_t x = random(g.rng, s.width);
        const int32_t y = horizon + random(g.rng, std::max(2, s.panelTop - horizon));
        dc.SetPixel(x, y, c);
        dc.SetPixel(x + 1, y, c);
    }
}

}  // namespace

void drawWaveCrest(gfx::DC& dc, Game& g, int32_t i) {
    const Vessels& v = g.vessels;
    const double x = v.crestX[i], y = v.crestY[i];
    projectPointD(g, 2, x, y, kProjectPlain);
    if (std::abs(g.projection.relBearing) > 90) return;
    const int32_t x0 = g.projection.screenX[2], y0 = g.projection.screenY[2];
    if (y0 <= g.viewState.horizonY) return;
    // Calm water shows short ripples, a heavy sea long crests.
    const auto along = AcrossWind(g, (8.0 + 8.0 * g.weather.waveState) * v.crestScale[i]);
    projectPointD(g, 3, x + along[0], y + along[1], kProjectPlain);
    const int32_t x1 = g.projection.screenX[3], y1 = g.projection.screenY[3];
    dc.SelectPen(CrestPen(g, i, y0));
    dc.MoveTo(x0, y0);
    dc.LineTo((x1 + 3 * x0) / 4, (y1 + 3 * y0) / 4);
    if (g.weather.waveState >= 2 && !Night(g)) {
        // Foam blown off the breaking crest.
        const gfx::Color foam = Monochrome(g) ? gfx::Rgb(127, 127, 127) : gfx::kWhite;
        for (int k = 0; k < 3; ++k)
            dc.SetPixel(x0 + random(g.rng, 8) - 4 + (x1 - x0) / 8, y0 + 1 + random(g.rng, 3), foam);
    }
}

void drawSwellLine(gfx::DC& dc, Game& g, int32_t i) {
    const Vessels& v = g.vessels;
    const auto half = AcrossWind(g, 10.0 + 4.0 * g.weather.waveState);
    const double x = v.rippleX[i], y = v.rippleY[i];
    projectPointD(g, 2, x - half[0], y - half[1], kProjectPlain);
    const int32_t rb0 = g.projection.relBearing;
    projectPointD(g, 3, x + half[0], y + half[1], kProjectPlain);
    if (std::abs(rb0) > 80 || std::abs(g.projection.relBearing) > 80) return;
    const auto& p = g.projection;
    const int32_t horizon = g.viewState.horizonY;
    if (p.screenY[2] <= horizon || p.screenY[3] <= horizon) return;
    // Near the boat a swell is a slope, not a line: only the far field shows them.
    const int32_t middle = (horizon + g.screenState.panelTop) / 2;
    if (p.screenY[2] > middle || p.screenY[3] > middle) return;
    if (Night(g) || Monochrome(g)) dc.SelectPen(pal::kPenGrey1);
    else dc.SelectStockPen(gfx::Stock::White);
    dc.MoveTo(p.screenX[2], p.screenY[2]);
    dc.LineTo(p.screenX[3], p.screenY[3]);
}

void drawSeaSurface(gfx::DC& dc, Game& g) {
    KeepNearBoat(g);
    const int32_t waves = g.weather.waveState;
    if (g.viewState.simpleGraphics == 1 || Monochrome(g)) {
        if (Night(g) && waves == 0) return;
        for (int32_t i = 0; i < kWaveCrests; ++i) drawWaveCrest(dc, g, i);
        return;
    }
    if (g.cruiseOptions.simSpeed >= 13) {
        CoarseSpeckles(dc, g);
        return;
    }
    const int32_t passes = waves == 1 ? 2 : 1;
    for (int32_t pass = 0; pass < passes; ++pass)
        for (int32_t i = 0; i < kWaveCrests; ++i) drawWaveCrest(dc, g, i);
    if (waves >= 1)
        for (int32_t i = 0; i < kSwellLines; ++i) drawSwellLine(dc, g, i);
}

int32_t FogTarget(const Game& g, int32_t boatRow) {
    const int32_t horizon = g.viewState.horizonY;
    int32_t t = 0;
    if (Thunderstorm(g)) t = (horizon + boatRow) / 2;
    else if (Fog(g)) t = 2 * (boatRow + horizon) / 5;
    if (Fog(g) && g.weather.exposure < 900 && g.weather.storm < 2 && !Night(g)) t -= g.screenState.height / 10;
    return t;
}

void drawFog(gfx::DC& dc, Game& g, const ViewRect& view) {
    ViewState& v = g.viewState;
    const int32_t before = v.fogLine;
    v.fogLine = (FogTarget(g, OwnBoatRow(view.top, view.bottom)) + 8 * v.fogLine) / 9;
    if (v.fogLine <= 0 && before <= 0) return;
    if (Thunderstorm(g)) {
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(FewColours(g) ? pal::kGrey63 : pal::kGrey32);
    } else if (Night(g)) {
        dc.SelectStockPen(gfx::Stock::Black);
        dc.SelectStockBrush(gfx::Stock::Black);
    } else {
        dc.SelectPen(pal::kPenGrey1);
        dc.SelectBrush(pal::kGrey);
    }
    dc.Rectangle(view.left, view.top, view.right, v.fogLine);

    if (!Fog(g) || g.weather.storm != 0 || Night(g) || v.simpleGraphics == 1 || v.fogLine <= 0) return;
    const gfx::Color grey = gfx::Rgb(127, 127, 127);
    const int32_t depth = std::max(2, g.screenState.height / 12);
    for (const auto& s : kFogSpeckles)
        dc.SetPixel(view.left + s[0] * (view.right - view.left) / 1024, v.fogLine + s[1] * depth / 64, grey);
    for (int k = 0; k < 50; ++k) dc.SetPixel(random(g.rng, view.right), random(g.rng, depth) + v.fogLine, grey);
}

}  // namespace vel
