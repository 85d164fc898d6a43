#include "views/radar.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "shell/radar_controls.h"
#include "views/chart_status.h"
#include "views/inset_button.h"
#include "views/real_radar.h"

namespace vel {
namespace {

constexpr int kScreenBrush = 39;       // (63,63,63)
constexpr int kEchoPenShort = 36;      // (0,255,0) 4
constexpr int kEchoPenLong = 35;       // (0,255,0) 3
constexpr int kMonoEchoPen = 52;       // (255,255,255) 2
constexpr int kDotPen = 53;            // (0,255,0) 1
constexpr int kDotBrush = 27;          // (0,255,0)
constexpr int32_t kCoastRange = 5000;  // land further off gives no echo
constexpr int32_t kNearEcho = 3501;
constexpr int32_t kFarEcho = 7000;
constexpr int32_t kAnchorageTenths = 30;
constexpr int32_t kFirstShipSlot = 35, kLastShipSlot = 39;
constexpr int32_t kFirstAnchoredSlot = 40, kLastAnchoredSlot = 49, kOwnBoatSlot = 41;
constexpr int32_t kLastFixedObjectSlot = 34;
constexpr int32_t kButtonHeight = 17;
constexpr int32_t kReadoutRow = 40;  // below the inset's top
constexpr gfx::Color kGreen = gfx::Rgb(0, 255, 0);

using Echo = RadarEcho;

// The polar picture about the boat, turned with the view's heading.
struct Scope {
    const Game& g;
    int32_t cx, cy, range;
    int32_t left, top, right, bottom;

