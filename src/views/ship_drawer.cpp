#include "views/ship_drawer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/helpers.h"
#include "views/boat_scene.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"

namespace vel {
namespace {

using gfx::Point;

// A ship is this many times the size unit of a yacht at the same distance:
// long enough to tower over a yacht, short enough to stay on the screen.
constexpr double kLength = 8.0;
constexpr double kHalfBeam = 1.3;
constexpr double kFreeboard = 0.9;

HullLines ShipHull(double u) {
    HullLines h;
    h.unit = u;
    constexpr std::array<double, 6> kStation = {1.0, 0.65, 0.3, -0.3, -0.7, -1.0};
    constexpr std::array<double, 6> kHalf = {0.0, 0.8, 1.0, 1.0, 1.0, 0.9};
    for (std::size_t i = 0; i < 6; ++i) {
        h.station[i] = kStation[i] * kLength * u;
        h.half[i] = kHalf[i] * kHalfBeam * u;
        h.sheer[i] = kFreeboard * u * (i == 0 ? 1.3 : 1.0);
        h.wlStation[i] = h.station[i] * (i == 0 ? 0.97 : 1.0);
        h.wlHalf[i] = h.half[i] * 0.97;
    }
    h.maxHalf = kHalfBeam * u;
    return h;
}

int32_t ShipHullBrush(int32_t kind) {
    switch (kind) {
        case 12: return pal::kDarkRed;
        case 13: return pal::kNavy;
        case 14: return pal::kGrey63;
        default: return pal::kGrey32;
    }
}

constexpr std::array<int32_t, 5> kContainerColours = {pal::kOrange, pal::kBlue, pal::kDarkRed, pal::kOlive,
                                                      pal::kLightGrey};

void DrawCargo(gfx::DC& dc, const BoatScene& s, int32_t kind) {
    const double u = s.u;
    const double deck = s.hull.sheer[3];
    // Four bays of containers; the farther ones first.
    std::array<Box, 4> bays{};
    for (int b = 0; b < 4; ++b) {
        const double front = (5.6 - 2.5 * b) * u;
        bays[b] = {front, front - 2.3 * u, 1.1 * u, 1.1 * u, deck, deck + (1.0 + 0.15 * ((b + kind) % 3)) * u};
    }
    std::array<int, 4> order = {0, 1, 2, 3};
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return s.frame.Depth(0, bays[a].pFront) > s.frame.Depth(0, bays[b].pFront);
    });
    for (int b : order) {
        const int32_t fill = s.night ? pal::kGrey48 : kContainerColours[(b + kind) % kContainerColours.size()];
        DrawBox(dc, s, bays[b], s.mono ? pal::kGrey : fill, s.mono ? pal::kGrey : fill);
    }
}

void DrawAccommodation(gfx::DC& dc, const BoatScene& s, int32_t kind) {
    const double u = s.u;
    const double deck = s.hull.sheer[4];
    const Box house{-5.4 * u, -7.3 * u, 1.2 * u, 1.15 * u, deck, deck + 2.4 * u};
    const Box funnel{-6.2 * u, -7.1 * u, 0.35 * u, 0.35 * u, house.z1, house.z1 + 1.0 * u};
    DrawBox(dc, s, house, s.trimFill, s.trimFill);
    DrawWindows(dc, s, house, 0.7, 0.85);
    const int32_t band = s.night || s.mono ? pal::kGrey63 : (kind == 12 ? pal::kYellow : pal::kOrange);
    DrawBox(dc, s, funnel, band, pal::kGrey32);
}

void Stroke(gfx::DC& dc, Point a, Point b) {
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
}

