#include "views/boat_drawer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/anchored_fleet.h"
#include "views/boat_scene.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"

namespace vel {
namespace {

constexpr int32_t kStockBlack = -1;
constexpr int32_t kTitleViewHeading = 260;

using gfx::Point;

// ---- filled shapes ------------------------------------------------------------

void FillPolygon(gfx::DC& dc, const BoatScene& s, const Point* pts, int n, int32_t fill) {
    s.Fill(dc, fill);
    dc.SelectStockPen(gfx::Stock::Black);
    dc.Polygon(pts, n);
}

}  // namespace

void DrawBox(gfx::DC& dc, const BoatScene& s, const Box& b, int32_t sideFill, int32_t topFill) {
    const BoatFrame& f = s.frame;
    auto corner = [&](int side, bool front, bool top) {
        return f.Place(side * (front ? b.halfFront : b.halfBack), front ? b.pFront : b.pBack, top ? b.z1 : b.z0);
    };
    // A face shows when its outward normal points toward the viewer.
    const bool stbd = f.Depth(1, 0) < 0, port = f.Depth(-1, 0) < 0;
    const bool front = f.Depth(0, 1) < 0, back = f.Depth(0, -1) < 0;
    for (int side : {1, -1}) {
        if ((side == 1 && !stbd) || (side == -1 && !port)) continue;
        const Point q[] = {corner(side, true, false), corner(side, false, false), corner(side, false, true),
                           corner(side, true, true)};
        FillPolygon(dc, s, q, 4, sideFill);
    }
    for (bool isFront : {true, false}) {
        if ((isFront && !front) || (!isFront && !back)) continue;
        const Point q[] = {corner(1, isFront, false), corner(-1, isFront, false), corner(-1, isFront, true),
                           corner(1, isFront, true)};
        FillPolygon(dc, s, q, 4, sideFill);
    }
    const Point top[] = {corner(1, true, true), corner(1, false, true), corner(-1, false, true),
                         corner(-1, true, true)};
    FillPolygon(dc, s, top, 4, topFill);
}

void DrawWindows(gfx::DC& dc, const BoatScene& s, const Box& b, double low, double high) {
    const int32_t glass = s.night ? pal::kCream : pal::kGrey63;
    const double z0 = b.z0 + (b.z1 - b.z0) * low, z1 = b.z0 + (b.z1 - b.z0) * high;
    const BoatFrame& f = s.frame;
    const double inset = 0.15;
    for (int side : {1, -1}) {
        if (f.Depth(side, 0) >= 0) continue;
        const double pf = b.pFront - (b.pFront - b.pBack) * inset, pb = b.pBack + (b.pFront - b.pBack) * inset;
        const double hf = b.halfFront + (b.halfBack - b.halfFront) * inset;
        const double hb = b.halfBack - (b.halfBack - b.halfFront) * inset;
        const Point q[] = {f.Place(side * hf, pf, z0), f.Place(side * hb, pb, z0), f.Place(side * hb, pb, z1),
                           f.Place(side * hf, pf, z1)};
        s.Fill(dc, glass);
        dc.SelectStockPen(gfx::Stock::Null);
        dc.Polygon(q, 4);
    }
    if (f.Depth(0, 1) < 0) {
        const double h = b.halfFront * 0.8;
        const Point q[] = {f.Place(h, b.pFront, z0), f.Place(-h, b.pFront, z0), f.Place(-h, b.pFront, z1),
                           f.Place(h, b.pFront, z1)};
        s.Fill(dc, glass);
        dc.SelectStockPen(gfx::Stock::Null);
        dc.Polygon(q, 4);
    }
}

namespace {

// ---- hull ---------------------------------------------------------------------

// One side of a hull whose centreline stands dx0 off the boat's: the sheer
// from stem to transom, then the waterline back to the stem.
void DrawHullSide(gfx::DC& dc, const BoatScene& s, const HullLines& h, double dx0, int side) {
    Point pts[12];
    for (int i = 0; i < 6; ++i) pts[i] = s.frame.Place(dx0 + side * h.half[i], h.station[i], h.sheer[i]);
    for (int i = 5; i >= 0; --i) pts[11 - i] = s.frame.Place(dx0 + side * h.wlHalf[i], h.wlStation[i], 0.0);
    FillPolygon(dc, s, pts, 12, s.hullFill);
}

void DrawTransom(gfx::DC& dc, const BoatScene& s, const HullLines& h, double dx0) {
    if (s.frame.Depth(0, -1) >= 0) return;
    const Point q[] = {s.frame.Place(dx0 + h.half[5], h.station[5], h.sheer[5]),
                       s.frame.Place(dx0 - h.half[5], h.station[5], h.sheer[5]),
                       s.frame.Place(dx0 - h.wlHalf[5], h.wlStation[5], 0.0),
                       s.frame.Place(dx0 + h.wlHalf[5], h.wlStation[5], 0.0)};
    FillPolygon(dc, s, q, 4, s.hullFill);
}

void DrawDeck(gfx::DC& dc, const BoatScene& s, const HullLines& h, double dx0) {
    Point pts[11];
    int n = 0;
    for (int i = 0; i < 6; ++i) pts[n++] = s.frame.Place(dx0 + h.half[i], h.station[i], h.sheer[i]);
    for (int i = 5; i >= 1; --i) pts[n++] = s.frame.Place(dx0 - h.half[i], h.station[i], h.sheer[i]);
    FillPolygon(dc, s, pts, n, s.trimFill);
}

}  // namespace

void DrawHull(gfx::DC& dc, const BoatScene& s, const HullLines& h, double dx0, int32_t rel) {
    const bool stbd = StarboardSideShows(rel), port = PortSideShows(rel);
    const bool portFarther = s.frame.Depth(-1, 0) > s.frame.Depth(1, 0);
    for (int side : {portFarther ? -1 : 1, portFarther ? 1 : -1})
        if ((side == 1 && stbd) || (side == -1 && port)) DrawHullSide(dc, s, h, dx0, side);
    DrawTransom(dc, s, h, dx0);
    DrawDeck(dc, s, h, dx0);
}

namespace {

void DrawMonohullDeckFittings(gfx::DC& dc, const BoatScene& s) {
    const HullLines& h = s.hull;
    const double u = s.u;
    if (s.Detailed()) {
        // The cockpit well aft of the cabin.
        const double z = s.DeckAt(-1.6 * u) - 0.05 * h.maxHalf;
        const Point well[] = {s.frame.Place(0.55 * h.half[3], -0.9 * u, z), s.frame.Place(0.5 * h.half[5], -2.1 * u, z),
                              s.frame.Place(-0.5 * h.half[5], -2.1 * u, z), s.frame.Place(-0.55 * h.half[3], -0.9 * u, z)};
        FillPolygon(dc, s, well, 4, pal::kGrey63);
    }
    const Box cabin{1.3 * u, -0.9 * u, 0.42 * h.maxHalf, 0.62 * h.maxHalf, s.DeckAt(0.2 * u), s.DeckAt(0.2 * u) + 0.32 * u};
    DrawBox(dc, s, cabin, s.trimFill, s.trimFill);
    if (s.Detailed()) DrawWindows(dc, s, cabin, 0.35, 0.7);
}

void DrawTrawlerSuperstructure(gfx::DC& dc, const BoatScene& s) {
    const HullLines& h = s.hull;
    const double u = s.u;
    const double deck = s.DeckAt(0.0);
    const Box house{1.0 * u, -1.5 * u, 0.62 * h.maxHalf, 0.82 * h.maxHalf, deck, deck + 0.75 * u};
    DrawBox(dc, s, house, s.trimFill, s.trimFill);
    if (s.Detailed()) DrawWindows(dc, s, house, 0.45, 0.72);
    const Box wheelhouse{0.75 * u, -0.2 * u, 0.5 * h.maxHalf, 0.62 * h.maxHalf, house.z1, house.z1 + 0.5 * u};
    DrawBox(dc, s, wheelhouse, s.trimFill, s.trimFill);
    DrawWindows(dc, s, wheelhouse, 0.4, 0.8);
    double mastFoot = wheelhouse.z1;
    if (s.look == kBoatTwinTrawler) {
        // The twin-screw boat carries a flybridge aft of the wheelhouse.
        const Box bridge{-0.25 * u, -1.2 * u, 0.6 * h.maxHalf, 0.7 * h.maxHalf, house.z1, house.z1 + 0.22 * u};
        DrawBox(dc, s, bridge, s.trimFill, pal::kGrey63);
        mastFoot = wheelhouse.z1;
    }
    // A short mast with a crosstree for the radar and lights.
    const Point foot = s.frame.Place(0, -0.05 * u, mastFoot);
    const Point top = s.frame.Place(0, -0.05 * u, mastFoot + 0.9 * u);
    dc.SelectPen(s.Detailed() ? pal::kPenBlack2 : pal::kPenDark1);
    dc.MoveTo(foot.x, foot.y);
    dc.LineTo(top.x, top.y);
    const Point bar0 = s.frame.Place(0.35 * h.maxHalf, -0.05 * u, mastFoot + 0.6 * u);
    const Point bar1 = s.frame.Place(-0.35 * h.maxHalf, -0.05 * u, mastFoot + 0.6 * u);
    dc.MoveTo(bar0.x, bar0.y);
    dc.LineTo(bar1.x, bar1.y);
}

// ---- catamaran ------------------------------------------------------------------

double CatHullOffset(const BoatScene& s) { return s.beam * 0.00085 * 100; }

void DrawCatamaran(gfx::DC& dc, const BoatScene& s, int32_t rel) {
    const double w = CatHullOffset(s);
    const double u = s.u;
    const bool portFarther = s.frame.Depth(-1, 0) > s.frame.Depth(1, 0);
    for (int side : {portFarther ? -1 : 1, portFarther ? 1 : -1}) DrawHull(dc, s, s.hull, side * w, rel);
    // The bridge deck spans the hulls' inner sides; its front is the nacelle.
    const double inner = w - s.hull.maxHalf;
    const double z = s.hull.sheer[2];
    const double under = z * 0.55;
    if (s.frame.Depth(0, 1) < 0) {
        const Point face[] = {s.frame.Place(inner, 1.0 * u, z), s.frame.Place(-inner, 1.0 * u, z),
                              s.frame.Place(-inner, 1.0 * u, under), s.frame.Place(inner, 1.0 * u, under)};
        FillPolygon(dc, s, face, 4, s.hullFill);
    }
    if (s.frame.Depth(0, -1) < 0) {
        const Point face[] = {s.frame.Place(inner, -1.9 * u, z), s.frame.Place(-inner, -1.9 * u, z),
                              s.frame.Place(-inner, -1.9 * u, under), s.frame.Place(inner, -1.9 * u, under)};
        FillPolygon(dc, s, face, 4, s.hullFill);
    }
    const Point bridge[] = {s.frame.Place(w, 1.0 * u, z), s.frame.Place(w, -1.9 * u, z), s.frame.Place(-w, -1.9 * u, z),
                            s.frame.Place(-w, 1.0 * u, z)};
    FillPolygon(dc, s, bridge, 4, s.trimFill);
    const Box saloon{0.7 * u, -1.3 * u, 0.55 * w, 0.85 * w, z, z + 0.34 * u};
    DrawBox(dc, s, saloon, s.trimFill, s.trimFill);
    if (s.Detailed()) DrawWindows(dc, s, saloon, 0.3, 0.75);
}

// ---- water --------------------------------------------------------------------

void Stroke(gfx::DC& dc, Point a, Point b) {
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
}

void DrawWakeAndBowWave(gfx::DC& dc, const BoatScene& s, bool ownBoat) {
    const BoatPose& p = s.pose;
    if (p.speed <= 30) return;
    const HullLines& h = s.hull;
    const double u = s.u;
    const double w = s.look == kBoatCatamaran ? CatHullOffset(s) : 0.0;
    const bool mono = s.mono;
    if (s.night || mono) dc.SelectPen(pal::kPenGrey2);
    else if (s.Detailed()) dc.SelectPen(pal::kPenWhite2);
    else dc.SelectStockPen(gfx::Stock::White);
    const double run = u * std::min(4.0, p.speed / 20.0);
    for (int side : {1, -1}) {
        for (double hull : {-w, w}) {
            if (w == 0.0 && hull < 0) continue;
            // The bow wave peels off the stem; the quarter wave trails aft.
            Stroke(dc, s.frame.Place(hull, h.wlStation[0], 0.0),
                   s.frame.Place(hull + side * (h.half[2] + 0.35 * u), h.station[2] - 0.3 * u, 0.0));
            Stroke(dc, s.frame.Place(hull + side * h.wlHalf[5], h.wlStation[5], 0.0),
                   s.frame.Place(hull + side * (h.wlHalf[5] + 0.3 * run), h.wlStation[5] - run, 0.0));
        }
    }
    const bool engine = p.throttle > 0 && p.gear != 0;
    if (!engine && !(ownBoat && p.speed > 60)) return;
    // Propeller wash: a churn of short marks astern, one per screw.
    const int32_t churn = engine ? 5 : 2;
    for (int screw = 0; screw < p.screws; ++screw) {
        const double dx = p.screws == 2 ? (screw == 0 ? 0.45 : -0.45) * h.maxHalf : 0.0;
        for (int k = 1; k <= churn; ++k) {
            const double pk = h.wlStation[5] - k * 0.35 * u;
            const double jig = ((k + s.g.simClock.cycle60) % 2 == 0 ? 0.2 : -0.2) * h.maxHalf;
            Stroke(dc, s.frame.Place(dx + jig - 0.15 * h.maxHalf, pk, 0.0), s.frame.Place(dx + jig + 0.15 * h.maxHalf, pk, 0.0));
        }
    }
}

void DrawRodes(gfx::DC& dc, Game& g, const BoatScene& s, int32_t b) {
    const Point stem = s.frame.Place(0, s.hull.station[0], s.hull.sheer[0]);
    dc.SelectPen(s.night ? pal::kPenGrey1 : pal::kPenDark1);
    if (b != 1) {
        // The fleet's rodes: a short run from the stem into the water.
        Stroke(dc, stem, s.frame.Place(0, s.hull.station[0] + 0.9 * s.u, 0.0));
        return;
    }
    for (int k = 1; k <= 2; ++k) {
        if (g.anchors.anchor[1][k] == 0) continue;
        projectPointD(g, 3 + k, g.anchors.xanch[1][k], g.anchors.yanch[1][k], kProjectAside);
        Stroke(dc, stem, {g.projection.screenX[3 + k], g.projection.screenY[3 + k]});
    }
}

// ---- lights ---------------------------------------------------------------------

void Lamp(gfx::DC& dc, Point at, int32_t r, int32_t brush) { DrawBoatLamp(dc, at, r, brush); }

double MastTop(const BoatScene& s) {
    if (s.look == kBoatTrawler || s.look == kBoatTwinTrawler) return s.DeckAt(0.0) + 2.15 * s.u;
    return SailboatMastHead(s).z;
}

void DrawLights(gfx::DC& dc, const BoatScene& s, int32_t rel) {
    const Game& g = s.g;
    const BoatPose& p = s.pose;
    if (s.mono || !(Night(g) || Fog(g))) return;
    const HullLines& h = s.hull;
    const int32_t r = std::max(2, Trunc(s.u / 10.0));
    const double w = s.look == kBoatCatamaran ? CatHullOffset(s) : 0.0;
    const bool trawler = s.look == kBoatTrawler || s.look == kBoatTwinTrawler;
    if (p.underWay) {
        if (StarboardSideShows(rel)) Lamp(dc, s.frame.Place(w + h.half[1], h.station[1], h.sheer[1]), r, pal::kGreen);
        if (PortSideShows(rel)) Lamp(dc, s.frame.Place(-w - h.half[1], h.station[1], h.sheer[1]), r, pal::kRed);
        if (s.frame.Depth(0, -1) < 0) Lamp(dc, s.frame.Place(0, h.station[5], h.sheer[5]), r, 0);
        if (trawler) Lamp(dc, s.frame.Place(0, -0.05 * s.u, MastTop(s)), r, 0);
    }
    if (p.atAnchor) Lamp(dc, s.frame.Place(0, trawler ? -0.05 * s.u : SailboatMastHead(s).p, MastTop(s)), r, 0);
}

// ---- colours --------------------------------------------------------------------

void ChooseColours(BoatScene& s, int32_t b) {
    const Game& g = s.g;
    const bool dim = Night(g) || Thunderstorm(g);
    s.night = dim;
    s.mono = Monochrome(g);
    s.hullFill = (s.mono || dim) ? pal::kGrey : HullBrush(s.pose.hullColour);
    if (s.mono) s.trimFill = 0;
    else s.trimFill = dim ? pal::kGrey63 : pal::kLightGrey;
    s.sailFill = dim ? pal::kLightGrey : 0;
    // On a moonless night a boat to the west of ours shows no hull at all.
    if (b != 1 && DarkNight(g) && b >= 0 && b < 10 && g.ownBoat.x - g.objectList.fbx[40 + b] >= 100.0)
        s.hullFill = kStockBlack;
}

}  // namespace

void DrawBoatLamp(gfx::DC& dc, gfx::Point at, int32_t r, int32_t brush) {
    dc.SelectStockPen(gfx::Stock::Null);
    if (brush == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(brush);
    dc.Ellipse(at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
}

double BoatScene::DeckAt(double p) const {
    const double t = std::clamp((hull.station[0] - p) / std::max(1e-6, hull.station[0] - hull.station[5]), 0.0, 1.0) * 5;
    const int i = std::min(4, static_cast<int>(t));
    return hull.sheer[i] + (hull.sheer[i + 1] - hull.sheer[i]) * (t - i);
}

void BoatScene::Fill(gfx::DC& dc, int32_t brush) const {
    if (brush == kStockBlack) dc.SelectStockBrush(gfx::Stock::Black);
    else if (brush == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(brush);
}

bool StarboardSideShows(int32_t rel) { return rel >= 0 || rel < -169; }
bool PortSideShows(int32_t rel) { return rel <= 0 || rel > 169; }

int32_t FleetHullColour(const Game& g, int32_t j) {
    const int32_t region = g.areaGrid.region;
    if (region == 6) return j % 5 == 0 ? 5 : j % 4 == 0 ? 3 : 2;
    if (region == 3) return 3;
    if (region == 1) return 5;
    return 2;
}

BoatPose OwnBoatPose(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    BoatPose p;
    p.heading = b.heading;
    p.heel = b.heel;
    p.tack = b.tack;
    p.hullColour = g.cruiseOptions.hullColour;
    p.sailsUp = g.cruiseOptions.boatType <= 2 ? b.sailsUp : 0;
    p.headsail = b.headsail;
    p.spinnaker = b.spinnaker;
    p.cruisingSpinnaker = g.cruiseOptions.cruisingSpinnaker;
    p.reefed = b.reefed;
    p.wingAndWing = b.wingAndWing;
    p.sheetAngle = b.sheetAngle;
    p.luffing = b.luffing;
    p.pitch = -g.waveMotion.pitch / 2;
    p.speed = b.speed;
    p.throttle = b.throttle;
    p.gear = b.gear;
    p.screws = b.screws;
    p.rig = g.boatDesign.rig;
    p.atAnchor = b.anchored == 1 || b.onBuoy > 0;
    p.underWay = !p.atAnchor && b.docked == 0 && b.alongside == 0;
    return p;
}

BoatPose FleetBoatPose(const Game& g, int32_t j) {
    BoatPose p;
    const int32_t slot = std::clamp(j, 0, kFleetSlots - 1);
    p.heading = g.vessels.vesselHeading[slot];
    p.hullColour = FleetHullColour(g, j);
    p.underWay = false;
    p.atAnchor = true;
    p.size = FleetBoatScale(g.vessels.vesselSize[slot]);
    // A gentle roll in a seaway, each boat in its own time.
    p.heel = Trunc(g.weather.waveState * std::sin(g.simClock.dayMinutes * 0.9 + 1.7 * j));
    return p;
}

void drawBoatPose(gfx::DC& dc, Game& g, const BoatPose& pose, int32_t b, bool titleMode, int32_t x, int32_t y,
                  int32_t type, int32_t look) {
    const ScreenState& sc = g.screenState;
    if (!titleMode && (y > sc.height || x < 0 || x > sc.width || y < g.viewState.horizonY + 2)) return;

    const bool trawler = look == kBoatTrawler || look == kBoatTwinTrawler;
    // The title picture shows the boat from abeam, heeling toward us.
    const int32_t viewHeading = titleMode ? kTitleViewHeading : g.viewState.viewHeading;
    const int32_t rel = (type == kBoatAtRest || b == 0) ? signedAngle(g.weather.windDirection - g.viewState.eyeHeading)
                                                        : signedAngle(pose.heading - viewHeading);
    if (b == 1 && !titleMode) g.viewState.headingOffView = rel;

    const double k = titleMode ? (trawler ? 0.9 : 0.55) : depthScale(g, y) * 0.18;
    const double factor = look == kBoatMonohull ? 0.08 : 0.06;
    const double u = (sc.height * k * factor + (titleMode ? 0.0 : 2.0)) * pose.size;
    const double beam = (1.0 + 0.8 * sc.height * k) * pose.size;

    BoatScene s{g, pose, BoatFrame(x, y, rel, pose.heel, pose.tack, pose.pitch), {}};
    s.look = look;
    s.u = u;
    s.beam = beam;
    s.title = titleMode;
    const double freeboard = trawler ? 0.8 : look == kBoatCatamaran ? 2.2 : 0.45;
    s.hull = look == kBoatCatamaran ? BuildHull(g.trigTables, u, beam * 0.15, false, freeboard)
                                    : BuildHull(g.trigTables, u, beam, trawler, freeboard);
    ChooseColours(s, b);

    if (b == 1 && !titleMode) {
        // The projection follows the boat as it pitches and rolls.
        const Point anchor = s.frame.Place(0, s.hull.station[2], 0.0);
        g.projection.centerX = anchor.x;
        g.projection.baseY = anchor.y;
        g.screenState.ownBoatScreenX = x;
        g.screenState.ownBoatScreenY = y;
    }

    DrawWakeAndBowWave(dc, s, b == 1);
    if (!titleMode && (type == kBoatAtRest || b == 1)) DrawRodes(dc, g, s, b);
    if (look == kBoatCatamaran) {
        DrawCatamaran(dc, s, rel);
    } else {
        DrawHull(dc, s, s.hull, 0.0, rel);
        if (trawler) DrawTrawlerSuperstructure(dc, s);
        else DrawMonohullDeckFittings(dc, s);
    }
    if (!trawler) DrawRigAndSails(dc, s);
    DrawLights(dc, s, rel);
}

void drawSailboat(gfx::DC& dc, Game& g, int32_t b, int32_t titleMode, int32_t x, int32_t y, int32_t type) {
    if (b == 1) {
        const int32_t look = type == kBoatAtRest ? g.cruiseOptions.boatType : type;
        drawBoatPose(dc, g, OwnBoatPose(g), b, titleMode == 1, x, y, type, look);
        return;
    }
    const BoatPose pose = FleetBoatPose(g, b);
    drawBoatPose(dc, g, pose, b, titleMode == 1, x, y, type, type == kBoatAtRest ? FleetBoatType(b) : type);
}

}  // namespace vel
