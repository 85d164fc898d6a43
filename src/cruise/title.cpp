#include "cruise/title.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/helpers.h"
#include "shell/options.h"
#include "views/boat_drawer.h"

namespace vel {
namespace {

const char* DisplacementClass(int32_t d) {
    if (d >= 11) return "重排水量          ";
    if (d == 10) return "中間排水量           ";
    if (d == 9) return "軽排水量          ";
    return "超軽排水量              ";
}

const char* SailAreaClass(int32_t a) {
    if (a <= 9) return "平均的ｾｰﾙより小さい   ";
    if (a == 10) return "平均的ｾｰﾙ面積    ";
    return "平均的ｾｰﾙより大きい   ";
}

// The chosen boat under way, as the picture of the title screen: close
// hauled on port tack, sheets in; a trawler at full ahead.
void DrawTitleBoat(gfx::DC& dc, Game& g, int32_t frameBottom) {
    const CruiseOptions& o = g.cruiseOptions;
    const ScreenState& s = g.screenState;
    const int32_t type = std::clamp(o.boatType, 1, 4);
    BoatPose pose = OwnBoatPose(g);
    pose.heading = 330;
    pose.luffing = 0;
    pose.sheetAngle = 0;
    pose.pitch = 0;
    pose.spinnaker = 0;
    pose.wingAndWing = 0;
    pose.reefed = 0;
    pose.headsail = 1;
    pose.underWay = true;
    pose.atAnchor = false;
    pose.speed = 50;
    const bool sailboat = type <= 2;
    pose.sailsUp = sailboat ? 1 : 0;
    pose.throttle = sailboat ? 0 : 10;
    pose.gear = sailboat ? 0 : 3;
    if (type == 1) pose.heel = random(g.rng, 2) + 6 * o.troubleStrongWind + 11;
    else if (type == 2) pose.heel = random(g.rng, 2) + o.troubleStrongWind + 3;
    else pose.heel = random(g.rng, 2) - 1;
    const int32_t y = frameBottom - Trunc(s.heightD * (sailboat ? 0.07 : 0.2));
    drawBoatPose(dc, g, pose, 1, true, Trunc(s.widthD * 0.75), y, type, type);
}

const char* RigClass(int32_t rig) { return rig < 100 ? "ﾌﾗｸｼｮﾅﾙﾘｸﾞ    " : "ﾏｽﾄﾍｯﾄﾞﾘｸﾞ  "; }

void DrawDescription(gfx::DC& dc, const Game& g, int32_t x, int32_t y) {
    const BoatDesign& d = g.boatDesign;
    const int32_t line = dc.LineHeight() + 2;
    std::vector<std::string> lines;
    lines.push_back("長さ  = " + std::to_string(d.length));
    if (g.cruiseOptions.boatType < 3) {
        lines.emplace_back(DisplacementClass(d.displacement));
        lines.emplace_back(SailAreaClass(d.sailArea));
        lines.emplace_back(RigClass(d.rig));
    } else {
        lines.emplace_back(g.ownBoat.screws == 2 ? "ﾂｲﾝ ｽｸﾘｭｰ " : "ｼﾝｸﾞﾙ ｽｸﾘｭｰ ");
    }
    lines.push_back("ﾄﾞﾗﾌﾄ= " + std::to_string(d.draft));
    for (const std::string& text : lines) {
        dc.TextOut(x, y, text);
        y += line;
    }
}

}  // namespace

void ApplyBoatDesign(Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    BoatDesign& d = g.boatDesign;
    d.length = o.designLength > 0 ? o.designLength : 40;
    d.displacement = o.designDisplacement != 0 ? o.designDisplacement : 10;
    d.sailArea = o.designSailArea != 0 ? o.designSailArea : 10;
    d.rig = o.designRig != 0 ? o.designRig : 100;
    if (o.boatType == 3) d.displacement = 7;
    if (o.boatType == 4) d.displacement = 6;
    g.ownBoat.screws = (o.boatType == 4 || (o.boatType == 2 && d.length >= 40)) ? 2 : 1;
    switch (o.boatType) {
        case 1: d.draft = d.length < 30 ? 5 : 6; break;
        case 2: d.draft = 4; break;
        default: d.draft = 5; break;
    }
    if (o.boatType >= 3) g.cruiseOptions.helm = 1;
}

void ResetCruiseFlags(Game& g) {
    g.viewState.compassMode = 0;
    g.ownBoat.atPier = 0;
    g.weather.storm = 0;
    g.score.endReason = 0;
    g.failures = Failures{};
    g.ownBoat.depth = 10;
    g.ownBoat.tack = -1;
}

void DrawTitle(gfx::DC& dc, Game& g, Pacer& pacer, int32_t menuBarHeight) {
    ReconcileCourseSwitches(g.cruiseOptions);
    ScreenState& s = g.screenState;
    const uint32_t start = pacer.now();
    s.widthD = s.width;
    s.heightD = s.height;
    ResetCruiseFlags(g);
    s.largeFonts = menuBarHeight >= 22 ? 1 : 0;
    s.smallScreen = (s.width < 700 || (s.width < 900 && s.largeFonts == 1)) ? 1 : 0;
    const bool mono = g.viewState.monochrome == 1;

    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, s.width, s.height);

    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.SetBkColor(gfx::kWhite);
    dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(127, 0, 0));
    dc.TextOut(5, 5, "ｵﾌﾟｼｮﾝを選んで、ｺﾝﾄﾛｰﾙﾒﾆｭｰからｽﾀｰﾄを選ぶか、ｽﾍﾟｰｽﾊﾞｰを押す                ");

    const int32_t normalFont = dc.FontPixelSize();
    dc.SetFontPixelSize(Trunc(s.vScale * 40));
    dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(255, 255, 0));
    dc.SetBkColor(mono ? gfx::kWhite : gfx::Rgb(0, 0, 255));
    const int32_t titleX = s.width / 10 + ((menuBarHeight > 20 && s.width >= 700) ? s.width / 40 : 0);
    const int32_t titleY = s.height / 4 - s.height / 100;
    dc.TextOut(titleX, titleY, "  VELMARA  ");
    const int32_t titleBottom = titleY + dc.LineHeight();
    dc.SetFontPixelSize(normalFont);

    const int32_t frameBottom = (3 * s.height) / 4 - Trunc(s.vScale * 25);
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(mono ? 43 : 14);
    dc.RoundRect(Trunc(s.widthD * 0.55), s.height / 6, Trunc(s.widthD * 0.95), frameBottom, 150, 150);
    DrawTitleBoat(dc, g, frameBottom);

    ApplyBoatDesign(g);
    if (s.helpPage == 0) {
        dc.SetBkColor(gfx::kWhite);
        dc.SetTextColor(mono ? gfx::kBlack : gfx::Rgb(127, 0, 0));
        DrawDescription(dc, g, titleX + 10, titleBottom + Trunc(s.vScale * 20));
    }
    pacer.holdUntil(start, 100);
}

}  // namespace vel