void DrawShipLights(gfx::DC& dc, const BoatScene& s, int32_t rel) {
    const Game& g = s.g;
    if (s.mono || !(Night(g) || Fog(g))) return;
    const double u = s.u;
    const int32_t r = std::max(2, Trunc(u / 6.0));
    const double bridge = s.hull.sheer[4] + 2.4 * u;
    // Masthead lights: forward and lower, aft and higher.
    DrawBoatLamp(dc, s.frame.Place(0, 6.5 * u, s.hull.sheer[1] + 2.2 * u), r, 0);
    DrawBoatLamp(dc, s.frame.Place(0, -5.6 * u, bridge + 1.4 * u), r, 0);
    if (rel >= 0 || rel < -169) DrawBoatLamp(dc, s.frame.Place(1.25 * u, -5.4 * u, bridge), r, pal::kGreen);
    if (rel <= 0 || rel > 169) DrawBoatLamp(dc, s.frame.Place(-1.25 * u, -5.4 * u, bridge), r, pal::kRed);
    if (s.frame.Depth(0, -1) < 0) DrawBoatLamp(dc, s.frame.Place(0, s.hull.station[5], s.hull.sheer[5]), r, 0);
}

}  // namespace

void drawShip(gfx::DC& dc, Game& g, int32_t entry, int32_t x, int32_t row, int32_t kind) {
    const ScreenState& sc = g.screenState;
    if (row > sc.height || row < g.viewState.horizonY + 2 || x < -sc.width / 2 || x > sc.width + sc.width / 2) return;
    const int32_t ship = std::clamp(entry - 34, 1, kShipSlots - 1);
    const int32_t rel = signedAngle(g.vessels.heading[ship] - g.viewState.viewHeading);
    const double k = depthScale(g, row) * 0.18;
    const double u = sc.height * k * 0.08 + 2.0;

    BoatPose pose;
    pose.heading = g.vessels.heading[ship];
    pose.speed = 6 * g.cruiseOptions.difficulty + 70;
    BoatScene s{g, pose, BoatFrame(x, row, rel, 0, 1, 0), ShipHull(u)};
    s.look = kBoatTrawler;
    s.u = u;
    s.mono = Monochrome(g);
    s.night = Night(g) || Thunderstorm(g);
    s.hullFill = s.mono ? pal::kGrey : ShipHullBrush(kind);
    s.trimFill = s.mono ? 0 : s.night ? pal::kGrey63 : 0;

    if (!DarkNight(g)) {
        // The bow wave of a ship making her way.
        dc.SelectPen(s.night || s.mono ? pal::kPenGrey2 : pal::kPenWhite2);
        for (int side : {1, -1})
            Stroke(dc, s.frame.Place(0, s.hull.wlStation[0], 0),
                   s.frame.Place(side * 1.8 * u, s.hull.station[1], 0));
        const int32_t deck = s.trimFill;
        s.trimFill = s.night ? pal::kGrey48 : pal::kGrey;
        DrawHull(dc, s, s.hull, 0.0, rel);
        s.trimFill = deck;
        if (!s.night && !s.mono) {
            // The boot-top: red along the waterline.
            dc.SelectPen(pal::kPenRed2);
            for (int side : {1, -1}) {
                if (side == 1 ? !(rel >= 0 || rel < -169) : !(rel <= 0 || rel > 169)) continue;
                for (int i = 1; i < 5; ++i)
                    Stroke(dc, s.frame.Place(side * s.hull.wlHalf[i], s.hull.wlStation[i], 0.15 * u),
                           s.frame.Place(side * s.hull.wlHalf[i + 1], s.hull.wlStation[i + 1], 0.15 * u));
            }
        }
        const bool fromAstern = s.frame.Depth(0, -1) < 0;
        if (!fromAstern) DrawAccommodation(dc, s, kind);
        DrawCargo(dc, s, kind);
        if (fromAstern) DrawAccommodation(dc, s, kind);
        dc.SelectPen(pal::kPenDark1);
        Stroke(dc, s.frame.Place(0, 6.5 * u, s.hull.sheer[1]), s.frame.Place(0, 6.5 * u, s.hull.sheer[1] + 2.2 * u));
    }
    DrawShipLights(dc, s, rel);
}

}  // namespace vel