    RadarGeometry geometry() const { return {cx, cy, range, left, top, right}; }
    Echo at(double x, double y) const { return RadarEchoAt(g, geometry(), x, y); }
    bool shows(gfx::Point p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= g.screenState.height;
    }
};

void Dot(gfx::DC& dc, const Scope& sc, gfx::Point p, int32_t r) {
    if (r <= 0 || !sc.shows(p)) return;
    dc.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
}

// Points joined while each lies within the radar's reach of land.
template <class PointAt>
void Outline(gfx::DC& dc, const Scope& sc, int32_t first, int32_t last, PointAt pointAt) {
    RadarTrace trace(dc, sc.g, sc.geometry());
    for (int32_t i = first; i <= last; ++i) {
        const auto [x, y] = pointAt(i);
        trace.to(x, y);
    }
}

void CoastEchoes(gfx::DC& dc, const Scope& sc) {
    const AreaGrid& a = sc.g.areaGrid;
    if (!IsVirtualArea(a) || a.areaCode == 2) return;
    auto coast = [&](int32_t i) { return std::pair<double, double>{a.coastX[i], a.coastY[i]}; };
    if (a.areaCode == 3 || a.areaCode == 4) {
        Outline(dc, sc, 1, 142, coast);
        Outline(dc, sc, 143, 284, coast);
    } else {
        Outline(dc, sc, 1, 284, coast);
    }
}

// In the Florida-Bahamas passages the islands beyond the bank's east limit
// answer only once the boat is beyond it too.
bool EchoHiddenBeyondBank(const Game& g, int32_t i) {
    const int32_t east = g.passageState.bankEastX;
    return g.areaGrid.isPassage == 1 && g.areaGrid.region == 5 && g.areaGrid.islandX[i] > east && g.ownBoat.cellX <= east;
}

void IslandEchoes(gfx::DC& dc, const Scope& sc) {
    const AreaGrid& a = sc.g.areaGrid;
    const int32_t n = std::clamp(a.islandCount, 0, kIslandSlots - 1);
    for (int32_t i = 1; i <= n; ++i) {
        if (EchoHiddenBeyondBank(sc.g, i)) continue;
        if (a.isLandmass[i] == 1)
            Outline(dc, sc, 0, 180, [&](int32_t k) { return std::pair<double, double>{a.landX[i][k], a.landY[i][k]}; });
        else
            Outline(dc, sc, 0, 36, [&](int32_t k) {
                return std::pair<double, double>{a.islandOutline[i][k][0], a.islandOutline[i][k][1]};
            });
    }
}

void PassageRockEchoes(gfx::DC& dc, const Scope& sc, int32_t r) {
    const Game& g = sc.g;
    if (g.areaGrid.region != 5 && g.areaGrid.region != 6) return;
    const RockList& rocks = g.rockList;
    const int32_t n = std::clamp(rocks.count, 0, static_cast<int32_t>(rocks.x.size()) - 1);
    for (int32_t i = 1; i <= n; ++i) {
        const Echo e = sc.at(rocks.x[i], rocks.y[i]);
        Dot(dc, sc, e.p, FarEchoRadius(r, e.distance));
    }
}

// Towers and lighthouses return the strongest echo, beacons and the passage
// marks a stronger one than buoys.
int32_t EchoSize(int32_t kind, int32_t r) {
    if (kind == 8) return 2 * r;
    if (kind == 9 || (kind >= 23 && kind <= 25)) return 3 * r / 2;
    return r;
}

bool IsAidEcho(int32_t kind) { return (kind >= 2 && kind <= 10) || (kind >= 23 && kind <= 25); }

void ObjectEchoes(gfx::DC& dc, const Scope& sc, int32_t r) {
    const Game& g = sc.g;
    const ObjectList& o = g.objectList;
    for (int32_t i = 1; i <= kLastFixedObjectSlot; ++i) {
        if (!IsAidEcho(o.kind[i])) continue;
        const Echo e = sc.at(o.fbx[i], o.fby[i]);
        Dot(dc, sc, e.p, FarEchoRadius(EchoSize(o.kind[i], r), e.distance));
    }
    const Lighthouse& l = g.lighthouse;
    for (int32_t i = 1; i < static_cast<int32_t>(l.x.size()); ++i) {
        if (l.x[i] == 30000 || l.y[i] == 30000) continue;
        const Echo e = sc.at(l.x[i], l.y[i]);
        Dot(dc, sc, e.p, FarEchoRadius(2 * r, e.distance));
    }
}

void VesselEchoes(gfx::DC& dc, const Scope& sc, int32_t r) {
    const Game& g = sc.g;
    const ObjectList& o = g.objectList;
    for (int32_t i = kFirstShipSlot; i <= kLastShipSlot; ++i) Dot(dc, sc, sc.at(o.fbx[i], o.fby[i]).p, r);

    const AreaGrid& a = g.areaGrid;
    if (a.isPassage == 1) return;
    const OwnBoat& b = g.ownBoat;
    if (DistanceTenths(b.cellX, b.cellY, a.harbourX, a.harbourY, std::max(a.unitsPerMile, 1)) >= kAnchorageTenths)
        return;
    for (int32_t i = kFirstAnchoredSlot; i <= kLastAnchoredSlot; ++i) {
        if (i == kOwnBoatSlot || (i == kFirstAnchoredSlot && a.isRealArea == 1)) continue;
        if (o.kind[i] == kEmptyObjectKind) continue;
        Dot(dc, sc, sc.at(o.fbx[i], o.fby[i]).p, r);
    }
}

void SelectEchoPen(gfx::DC& dc, bool mono, int32_t range) {
    if (mono)
        dc.SelectPen(kMonoEchoPen);
    else
        dc.SelectPen(range < 7 ? kEchoPenShort : kEchoPenLong);
}

void SelectDotInk(gfx::DC& dc, bool mono) {
    if (mono) {
        dc.SelectStockPen(gfx::Stock::White);
        dc.SelectStockBrush(gfx::Stock::White);
    } else {
        dc.SelectPen(kDotPen);
        dc.SelectBrush(kDotBrush);
    }
}

void Markers(gfx::DC& dc, Game& g, const Scope& sc, bool mono) {
    RadarState& r = g.radarState;
    const TrigTables& t = g.trigTables;
    if (mono)
        dc.SelectStockPen(gfx::Stock::White);
    else
        dc.SelectPen(kDotPen);
    dc.SelectStockBrush(gfx::Stock::Null);
    const int32_t ring = 32 * r.vrm / sc.range;
    dc.Ellipse(sc.cx - ring, sc.cy - ring, sc.cx + ring, sc.cy + ring);
    r.vrmDistance = RadarVrmDistance(r.vrm, g.areaGrid.unitsPerMile);
    r.ebl = NormaliseAngle(r.ebl);
    const int32_t e = std::clamp(r.ebl, 0, 359);
    dc.MoveTo(sc.cx, sc.cy);
    dc.LineTo(sc.cx + t.sin100[e] * 300, sc.cy - t.cos100[e] * 300);
    dc.MoveTo(sc.cx, sc.cy);
    dc.LineTo(sc.cx, sc.cy - 300);
    r.eblBearing = NormaliseAngle(r.ebl + g.ownBoat.heading);
}

struct RadarButton {
    const char* label;
    const char* smallLabel;
    const char* help;
    void (*act)(Game&);
};

constexpr RadarButton kFirstRow[] = {
    {"ebl +", "ebl +", "  ｸﾘｯｸ毎にEBLが+5度回転する。                   ", RadarEblRight},
    {"ebl -", "ebl -", "  ｸﾘｯｸ毎にEBLが-5度回転する。                   ", RadarEblLeft},
    {"vrm +", "vrm +", "  ｸﾘｯｸ毎にVRMが0.5海里大きくなる。                        ", RadarVrmUp},
    {"vrm -", "vrm -", "  ｸﾘｯｸ毎にVRMが0.5海里小さくなる。                        ", RadarVrmDown},
};
constexpr RadarButton kRangeButtons[] = {
    {"ﾚﾝｼﾞ  +", "ﾚﾝｼﾞ+", "  ｸﾘｯｸ毎にﾚﾝｼﾞを倍にする。より広い範囲になる。 ", RadarRangeUp},
    {"ﾚﾝｼﾞ  -", "ﾚﾝｼﾞ-", "  ｸﾘｯｸ毎にﾚﾝｼﾞを半分にする。より詳細になる。  ", RadarRangeDown},
};
constexpr RadarButton kSaveButtons[] = {
    {"vrm保存 ", "vr保存", "  海図にﾌﾟﾛｯﾄするためにVRM半径を保存。               ", RadarSaveVrm},
    {"ebl保存 ", "eb保存", "  海図にﾌﾟﾛｯﾄするためにEBL角度を保存。     ", RadarSaveEbl},
};

void ButtonRow(gfx::DC& dc, Game& g, int32_t left, int32_t right, int32_t top, int32_t column,
               std::span<const RadarButton> buttons) {
    const int32_t w = (right - left - 10) / 4;
    const bool small = g.screenState.smallScreen == 1;
    for (const RadarButton& b : buttons) {
        const int32_t x = left + 2 + column * (w + 2);
        if (InsetButton(dc, g, {x, top, x + w, top + kButtonHeight}, small ? b.smallLabel : b.label, b.help)) b.act(g);
        ++column;
    }
}

void Buttons(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right) {
    ButtonRow(dc, g, left, right, top + 2, 0, kFirstRow);
    ButtonRow(dc, g, left, right, top + 21, 0, kRangeButtons);
    if (RadarSaveButtonsShown(g.radarState)) ButtonRow(dc, g, left, right, top + 21, 2, kSaveButtons);
}

}  // namespace

RadarEcho RadarEchoAt(const Game& g, const RadarGeometry& r, double x, double y) {
    const OwnBoat& b = g.ownBoat;
    const double dx = x - b.cellX, dy = y - b.cellY;
    const double d2 = dx * dx + dy * dy;
    const int32_t d = d2 >= 2.5e9 ? 50000 : Trunc(std::sqrt(d2));
    int32_t rel = BearingOf(dx, -dy) - g.viewState.eyeHeading;
    while (rel > 180) rel -= 360;
    while (rel < -180) rel += 360;
    const int32_t a = std::clamp(NormaliseAngle(rel), 0, 359);
    const TrigTables& t = g.trigTables;
    return {d, {r.cx + t.sin100[a] * d / (r.range * 90), r.cy - t.cos100[a] * d / (r.range * 90)}};
}

void RadarTrace::to(double x, double y) {
    const RadarEcho e = RadarEchoAt(g_, r_, x, y);
    if (e.distance >= kCoastRange) {
        joined_ = false;
        return;
    }
    if (joined_)
        dc_.LineTo(e.p.x, e.p.y);
    else
        dc_.MoveTo(e.p.x, e.p.y);
    joined_ = true;
}

int32_t RadarDotRadius(int32_t range) {
    if (range <= 3) return 5;
    if (range <= 6) return 4;
    if (range <= 12) return 3;
    if (range <= 24) return 2;
    return 1;
}

int32_t FarEchoRadius(int32_t r, int32_t distance) {
    if (distance < kNearEcho) return r;
    if (distance < kFarEcho) return std::max(r / 2, 1);
    return 0;
}

bool RadarSaveButtonsShown(const RadarState& r) { return r.vrm > 0 || r.ebl > 0; }

std::string RadarReadout(const Game& g) {
    const ScreenState& s = g.screenState;
    const std::string ebl = std::to_string(NormaliseAngle(g.radarState.ebl));
    const std::string miles = OneDecimal(g.radarState.vrm);
    const bool large = s.largeFonts == 1;
    if (s.width > 900) {
        if (large) return ebl + " 度(右舷ﾊﾞｳから)               " + miles + " 海里 ";
        return "EBL: " + ebl + " 度(右舷ﾊﾞｳから)             VRM: " + miles + " 海里 ";
    }
    if (s.width >= 700) {
        if (large) return ebl + " 度(右舷ﾊﾞｳから)         " + miles + " mi";
        return ebl + " 度(右舷ﾊﾞｳから)           " + miles + " 海里 ";
    }
    return ebl + " 度(右舷ﾊﾞｳから)     " + miles + " mi";
}

void drawRadar(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    dc.ClipRect(left, top, right, bottom);
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(kScreenBrush);
    dc.Rectangle(left, top, right, bottom);
    if (g.failures.failed[1] != 0 || g.cruiseOptions.troubleNoRadar != 0) {
        dc.ReleaseClip();
        return;
    }
    const bool mono = g.viewState.monochrome == 1;
    const int32_t range = std::clamp(g.radarState.range, kRadarRangeMin, kRadarRangeMax);
    // The inset's lettering is a size smaller, so the readout fits its width.
    const int32_t font = dc.FontPixelSize();
    dc.SetFontPixelSize(std::max(9, font * 6 / 7));
    // Echoes keep to the face below the buttons and the readout.
    const int32_t faceTop = top + kReadoutRow + dc.LineHeight() + 2;
    const Scope sc{g, (left + right) / 2, (3 * top + 4 * bottom) / 7, range, left, faceTop, right, bottom};
    const int32_t r = RadarDotRadius(range);

    dc.ClipRect(left, faceTop, right, bottom);
    SelectEchoPen(dc, mono, range);
    if (g.shoreMap.table) {
        DrawTrueCoastEchoes(dc, g, sc.geometry(), std::min(bottom, g.screenState.height));
    } else {
        CoastEchoes(dc, sc);
        IslandEchoes(dc, sc);
        DrawRealCoastEchoes(dc, g, sc.geometry());
    }
    SelectDotInk(dc, mono);
    PassageRockEchoes(dc, sc, r);
    ObjectEchoes(dc, sc, r);
    DrawRealMarkEchoes(dc, g, sc.geometry(), r);
    VesselEchoes(dc, sc, r);
    dc.ClipRect(left, top, right, bottom);

    Markers(dc, g, sc, mono);
    Buttons(dc, g, left, top, right);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(mono ? gfx::kWhite : kGreen);
    dc.TextOut(left + 4, top + kReadoutRow, RadarReadout(g));
    dc.SetFontPixelSize(font);
    dc.ReleaseClip();
}

}  // namespace vel
