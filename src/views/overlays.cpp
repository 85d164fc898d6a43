#include "views/overlays.h"

#include <algorithm>
#include <cstdlib>

#include "common/helpers.h"
#include "views/palette_names.h"
#include "views/projection.h"

namespace vel {
namespace {

constexpr gfx::Color kYellow = gfx::Rgb(255, 255, 0);
constexpr gfx::Color kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::Color kGrey = gfx::Rgb(127, 127, 127);

bool MadeFast(const OwnBoat& b) { return b.anchored == 1 || b.alongside == 1 || b.onBuoy > 0 || b.docked == 1; }
bool GpsWorks(const Game& g) { return g.cruiseOptions.troubleNoGps == 0 && g.failures.failed[0] == 0; }
bool DepthAlarmWorks(const Game& g) {
    return g.cruiseOptions.troubleNoDepthAlarm == 0 && g.failures.failed[2] == 0 && g.cruiseOptions.depthAlarm == 1;
}

// The target waypoint's slot, or -1 when none is chosen.
int32_t TargetWaypoint(const Game& g) {
    const ChartView& c = g.chartView;
    const int32_t w = c.waypointAdvanceCount;
    if (w < 0 || w >= static_cast<int32_t>(c.waypointX.size()) || c.waypointX[w] == -11000) return -1;
    return w;
}

bool FishingFleet(const Game& g) { return g.areaGrid.region == 6 && g.ownBoat.x > 0.0; }

// ---- alert rules ------------------------------------------------------------

bool TimeJump(const Game& g) { return g.simClock.jumpBanner > 0 && g.simClock.hour > g.cruiseOptions.departureHour; }
bool NearWaypoint(const Game& g) {
    const int32_t a = g.navState.waypointApproach;
    const OwnBoat& b = g.ownBoat;
    return TargetWaypoint(g) >= 0 && a >= 1 && a <= 3 && b.anchored == 0 && b.alongside == 0 && b.onBuoy == 0 &&
           GpsWorks(g);
}
bool ShoalWater(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const int32_t draft = g.boatDesign.draft;
    return b.depth >= draft && b.depth < draft + 3 && DepthAlarmWorks(g) && !MadeFast(b);
}
bool Aground(const Game& g) { return g.ownBoat.depth < g.boatDesign.draft; }
bool VesselContact(const Game& g) { return g.hazards.closestVessel < 7; }
bool PierContact(const Game& g) { return g.hazards.contact == 1; }
bool PileContact(const Game& g) { return g.hazards.contact == 2; }
bool InIrons(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    return b.speed < 0 && b.sailsUp == 1 && b.trueWindAngle < 50 && b.depth > 5;
}

bool FailureShown(const Game& g, int device) {
    const Failures& f = g.failures;
    return f.lastKind == device + 1 && g.simClock.dayMinutes < f.shownAt[device] + 15.0;
}

const char* ContactText(const Game& g) { return FishingFleet(g) ? "漁船に衝突      " : "ｱﾝｶｰﾘﾝｸﾞ艇に衝突     "; }

template <const char* Text>
const char* Fixed(const Game&) { return Text; }
constexpr char kJumpText[] = " 3時間ｼﾞｬﾝﾌﾟ    ";
constexpr char kWaypointText[] = " ｳｪｲﾎﾟｲﾝﾄに接近";
constexpr char kShoalText[] = "       浅瀬                ";
constexpr char kAgroundText[] = "       座礁！           ";
constexpr char kPierText[] = " 桟橋に衝突。艇が損傷した。Nｷｰを押せ      ";
constexpr char kPileText[] = " 杭に衝突。艇が損傷した。Nｷｰを押せ。        ";
constexpr char kIronsText[] = " 風位に立った。ﾊﾞｯｸしている    ";

struct Alert {
    int32_t row;
    bool (*when)(const Game&);
    const char* (*text)(const Game&);
};
constexpr Alert kAlerts[] = {
    {21, TimeJump, Fixed<kJumpText>},       {21, NearWaypoint, Fixed<kWaypointText>},
    {21, ShoalWater, Fixed<kShoalText>},    {21, Aground, Fixed<kAgroundText>},
    {21, VesselContact, ContactText},       {21, PierContact, Fixed<kPierText>},
    {21, PileContact, Fixed<kPileText>},    {21, InIrons, Fixed<kIronsText>},
};
constexpr const char* kFailureTexts[4] = {" GPS故障停止", " ﾚｰﾀﾞｰ故障停止", " 水深警報故障停止   ", "ｴﾝｼﾞﾝ故障停止"};

void AnchorAlerts(const Game& g, std::vector<AlertLine>& out) {
    const auto& anchor = g.anchors.anchor;
    const AnchorState& a = g.anchorState;
    const int32_t a1 = anchor[1][1], a2 = anchor[1][2];
    const bool settling = (a1 == 1 || a1 == 2 || a2 == 1 || a2 == 2) && a1 != 3 && a2 != 3;
    if (g.ownBoat.anchorStatusShown == 0 && !settling) return;
    if (a1 > 1 && a.payingOut == 0)
        out.push_back({1, 21, " ｱﾝｶｰ1投錨完了   ﾗｲﾝ  " + std::to_string(a.lineLength1) + " ft "});
    if (a2 > 1) out.push_back({1, 35, " ｱﾝｶｰ2投錨完了   ﾗｲﾝ  " + std::to_string(a.lineLength2) + " ft "});
    if (a1 == 0 && a2 == 0) out.push_back({0, 21, " 全ｱﾝｶｰ収納     "});
    if (a1 == -1) out.push_back({0, 21, " ｱﾝｶｰ1が利いてない "});
    if (a2 == -1) out.push_back({0, 35, " ｱﾝｶｰ2が利いてない "});
    if (a.payingOut == 1) {
        const char* what = g.cruiseOptions.anchor1Chain == 1 ? " ｱﾝｶｰﾁｪｰﾝの長さ   " : " ｱﾝｶｰﾗｲﾝの長さ   ";
        out.push_back({0, 21, what + std::to_string(std::min(10 * a.distance, a.lineLength1)) + " ft "});
    }
}

// ---- dials --------------------------------------------------------------------

struct DialStyle {
    int32_t x;
    int32_t brush;
};

// A small perspective dial: an ellipse and an arrow whose tip points along
// angle a (0 = up the screen, toward the bow).
void DrawDial(gfx::DC& dc, const Game& g, DialStyle d, int32_t a, int32_t bottom) {
    const auto& sin100 = g.trigTables.sin100;
    const auto& cos100 = g.trigTables.cos100;
    const int32_t cy = bottom - 10;
    dc.SelectStockPen(gfx::Stock::Black);
    if (Monochrome(g)) dc.SelectStockBrush(gfx::Stock::Black);
    else dc.SelectBrush(d.brush);
    dc.Ellipse(d.x - 26, bottom - 18, d.x + 26, bottom - 2);
    const int32_t an = wrapDegrees(a);
    const int32_t tipX = d.x - sin100[an] * 26 / 100;
    const int32_t tipY = cy - cos100[an] * 26 / 300;
    dc.SelectPen(pal::kPenWhite2);
    dc.MoveTo(d.x, cy);
    dc.LineTo(tipX, tipY);
    for (int32_t barb : {an + 40, an - 40}) {
        const int32_t b = wrapDegrees(barb);
        dc.MoveTo(tipX, tipY);
        dc.LineTo(tipX + sin100[b] * 13 / 100, tipY + cos100[b] * 13 / 300);
    }
}

int32_t HeadingOffView(const Game& g) { return signedAngle(g.ownBoat.heading - g.viewState.viewHeading); }

bool DialsMovedRight(const Game& g) { return g.screenState.radarOn == 1 || g.screenState.miniChartMode == 2; }

void DrawHeadingDial(gfx::DC& dc, const Game& g, int32_t right, int32_t bottom) {
    const int32_t h = NormaliseAngle(g.ownBoat.heading + g.navState.variation);
    dc.SetTextColor(Monochrome(g) ? gfx::kWhite : kYellow);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.TextOut(h >= 100 ? right - 48 : right - 43, bottom - 36, std::to_string(h));
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::Black);
    dc.Ellipse(right - 59, bottom - 18, right - 7, bottom - 2);
    const int32_t s = g.trigTables.sin100[wrapDegrees(h)];
    const int32_t c = g.trigTables.cos100[wrapDegrees(h)];
    const int32_t cx = right - 33, cy = bottom - 10;
    const gfx::Point ends[] = {{cx - 26 * s / 100, cy - 26 * c / 300},
                               {cx + 13 * c / 100, cy - 13 * s / 300},
                               {cx + 13 * s / 100, cy + 13 * c / 300},
                               {cx - 13 * c / 100, cy + 13 * s / 300}};
    dc.SelectPen(pal::kPenWhite2);
    for (const gfx::Point& e : ends) {
        dc.MoveTo(cx, cy);
        dc.LineTo(e.x, e.y);
    }
}

void DrawSmallDials(gfx::DC& dc, const Game& g, int32_t bottom) {
    const ScreenState& s = g.screenState;
    const OwnBoat& b = g.ownBoat;
    const int32_t off = HeadingOffView(g);
    const int32_t labelRow = bottom - (s.width > 900 ? 37 : 36);
    const bool moved = DialsMovedRight(g);
    if (!Monochrome(g)) dc.SetTextColor(kYellow);

    const DialStyle wind{moved ? s.width - 182 : 108, pal::kLand};
    DrawDial(dc, g, wind, -(b.trueWindAngle * b.tack + off), bottom);
    dc.TextOut(wind.x - 24, labelRow, "風   " + std::to_string(g.weather.windSpeed));

    const int32_t w = TargetWaypoint(g);
    if (w >= 0) {
        const ChartView& c = g.chartView;
        // The bearing from the waypoint back to the boat, magnetic.
        const int32_t back = NormaliseAngle(
            BearingOf(b.x - c.waypointX[w], c.waypointY[w] - b.y) + g.navState.variation);
        const DialStyle way{moved ? s.width - 260 : 30, pal::kPurple};
        DrawDial(dc, g, way, g.navState.variation - back - off + 180 + b.heading, bottom);
        dc.TextOut(way.x - 15, labelRow, "waypt");
    }

    const TideState& t = g.tideState;
    const DialStyle current{s.width - 104, pal::kBlue};
    DrawDial(dc, g, current, b.heading - t.boatCurrentFrom - off + (t.boatCurrentSpeed < 0 ? 180 : 0), bottom);
    if (InOceanCurrentBand(g)) {
        dc.TextOut(current.x - 40, labelRow, "潮流    ");
    } else {
        const int32_t tenths = std::abs(t.boatCurrentSpeed);
        dc.TextOut(current.x - 25, labelRow,
                   "潮流 " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    }
}

void DrawSeaStateLabel(gfx::DC& dc, const Game& g, int32_t bottom) {
    const ScreenState& s = g.screenState;
    const int32_t x = Trunc(s.widthD * (DialsMovedRight(g) ? 0.329 : 0.272));
    const int32_t y = (s.smallScreen == 1 || s.width < 700) ? bottom - 18 : bottom - 16;
    dc.TextOut(x, y, SeaStateText(g.weather.waveState, Fog(g)));
}

}  // namespace

void drawSheetTrimBar(gfx::DC& dc, const Game& g) {
    const ScreenState& s = g.screenState;
    const OwnBoat& b = g.ownBoat;
    const int32_t horizon = g.viewState.horizonY;
    const int32_t left = s.width - (b.autoTrim == 1 ? 13 : 15);
    const int32_t barBottom = s.height / 2 + 12;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(pal::kLightGrey);
    dc.Rectangle(left, horizon, s.width, barBottom);
    // The letter slides down the bar as the sheet is eased.
    const int32_t travel = std::max(0, barBottom - horizon - dc.LineHeight());
    const int32_t row = horizon + (std::clamp(b.sheet, -3, 47) + 3) * travel / 50;
    if (!Monochrome(g)) {
        dc.SetTextColor(kYellow);
        dc.SetBkColor(kGrey);
    }
    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.TextOut(left, row, b.autoTrim == 1 ? "a" : "m");
    dc.SetBkColor(gfx::kWhite);
}

std::vector<AlertLine> CurrentAlerts(const Game& g) {
    std::vector<AlertLine> out;
    for (const Alert& a : kAlerts)
        if (a.when(g)) out.push_back({400, a.row, a.text(g)});
    for (int device = 0; device < 4; ++device)
        if (FailureShown(g, device)) out.push_back({400, 36, kFailureTexts[device]});
    AnchorAlerts(g, out);
    return out;
}

void drawAlertLines(gfx::DC& dc, Game& g) {
    dc.SetTextColor(gfx::kBlack);
    dc.SetBkColor(Monochrome(g) ? gfx::kWhite : kYellow);
    dc.SetBkMode(gfx::BkMode::Opaque);
    for (const AlertLine& a : CurrentAlerts(g)) dc.TextOut(a.x, a.y, a.text);
    dc.SetBkColor(gfx::kWhite);

    if (VesselContact(g)) {
        if (g.hazards.contactBeeped == 0) {
            g.soundRequests.push_back({0, PlayMode::Plain});
            g.hazards.contactBeeped = 1;
        }
        if (FishingFleet(g)) {
            g.score.endReason = 2;
            g.screenState.resultsState = 1;
        }
    }
    for (int device = 0; device < 4; ++device)
        if (!FailureShown(g, device)) g.failures.shownAt[device] = -400.0;
}

void drawFrozenNotice(gfx::DC& dc, const Game& g, int32_t top) {
    dc.SetTextColor(Monochrome(g) ? gfx::kBlack : kRed);
    dc.SetBkColor(gfx::kWhite);
    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.TextOut(2, top, "停止中。マウスクリックで再開。");
}

void drawDials(gfx::DC& dc, const Game& g, const ViewRect& view) {
    DrawHeadingDial(dc, g, view.right, view.bottom);
    DrawSmallDials(dc, g, view.bottom);
    DrawSeaStateLabel(dc, g, view.bottom);
}

const char* SeaStateText(int32_t waveState, bool fog) {
    static constexpr const char* kClear[] = {"波なし", "小波  ", "大波 ", "かなり大波", "非常な大波     "};
    static constexpr const char* kFog[] = {"波なし、霧 ", "小波、霧   ", "大波、霧  ", "かなり大波、霧 ",
                                           "非常な大波、霧      "};
    const int32_t i = std::clamp(waveState, 0, 4);
    return fog ? kFog[i] : kClear[i];
}

}  // namespace vel
