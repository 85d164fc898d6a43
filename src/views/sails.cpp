// The rig of a sailboat: mast, boom and stays, the mainsail, the headsail
// chosen, the spinnaker or the cruising spinnaker. Sails are laid out in the
// boat's own frame and placed with its heel and pitch, so they swing out with
// the sheet and lean with the boat.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "views/boat_scene.h"
#include "views/palette_names.h"
#include "views/scene.h"

namespace vel {
namespace {

using gfx::Point;

struct V3 {
    double dx, p, z;
};
V3 operator+(V3 a, V3 b) { return {a.dx + b.dx, a.p + b.p, a.z + b.z}; }
V3 operator*(V3 a, double k) { return {a.dx * k, a.p * k, a.z * k}; }
V3 Lerp(V3 a, V3 b, double t) { return a + (b + a * -1.0) * t; }

struct Rig {
    double mastP, deck, height;  // mast position, its foot and its height above the deck
    double stayTop;              // where the forestay meets the mast
    double stemP, stemZ;         // forestay foot
    double boomZ, boomLength;
    double foretriangle;         // from the stem to the mast
    int32_t leeward;
    double sheet;                // sheet angle, radians
};

Rig MakeRig(const BoatScene& s) {
    const double u = s.u;
    const bool cat = s.look == kBoatCatamaran;
    const bool fractional = s.pose.rig < 100;
    Rig r{};
    r.mastP = cat ? 0.6 * u : fractional ? 0.7 * u : 0.9 * u;
    r.deck = cat ? s.hull.sheer[2] : s.DeckAt(r.mastP);
    r.height = (cat ? 5.4 : fractional ? 6.3 : 6.0) * u;
    r.stayTop = r.height * (fractional ? std::clamp(s.pose.rig, 50, 99) / 100.0 : 0.98);
    r.stemP = cat ? 2.2 * u : s.hull.station[0];
    r.stemZ = cat ? s.hull.sheer[0] : s.hull.sheer[0];
    r.boomZ = r.deck + 0.45 * u;
    r.boomLength = (fractional ? 2.3 : 2.0) * u;
    r.foretriangle = r.stemP - r.mastP;
    r.leeward = s.frame.Leeward();
    r.sheet = std::clamp(s.pose.sheetAngle, 0, 85) * std::numbers::pi / 180.0;
    return r;
}

// A sail as it is drawn: its outline and its fill.
struct Sail {
    std::vector<V3> outline;
    int32_t fill;
};

// The frame counter makes a luffing sail shiver.
double Shiver(const BoatScene& s) {
    if (s.pose.luffing < 40) return 0.0;
    return ((s.g.simClock.cycle60 % 2) == 0 ? 1.0 : -1.0) * s.pose.luffing / 100.0;
}

Sail Mainsail(const BoatScene& s, const Rig& r) {
    const double e = r.boomLength;
    const double a = r.sheet;
    const int32_t lee = r.leeward;
    const double top = r.deck + (s.pose.reefed == 1 ? 0.7 : 0.97) * r.height;
    const double twist = 0.18 + 0.1 * Shiver(s);
    const double belly = 0.1 * (1.0 - std::min(1.0, s.pose.luffing / 80.0));
    Sail sail{{}, s.sailFill};
    sail.outline.push_back({0, r.mastP, r.boomZ});
    sail.outline.push_back({0, r.mastP, top});
    for (double t : {0.25, 0.5, 0.75}) {
        // The leech with its roach, twisting off to leeward aloft.
        const double chord = e * t + 0.1 * e * std::sin(std::numbers::pi * t);
        const double angle = a + twist * (1.0 - t);
        sail.outline.push_back({lee * chord * std::sin(angle), r.mastP - chord * std::cos(angle), top + (r.boomZ - top) * t});
    }
    sail.outline.push_back({lee * e * std::sin(a), r.mastP - e * std::cos(a), r.boomZ});
    sail.outline.push_back({lee * (0.5 * e * std::sin(a) + belly * e * std::cos(a)),
                            r.mastP - 0.5 * e * std::cos(a) + belly * e * std::sin(a), r.boomZ - 0.03 * s.u});
    return sail;
}

Sail Headsail(const BoatScene& s, const Rig& r) {
    const int32_t kind = std::clamp(s.pose.headsail, 1, 3);
    constexpr double kHoist[4] = {0, 0.95, 0.88, 0.45};
    constexpr double kFoot[4] = {0, 1.55, 0.95, 0.55};
    constexpr double kClewRise[4] = {0, 0.2, 0.5, 0.6};
    const int32_t side = s.pose.wingAndWing == 1 ? -r.leeward : r.leeward;
    const double beta = std::clamp(8.0 + 0.9 * s.pose.sheetAngle, 8.0, 85.0) * std::numbers::pi / 180.0;
    const V3 tack{0, r.stemP - 0.05 * s.u, r.stemZ + 0.15 * s.u};
    const V3 stayTop{0, r.mastP, r.deck + r.stayTop};
    const V3 head = Lerp(tack, stayTop, kHoist[kind]);
    const double foot = kFoot[kind] * r.foretriangle;
    const V3 clew{side * foot * std::sin(beta), tack.p - foot * std::cos(beta), tack.z + kClewRise[kind] * s.u};
    const V3 out{side * std::cos(beta), std::sin(beta), 0};
    const double shiver = 0.05 * foot * Shiver(s);
    Sail sail{{tack, head}, s.sailFill};
    for (double t : {1.0 / 3.0, 2.0 / 3.0})
        sail.outline.push_back(Lerp(head, clew, t) + out * (0.07 * foot * std::sin(std::numbers::pi * t) + shiver));
    sail.outline.push_back(clew);
    sail.outline.push_back(Lerp(tack, clew, 0.5) + out * (0.09 * foot) + V3{0, 0, -0.05 * s.u});
    return sail;
}

int32_t SpinnakerFill(const BoatScene& s, bool cruising) {
    if (s.night || s.mono) return pal::kLightGrey;
    return cruising ? pal::kRed : pal::kYellow;
}

// The symmetric spinnaker: tacked to the pole to windward, its belly far
// forward of the stem.
Sail Spinnaker(const BoatScene& s, const Rig& r) {
    const double j = r.foretriangle;
    const int32_t windward = -r.leeward;
    const double gamma = std::clamp(20.0 + 0.85 * s.pose.sheetAngle, 25.0, 90.0) * std::numbers::pi / 180.0;
    const double pole = 0.95 * j;
    const double poleZ = r.deck + 0.8 * s.u;
    const V3 head{0, r.mastP, r.deck + r.stayTop + 0.02 * r.height};
    const V3 tack{windward * pole * std::sin(gamma), r.mastP + pole * std::cos(gamma), poleZ};
    const V3 clew{r.leeward * pole * std::sin(gamma) * 1.1, r.mastP + pole * std::cos(gamma), poleZ + 0.3 * s.u};
    const V3 ahead{0, 1.1 * j, 0};
    Sail sail{{head}, SpinnakerFill(s, false)};
    // Its shoulders swell out to both sides as well as forward.
    sail.outline.push_back(Lerp(head, tack, 0.2) + ahead * 0.3 + V3{windward * 0.3 * j, 0, 0});
    sail.outline.push_back(Lerp(head, tack, 0.55) + ahead * 0.6 + V3{windward * 0.45 * j, 0, 0});
    sail.outline.push_back(tack);
    sail.outline.push_back(Lerp(tack, clew, 0.5) + ahead * 0.8 + V3{0, 0, -0.2 * s.u});
    sail.outline.push_back(clew);
    sail.outline.push_back(Lerp(head, clew, 0.55) + ahead * 0.6 + V3{r.leeward * 0.45 * j, 0, 0});
    sail.outline.push_back(Lerp(head, clew, 0.2) + ahead * 0.3 + V3{r.leeward * 0.3 * j, 0, 0});
    return sail;
}

// The cruising spinnaker: tacked at the stem, set like a huge genoa that
// bellies forward.
Sail CruisingSpinnaker(const BoatScene& s, const Rig& r) {
    const double j = r.foretriangle;
    const double beta = std::clamp(20.0 + 0.9 * s.pose.sheetAngle, 20.0, 95.0) * std::numbers::pi / 180.0;
    const double foot = 1.7 * j;
    const V3 tack{0, r.stemP + 0.1 * s.u, r.stemZ + 0.3 * s.u};
    const V3 head{0, r.mastP, r.deck + r.stayTop};
    const V3 clew{r.leeward * foot * std::sin(beta), tack.p - foot * std::cos(beta), tack.z + 0.6 * s.u};
    const V3 out{r.leeward * std::cos(beta), std::sin(beta), 0};
    Sail sail{{tack}, SpinnakerFill(s, true)};
    sail.outline.push_back(Lerp(tack, head, 0.45) + V3{0, 0.7 * j, 0});
    sail.outline.push_back(head);
    sail.outline.push_back(Lerp(head, clew, 0.5) + out * (0.25 * foot));
    sail.outline.push_back(clew);
    sail.outline.push_back(Lerp(tack, clew, 0.5) + out * (0.15 * foot) + V3{0, 0.2 * j, 0});
    return sail;
}

void Stroke(gfx::DC& dc, const BoatScene& s, V3 a, V3 b) {
    const Point pa = s.frame.Place(a.dx, a.p, a.z), pb = s.frame.Place(b.dx, b.p, b.z);
    dc.MoveTo(pa.x, pa.y);
    dc.LineTo(pb.x, pb.y);
}

void SelectSparPen(gfx::DC& dc, const BoatScene& s) {
    if (s.u >= 30) dc.SelectPen(pal::kPenBlack3);
    else if (s.u >= 12) dc.SelectPen(pal::kPenBlack2);
    else dc.SelectStockPen(gfx::Stock::Black);
}

void DrawSpars(gfx::DC& dc, const BoatScene& s, const Rig& r) {
    const V3 foot{0, r.mastP, r.deck}, top{0, r.mastP, r.deck + r.height};
    // Stays first: thin lines that the sails then cover where they should.
    dc.SelectPen(s.night ? pal::kPenGrey1 : pal::kPenDark1);
    Stroke(dc, s, {0, r.stemP, r.stemZ}, {0, r.mastP, r.deck + r.stayTop});
    if (s.look != kBoatCatamaran) Stroke(dc, s, top, {0, s.hull.station[5], s.hull.sheer[5]});
    const double chain = s.look == kBoatCatamaran ? s.beam * 0.085 : s.hull.half[2];
    for (int side : {1, -1}) Stroke(dc, s, {0, r.mastP, r.deck + 0.9 * r.height}, {side * chain, r.mastP - 0.2 * s.u, r.deck});
    SelectSparPen(dc, s);
    Stroke(dc, s, foot, top);
}

void DrawBoom(gfx::DC& dc, const BoatScene& s, const Rig& r, bool sailsUp) {
    const double a = sailsUp ? r.sheet : 0.0;
    const V3 gooseneck{0, r.mastP, r.boomZ};
    const V3 end{r.leeward * r.boomLength * std::sin(a), r.mastP - r.boomLength * std::cos(a), r.boomZ};
    if (!sailsUp && s.Detailed()) {
        // The mainsail furled under its cover.
        dc.SelectPen((s.night || s.mono) ? pal::kPenGrey3 : pal::kPenBlue3);
        Stroke(dc, s, gooseneck + V3{0, 0, 0.08 * s.u}, end + V3{0, 0.15 * s.u, 0.08 * s.u});
    }
    SelectSparPen(dc, s);
    Stroke(dc, s, gooseneck, end);
}

void DrawSail(gfx::DC& dc, const BoatScene& s, const Sail& sail) {
    Point pts[12];
    const int n = static_cast<int>(std::min<std::size_t>(sail.outline.size(), 11));
    for (int i = 0; i < n; ++i) pts[i] = s.frame.Place(sail.outline[i].dx, sail.outline[i].p, sail.outline[i].z);
    if (s.u >= 6) dc.SelectPen(pal::kPenBlack2);
    else dc.SelectStockPen(gfx::Stock::Black);
    if (s.g.viewState.transparentSails == 1) {
        pts[n] = pts[0];
        dc.SelectPen(pal::kPenBlack2);
        dc.Polyline(pts, n + 1);
        return;
    }
    s.Fill(dc, sail.fill);
    dc.Polygon(pts, n);
}

}  // namespace

MastHead SailboatMastHead(const BoatScene& s) {
    const Rig r = MakeRig(s);
    return {r.mastP, r.deck + r.height};
}

void DrawRigAndSails(gfx::DC& dc, const BoatScene& s) {
    const Rig r = MakeRig(s);
    const bool up = s.pose.sailsUp == 1;
    DrawSpars(dc, s, r);
    if (!up) {
        DrawBoom(dc, s, r, false);
        return;
    }
    Sail fore{};
    if (s.pose.spinnaker == 1) fore = s.pose.cruisingSpinnaker == 1 ? CruisingSpinnaker(s, r) : Spinnaker(s, r);
    else fore = Headsail(s, r);
    const Sail main = Mainsail(s, r);
    // Seen from astern the mainsail is the nearer sail, from ahead the fore.
    const bool fromAstern = s.frame.Depth(0, -1) < 0;
    const Sail* order[2] = {fromAstern ? &fore : &main, fromAstern ? &main : &fore};
    for (const Sail* sail : order) {
        DrawSail(dc, s, *sail);
        if (sail == &main) DrawBoom(dc, s, r, true);
    }
    if (s.pose.spinnaker == 1 && s.pose.cruisingSpinnaker != 1) {
        const double gamma = std::clamp(20.0 + 0.85 * s.pose.sheetAngle, 25.0, 90.0) * std::numbers::pi / 180.0;
        const double pole = 0.95 * r.foretriangle;
        SelectSparPen(dc, s);
        Stroke(dc, s, {0, r.mastP, r.deck + 0.8 * s.u},
               {-r.leeward * pole * std::sin(gamma), r.mastP + pole * std::cos(gamma), r.deck + 0.8 * s.u});
    }
}

}  // namespace vel
