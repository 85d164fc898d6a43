#include "views/chart_status.h"

#include <algorithm>
#include <optional>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "views/chart_plot.h"
#include "views/current_vectors.h"
#include "views/chart_layers.h"

namespace vel {
namespace {

constexpr const char* kDepth = "深さ  ";
constexpr const char* kCurrent = "潮流    ";
constexpr const char* kHeader = "***  海図表示  ***          磁気偏差: ";
constexpr const char* kToSailingView = "3D図(ｾｰﾘﾝｸﾞﾋﾞｭｰ)に";
constexpr const char* kCentreOnBoat = "自艇を中心に  ";
constexpr const char* kDisclaimer = "注：地図や航海の補助は精度が高くはない。実際の航海用ではない。";
constexpr int32_t kSouthernNewEngland = 11;

constexpr const char* kHelpCentred = "ｽﾞｰﾑｲﾝは Z を押す。ｽﾞｰﾑｱｳﾄは X を押す。海図を動かしｽﾞｰﾑするには右ｸﾘｯｸする。     ";
constexpr const char* kHelpFullView = "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。               ";
constexpr const char* kHelpNarrow = "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。            ";
constexpr const char* kHelpWide = "ｽﾞｰﾑｲﾝはその場所の中心で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄは X を押す。海図は矢印キーで動かす。                ";

constexpr const char* kPressSpace = "ｽﾀｰﾄ地点が決まった。ｽﾍﾟｰｽﾊﾞｰを押すと3D図(ｾｰﾘﾝｸﾞﾋﾞｭｰ)になり、時間が動き出す。     ";
constexpr const char* kPressSpaceNarrow = "ｽﾍﾟｰｽﾊﾞｰを押すと3D図になり、時間が動き出す。     ";

constexpr const char* kStartNarrow = "始めるためにｽﾀｰﾄ地点にﾎﾟｲﾝﾀｰを移動し、左ｸﾘｯｸする。         ";
constexpr const char* kStartWide = "始めるためにｽﾀｰﾄ地点にﾎﾟｲﾝﾀｰを移動し、左ｸﾘｯｸする。ｽﾞｰﾑｲﾝはその場所で右ｸﾘｯｸする。ｽﾞｰﾑｱｳﾄはXを押す。                      ";

// The passage bonus: where to start and where the passage ends, by width
// (up to 700, up to 900, wider).
struct BonusText {
    int32_t areaCode;
    const char* narrow;
    const char* medium;
    const char* wide;
};
constexpr BonusText kBonus[] = {
    {5, "航海ﾎﾞｰﾅｽを得るためにはFloridaの赤い円の中で左ｸﾘｯｸする。Chubb小島かその北で終了。                ",
     "航海ﾎﾞｰﾅｽを得るためにはFloridaの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Chubb小島かその北で終了。                                ",
     "航海ﾎﾞｰﾅｽを稼ぐためにはFloridaの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Chubb小島かその北で終了。                                 "},
    {6, "航海ﾎﾞｰﾅｽを得るためにはChubbまたはGreat ﾊｰﾊﾞｰ 小島の赤い円の中で左ｸﾘｯｸする。Floridaで終了。     ",
     "航海ﾎﾞｰﾅｽを得るためにはChubbかGreat ﾊｰﾊﾞｰ 小島の赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Floridaで終了する。             ",
     "航海ﾎﾞｰﾅｽを稼ぐためにはChubbかGreat ﾊｰﾊﾞｰ 小島の赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Floridaで航海を終了する。                "},
    {7, "航海ﾎﾞｰﾅｽを得るためにはManeの赤い円の中で左ｸﾘｯｸする。Shelburneで終了。           ",
     "航海ﾎﾞｰﾅｽを稼ぐためにはMaineの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Shelburneで航海を終了。                     ",
     "航海ﾎﾞｰﾅｽを稼ぐためにはMaineの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Shelburneで航海を終了。                     "},
    {8, "航海ﾎﾞｰﾅｽを得るためにはShelburneの赤い円の中で左ｸﾘｯｸする。Maineで終了。       ",
     "航海ﾎﾞｰﾅｽを得るためにはShelburneの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Maineで航海を終了。                  ",
     "航海ﾎﾞｰﾅｽを得るためにはShelburneの赤い円の中で左ｸﾘｯｸする。ｱﾝｶｰﾘﾝｸﾞする。Maineで航海を終了。                  "},
};

constexpr gfx::Color kYellow = gfx::Rgb(255, 255, 0);
constexpr gfx::Color kCyan = gfx::Rgb(0, 255, 255);
constexpr gfx::Color kCurrentBlue = gfx::Rgb(0, 127, 255);

int32_t MagneticOf(const Game& g, int32_t trueBearing) { return NormaliseAngle(trueBearing + g.navState.variation); }

// The "to the sailing view" box, tight around its label; never narrower
// than the sixth of the width its clicks are taken in.
LabelBox SailingViewBox(const gfx::DC& dc, const Game& g) {
    const int32_t right = std::max(g.screenState.width / 6, 3 + dc.TextWidth(kToSailingView) + 3);
    return {1, 24, right, 24 + dc.LineHeight() + 2};
}

}  // namespace

std::string OneDecimal(int32_t tenths) {
    const int32_t a = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

bool ChartFullyZoomedOut(const Game& g) {
    const ChartView& c = g.chartView;
    if (IsVirtualArea(g.areaGrid)) return c.scale >= std::min(32, c.fullScale);
    return c.scale >= c.fullScale;
}

StatusText ChartHelpLine(const Game& g) {
    const int32_t w = g.screenState.width;
    // Once the start is placed nothing else on the chart says what comes next.
    if (g.screenState.startPlaced == 1 && g.simClock.elapsed == 0.0)
        return {w / 5, 24, w < 901 ? kPressSpaceNarrow : kPressSpace};
    if (g.chartView.centreOnBoat == 1) return {w / 5, 24, kHelpCentred};
    if (ChartFullyZoomedOut(g)) return {w / 4, 24, kHelpFullView};
    return {w / 4, 24, w < 901 ? kHelpNarrow : kHelpWide};
}

const char* StartInstruction(int32_t width) { return width < 901 ? kStartNarrow : kStartWide; }

const char* PassageBonusInstruction(int32_t areaCode, int32_t width) {
    for (const BonusText& b : kBonus) {
        if (b.areaCode != areaCode) continue;
        if (width < 701) return b.narrow;
        return width > 900 ? b.wide : b.medium;
    }
    return "";
}

std::string AtlasTimeText(int32_t hoursAhead) {
    if (hoursAhead <= 0) return "    潮流分布図の時間は ";
    if (hoursAhead == 1) return "     潮流分布図の時間は + 1 hr";
    return "     潮流分布図の時間は + " + std::to_string(hoursAhead) + " 時間";
}

std::string TargetWaypointText(const Game& g) {
    const ChartView& c = g.chartView;
    const int32_t t = TargetWaypoint(c);
    if (t < 0 || c.rangeBearingTool == 1) return "";
    const OwnBoat& b = g.ownBoat;
    const int32_t tenths =
        Trunc(DistanceTenths(Trunc(b.x), Trunc(b.y), c.waypointX[t], c.waypointY[t], g.areaGrid.unitsPerMile));
    const int32_t bearing = BearingOf(c.waypointX[t] - Trunc(b.x), Trunc(b.y) - c.waypointY[t]);
    return "Waypt " + std::to_string(t) + ": " + OneDecimal(tenths) + " 海里、     " +
           std::to_string(MagneticOf(g, bearing)) + " 度 ";
}

std::string RangeBearingText(const Game& g) {
    const ChartView& c = g.chartView;
    if (c.rangeBearingTool != 1 || c.toolAnchorSet != 1) return "";
    const int32_t m = MagneticOf(g, c.toolBearing);
    return "ﾃﾞｨﾊﾞｲﾀﾞ: " + OneDecimal(c.toolDistance) + " mi, " + std::to_string(m) + " deg M (" +
           std::to_string(NormaliseAngle(m + 180)) + ")";
}

namespace {

// The disclaimer's card; Southern New England's stands clear of the islands
// along its south.
std::optional<LabelBox> DisclaimerCard(const gfx::DC& dc, const Game& g) {
    if (g.areaGrid.isRealArea != 1 || !ChartFullyZoomedOut(g)) return std::nullopt;
    const ScreenState& s = g.screenState;
    const bool sne = g.areaGrid.areaCode == kSouthernNewEngland;
    const int32_t x = sne ? s.width / 10 : s.width / 20, y = sne ? s.height / 4 : s.height - 100;
    return LabelBox{x - 3, y - 2, x + dc.TextWidth(kDisclaimer) + 3, y + dc.LineHeight() + 2};
}

}  // namespace

std::vector<LabelBox> ChartStatusBoxes(const gfx::DC& dc, const Game& g) {
    const ScreenState& s = g.screenState;
    const int32_t strip = s.height / 15;
    const LabelBox view = SailingViewBox(dc, g);
    std::vector<LabelBox> out{
        {0, 0, s.width, strip + 1}, {0, 0, view.right + 1, view.bottom + 1}, {0, 0, s.width / 8 + 1, 74}};
    if (s.startPlaced == 0 && s.helpPage == 0 && g.areaGrid.isPassage == 1) {
        const int32_t x = s.width / 8 + 8, y = strip + 4;
        const int32_t w = dc.TextWidth(PassageBonusInstruction(g.areaGrid.areaCode, s.width));
        out.push_back({x, y, x + w, y + dc.LineHeight()});
    }
    if (const std::optional<LabelBox> d = DisclaimerCard(dc, g)) out.push_back(*d);
    return out;
}

// On a white card: magenta alone is lost over the olive land.
void DrawDisclaimer(gfx::DC& dc, const Game& g) {
    const std::optional<LabelBox> d = DisclaimerCard(dc, g);
    if (!d) return;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(d->left, d->top, d->right, d->bottom);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(gfx::Rgb(255, 0, 255));
    dc.TextOut(d->left + 3, d->top + 2, kDisclaimer);
}

bool HandleChartStatusClick(Game& g) {
    InputState& in = g.inputState;
    const int32_t w = g.screenState.width;
    const int32_t x = in.clickX, y = in.clickY;
    if (x >= 2 && x <= w / 6 - 1 && y >= 26 && y <= 47) {
        g.screenState.chartShown = 0;
    } else if (x >= 2 && x <= w / 8 - 1 && y >= 51 && y <= 72) {
        ChartView& c = g.chartView;
        c.centreOnBoat = c.centreOnBoat + 1 > 1 ? 0 : 1;
    } else {
        return false;
    }
    in.clickY = 0;
    return true;
}

void drawChartStatus(gfx::DC& dc, Game& g, int32_t width, int32_t stripHeight, int32_t depth) {
    const ScreenState& s = g.screenState;
    const ChartView& c = g.chartView;
    const bool mono = MonochromeView(g);
    const gfx::Color text = mono ? gfx::kWhite : kYellow;
    const gfx::Color blue = mono ? gfx::kWhite : kCurrentBlue;
    dc.SetBkMode(gfx::BkMode::Transparent);

    dc.SetTextColor(text);
    dc.TextOut(width - 100, 5, kDepth + std::to_string(depth));
    if (c.showCurrents == 1) {
        if (const auto tenths = ChartCurrentTenths(g, c.mouseWorldX, c.mouseWorldY)) {
            dc.SetTextColor(blue);
            dc.TextOut(width - 100, 20, kCurrent + OneDecimal(*tenths));
        }
    }

    dc.SetTextColor(text);
    if (s.startPlaced == 1) {
        dc.TextOut(3, 1, kHeader + std::to_string(g.navState.variation) + " W");
        if (c.showCurrents == 1) {
            dc.SetTextColor(blue);
            dc.TextOut(width / 3 + 20, 1, AtlasTimeText(g.tideState.chartHoursAhead));
        }
    }

    // The two boxes: outlines only, so the chart shows through. The first
    // stands on the black strip: its rim is drawn in its label's colour, and
    // grows to hold the label whatever the font.
    const LabelBox view = SailingViewBox(dc, g);
    dc.SelectStockBrush(gfx::Stock::Null);
    dc.SelectPen(gfx::Pen{mono ? gfx::kWhite : kCyan, 1});
    dc.Rectangle(view.left, view.top, view.right, view.bottom);
    dc.SelectStockPen(mono ? gfx::Stock::White : gfx::Stock::Black);
    dc.Rectangle(1, 50, width / 8, 73);
    dc.SetTextColor(mono ? gfx::kWhite : kCyan);
    dc.TextOut(3, view.top + 1, kToSailingView);
    // The second box stands on the chart itself, white in black and white.
    dc.SetTextColor(c.centreOnBoat == 1 || mono ? gfx::kBlack : kCyan);
    dc.TextOut(3, 50, kCentreOnBoat);

    dc.SetTextColor(text);
    const StatusText help = ChartHelpLine(g);
    dc.TextOut(help.x, help.y, help.text);

    // Before the start the header's row carries the instruction instead,
    // and the passage bonus stands beside the second box, on the chart.
    if (s.startPlaced == 0 && s.helpPage == 0) {
        dc.TextOut(3, 1, StartInstruction(width));
        if (g.areaGrid.isRealArea == 1 && c.showCurrents == 1) {
            dc.SetTextColor(blue);
            dc.TextOut(width / 3 + 20, 1, AtlasTimeText(g.tideState.chartHoursAhead));
        }
        if (g.areaGrid.isPassage == 1) {
            dc.SetTextColor(mono ? gfx::kBlack : kYellow);
            dc.TextOut(width / 8 + 8, stripHeight + 4, PassageBonusInstruction(g.areaGrid.areaCode, width));
        }
        dc.SetTextColor(text);
    }

    const std::string waypoint = TargetWaypointText(g);
    if (!waypoint.empty()) dc.TextOut((6 * width) / 10 - 50, 5, waypoint);
    const std::string tool = RangeBearingText(g);
    if (!tool.empty()) dc.TextOut((4 * width) / 10, 5, tool);
}

}  // namespace vel
