#include "views/sky.h"

#include <algorithm>
#include <cstdlib>

#include "common/helpers.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/real_scene.h"
#include "views/scene.h"

namespace vel {
namespace {

constexpr int32_t kBlackFill = 0;

void SelectFill(gfx::DC& dc, int32_t brush) {
    if (brush == kBlackFill) dc.SelectStockBrush(gfx::Stock::Black);
    else dc.SelectBrush(brush);
}

void FillBand(gfx::DC& dc, int32_t brush, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    dc.SelectStockPen(gfx::Stock::Null);
    SelectFill(dc, brush);
    dc.Rectangle(left, top, right, bottom);
}

// Grey stands in for every sky colour when the sky is overcast or drawn in
// black and white.
int32_t GreyedSky(const Game& g, int32_t brush) {
    return (Overcast(g) || Monochrome(g)) ? pal::kGrey : brush;
}

// The sun walks from east at six in the morning to west at six at night.
int32_t SunBearing(const Game& g) { return NormaliseAngle(90 + Trunc((g.simClock.dayHours - 6.0) * 15.0)); }

struct Cloud {
    int32_t bearing;   // true bearing of its centre
    int32_t rowEighths;  // centre row in eighths of the sky's height
    int32_t width;     // at a 640-pixel screen
};
constexpr Cloud kClouds[] = {
    {20, 3, 70}, {75, 5, 46}, {130, 2, 90}, {185, 4, 60}, {240, 3, 80}, {290, 5, 40}, {335, 2, 64},
};

bool SoundsAllowed(const Game& g) {
    return g.cruiseOptions.soundLevel > 1 && g.screenState.paused == 0 && g.screenState.helpPage == 0 &&
           g.simClock.minute % 2 == 0;
}

void DrawBolt(gfx::DC& dc, Game& g) {
    const int32_t c = random(g.rng, 560) + 40;
    const int32_t midX = c + random(g.rng, 50) - 25;
    const int32_t midY = random(g.rng, 20) + 20;
    const int32_t endX = midX + random(g.rng, 30) - 15;
    const gfx::Point bolt[] = {{c, 0}, {midX, midY}, {endX, g.viewState.horizonY}};
    dc.SelectPen(pal::kPenWhite2);
    dc.Polyline(bolt, 3);
}

}  // namespace

void ComputeFrameLight(Game& g) {
    ViewState& v = g.viewState;
    const int32_t hour = g.simClock.hour;
    v.horizonY = g.screenState.height / 10;
    v.night = (hour >= 20 || hour <= 4) ? 1 : 0;
    v.twilight = (hour == 4 || hour == 20) ? 2 : (hour == 5 || hour == 19) ? 1 : 0;
    v.sunGlare = (v.sunX > 100 && v.sunX < g.screenState.width - 100 && g.weather.storm == 0 &&
                  g.weather.cloudCover <= 2 && std::abs(hour - 12) >= 4)
                     ? 1
                     : 0;
}

int32_t SeaBrush(const Game& g) {
    const bool mono = Monochrome(g);
    const bool fog = Fog(g);
    int32_t brush = kBlackFill;
    if (!mono && g.weather.storm < 2 && !fog) {
        brush = pal::kSeaTeal;
        if (g.areaGrid.region == 5 && Trunc(g.ownBoat.x) < g.areaGrid.gulfWestX) brush = pal::kSeaWest;
    }
    if (InOceanCurrentBand(g)) brush = pal::kOceanBand;
    if (!mono && !RealArea(g) && (BahamasRegion(g) || g.passageState.onBank == 1))
        brush = FewColours(g) ? pal::kTurquoiseSafe : pal::kTurquoise;
    brush = RealSeaBrush(g, brush);
    if (Thunderstorm(g) || fog) brush = pal::kGrey63;
    if (Night(g) || mono) {
        brush = FewColours(g) ? kBlackFill : pal::kNightSea;
        if (g.weather.moonlight == 0) brush = kBlackFill;
    }
    return brush;
}

int32_t SkyBrush(const Game& g) {
    const int32_t hour = g.simClock.hour;
    int32_t brush = kBlackFill;
    if (!Monochrome(g)) {
        if (hour == 5 || hour == 19) brush = pal::kBlue;
        else brush = FewColours(g) ? pal::kSkySafe : pal::kSkyBlue;
    }
    if (Monochrome(g) || Overcast(g)) brush = pal::kLightGrey;
    if (g.weather.storm > 0) brush = pal::kGrey;
    if (Night(g)) brush = kBlackFill;
    return brush;
}

bool FacingSun(const Game& g) {
    const int32_t hour = g.simClock.hour;
    const int32_t h = g.viewState.viewHeading;
    if (hour >= 13 && std::abs(signedAngle(h - 270)) <= 89) return true;
    return hour <= 11 && std::abs(signedAngle(h - 90)) <= 89;
}

void drawSea(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    FillBand(dc, SeaBrush(g), left, top, right, bottom);
}

void drawSky(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right) {
    const ViewState& v = g.viewState;
    const int32_t hour = g.simClock.hour;
    const int32_t horizon = v.horizonY;
    FillBand(dc, SkyBrush(g), left, top, right, horizon);

    const bool clearDay = hour >= 6 && hour <= 18 && !Monochrome(g) && g.weather.storm == 0 && !Overcast(g) &&
                          !FewColours(g);
    if (clearDay) {
        FillBand(dc, pal::kHaze, left, horizon - 6, right, horizon - 1);
        FillBand(dc, pal::kSkyTop, left, top, right, top + 7);
        dc.SelectStockPen(gfx::Stock::Black);
        dc.MoveTo(left, top);
        dc.LineTo(left, horizon);
        dc.MoveTo(right - 1, top);
        dc.LineTo(right - 1, horizon);
    }
    if (v.twilight == 2 && g.weather.storm == 0 && FacingSun(g))
        FillBand(dc, GreyedSky(g, pal::kNavy), left, top + horizon / 2, right, horizon);
    if (v.twilight == 1 && g.weather.storm == 0) {
        FillBand(dc, GreyedSky(g, pal::kBlue), left, top, right, horizon);
        FillBand(dc, GreyedSky(g, pal::kNavy), left, top, right, top + horizon / 3);
    }
}

void drawSunGlitter(gfx::DC& dc, Game& g) {
    const ViewState& v = g.viewState;
    const int32_t hour = g.simClock.hour;
    if (Overcast(g) || Night(g) || std::abs(hour - 12) <= 2 || Fog(g) || g.weather.storm != 0 || v.twilight != 0)
        return;
    for (int i = 0; i < 90; ++i) {
        const int32_t row = 85 + 3 * random(g.rng, 100);
        const int32_t below = row - v.horizonY;
        const int32_t col = v.sunX + (random(g.rng, 100) * below) / 50 - below;
        dc.SetPixel(col, row, gfx::kWhite);
    }
}

void drawDistantThunder(gfx::DC& dc, Game& g) {
    if (g.weather.storm != 1) return;
    if (random(g.rng, 100) < 4) DrawBolt(dc, g);
    if (random(g.rng, 100) < 3 && SoundsAllowed(g)) g.soundRequests.push_back({138, PlayMode::Plain});
}

void drawThunderstorm(gfx::DC& dc, Game& g) {
    if (g.weather.storm != 2 || random(g.rng, 100) >= 8) return;
    DrawBolt(dc, g);
    if (SoundsAllowed(g)) g.soundRequests.push_back({random(g.rng, 100) < 50 ? 138 : 139, PlayMode::Plain});
}

int32_t HorizonColumn(const Game& g, int32_t bearing) {
    const int32_t rel = signedAngle(bearing - g.viewState.viewHeading);
    return g.projection.centerX + Trunc(g.screenState.hScale * 8.0 * 1.1 * rel);
}

void drawSkyObjects(gfx::DC& dc, Game& g, const ViewRect& view) {
    if (DarkNight(g)) return;
    ViewState& v = g.viewState;
    const int32_t hour = g.simClock.hour;
    const int32_t horizon = v.horizonY;
    const int32_t width = g.screenState.width;
    const bool mono = Monochrome(g);

    const int32_t sunRel = signedAngle(SunBearing(g) - v.viewHeading);
    v.sunX = std::abs(sunRel) < 100 ? HorizonColumn(g, SunBearing(g)) : -width;
    const int32_t fromNoon = std::abs(hour - 12);
    if (hour >= 6 && hour <= 18 && !Overcast(g) && g.weather.storm == 0 && v.sunX > 0 && v.sunX < width) {
        const int32_t radius = fromNoon * 7 + 5;
        const int32_t row = horizon - (horizon * (6 - fromNoon)) / 7;
        dc.ClipRect(view.left, view.top, view.right, horizon);
        if (mono) {
            dc.SelectStockPen(gfx::Stock::Black);
            dc.SelectStockBrush(gfx::Stock::White);
        } else {
            dc.SelectPen(pal::kPenRed1);
            dc.SelectBrush(pal::kYellow);
        }
        dc.Ellipse(v.sunX - radius, row - radius, v.sunX + radius, row + radius);
        dc.ClipRect(view.left, view.top, view.right, view.bottom);
    }

    if (Night(g) && FewColours(g)) return;
    const bool dark = Overcast(g) || g.weather.storm > 0 || Night(g);
    dc.SelectStockPen(gfx::Stock::Null);
    for (const Cloud& c : kClouds) {
        const int32_t rel = signedAngle(c.bearing - v.viewHeading);
        if (std::abs(rel) > 90) continue;
        const int32_t x = HorizonColumn(g, c.bearing);
        const int32_t half = Trunc(c.width * g.screenState.hScale) / 2;
        const int32_t row = (horizon * c.rowEighths) / 8;
        if (x + half < 0 || x - half > width) continue;
        // A puffed top over a flat base, the underside in shadow.
        const int32_t body = dark ? pal::kGrey63 : pal::kLightGrey;
        const int32_t dome = (half * 3) / 5, rise = std::max(4, half / 3);
        dc.SelectBrush(body);
        dc.Pie(x - dome, row + 4 - rise, x + dome, row + 4 + rise, x + dome, row + 4, x - dome, row + 4);
        dc.Pie(x - dome / 2 - half / 3, row + 4 - rise / 2, x + dome / 2 - half / 3, row + 4 + rise / 2,
               x + dome / 2 - half / 3, row + 4, x - dome / 2 - half / 3, row + 4);
        dc.Ellipse(x - half, row, x + half, row + 8);
        dc.SelectBrush(dark ? pal::kGrey48 : pal::kGrey);
        dc.Pie(x - half, row, x + half, row + 8, x - half, row + 4, x + half, row + 4);
    }
}

void drawFarHills(gfx::DC& dc, Game& g) {
    if (!ShoreArea(g) || DarkNight(g)) return;
    const AreaGrid& a = g.areaGrid;
    const int32_t count = std::min<int32_t>(a.hillCount > 0 ? a.hillCount : 10, static_cast<int32_t>(a.hillX.size()));
    const int32_t cap = g.viewState.horizonY * 4 / 5;
    dc.SelectStockPen(gfx::Stock::Null);
    if (Monochrome(g)) dc.SelectBrush(pal::kGrey);
    else dc.SelectBrush(Night(g) ? pal::kGrey32 : pal::kHillHaze);
    for (int32_t k = 0; k < count; ++k) {
        if (a.hillSize[k] <= 0) continue;
        projectPoint(g, 2, a.hillX[k], a.hillY[k], kProjectShore);
        const Projection& p = g.projection;
        if (std::abs(p.relBearing) > 80 || p.distance <= 0.0) continue;
        const int32_t h = std::min(cap, Trunc(a.hillSize[k] * 1500.0 / p.distance * g.screenState.vScale));
        if (h < 2) continue;
        const int32_t x = p.screenX[2];
        const int32_t row = p.screenY[2];
        const int32_t w = 4 * h;
        dc.Pie(x - w, row - h, x + w, row + h, x + w, row, x - w, row);
    }
}

}  // namespace vel
