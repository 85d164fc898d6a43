#include "views/panel.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/helpers.h"
#include "shell/actions.h"
#include "shell/panel_buttons.h"

namespace vel {
namespace {

constexpr gfx::Color kGreen = gfx::Rgb(0, 255, 0);
constexpr gfx::Color kYellow = gfx::Rgb(255, 255, 0);
constexpr gfx::Color kGrey = gfx::Rgb(127, 127, 127);
constexpr int kPanelBrush = 42;      // (32, 32, 32)
constexpr int kHighlightBrush = 39;  // (63, 63, 63)
constexpr int kButtonBrush = 40;     // (127, 127, 127)
constexpr int kMonoHighlightBrush = 44;

struct Box {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int32_t x, int32_t y) const { return x > left && x < right && y > top && y < bottom; }
};

struct Layout {
    int32_t rowHeight = 17;
    int32_t buttonHeight = 17;
    int32_t textLeft = 0, textRight = 0;  // the two data columns
    Box column;                           // engine, sail and stopped buttons
    Box viewColumn;
    int32_t corner = 10;
    int32_t top = 0;
};

Layout LayoutFor(const ScreenState& s, int32_t top) {
    Layout l;
    const double w = s.widthD;
    l.rowHeight = s.width < 790 ? 15 : (s.width > 1000 ? 20 : 17);
    l.buttonHeight = std::min(l.rowHeight, 17);
    l.textLeft = Trunc(w * 0.272);
    l.textRight = Trunc(w * (s.width < 790 ? 0.475 : 0.5));
    if (s.radarOn == 1 || s.miniChartMode == 2) {
        l.textLeft -= Trunc(w * 0.06);
        l.textRight -= Trunc(w * 0.06);
    }
    if (s.width <= 700)
        l.column = {Trunc(w * 0.71), 0, Trunc(w * 0.85), 0};
    else if (s.largeFonts == 1)
        l.column = {Trunc(w * 0.72), 0, Trunc(w * 0.845), 0};
    else
        l.column = {Trunc(w * 0.73), 0, Trunc(w * 0.83), 0};
    l.viewColumn = {Trunc(w * 0.9), 0, Trunc(w * 0.99), 0};
    l.corner = s.width >= 750 ? 15 : 10;
    l.top = top;
    return l;
}

// Whole and tenths, with the sign kept for values between -1 and 0.
std::string OneDecimal(double v) {
    const int32_t whole = Trunc(v);
    const int32_t tenths = std::abs(Trunc(v * 10)) % 10;
    return (v < 0 && whole == 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(tenths);
}

std::string Num(int32_t v) { return std::to_string(v); }

// One button: drawn, hover-described and hit-tested in one place. A click
// recorded before the frame acts once and is used up.
bool PanelButton(gfx::DC& dc, Game& g, const Layout& l, const Box& box, const char* label,
                 const char* description, bool dark) {
    ScreenState& s = g.screenState;
    InputState& in = g.inputState;
    const bool mono = g.viewState.monochrome == 1;
    dc.SelectStockPen(gfx::Stock::Black);
    dc.SelectBrush(kButtonBrush);
    dc.RoundRect(box.left, box.top, box.right, box.bottom, l.corner, l.corner);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(dark ? gfx::kBlack : (mono ? gfx::kWhite : kYellow));
    const int32_t textTop = box.top + (box.bottom - box.top - dc.LineHeight()) / 2;
    dc.TextOut(box.left + l.corner / 2, textTop, label);
    if (box.contains(s.steerMouseX, s.steerMouseY)) {
        s.buttonHovered = 1;
        s.buttonText = description;
    }
    if (!box.contains(in.clickX, in.clickY)) return false;
    in.clickY = 0;
    return true;
}

int32_t DescriptionLineY(const ScreenState& s) {
    const int32_t h = s.width < 1000 ? s.height / 10 : (s.width < 1024 ? s.height / 11 : s.height / 9 + 1);
    return s.height - h;
}

// A column of buttons from the top of the panel; hidden rows leave no gap.
// On small screens a long column gives up height per button rather than run
// under the description line.
void ButtonColumnAt(gfx::DC& dc, Game& g, const Layout& l, Box column, std::span<const PanelButtonRow> rows) {
    int32_t count = 0;
    for (const PanelButtonRow& b : rows) count += ButtonShown(b, g) ? 1 : 0;
    if (count == 0) return;
    const int32_t limit = g.cruiseOptions.buttonHelp == 1 ? DescriptionLineY(g.screenState) : g.screenState.height;
    const int32_t step = std::max(std::min(l.buttonHeight, (limit - l.top - 4) / count), 9);
    int32_t y = l.top + 3;
    for (const PanelButtonRow& b : rows) {
        if (!ButtonShown(b, g)) continue;
        const Box box{column.left, y, column.right, y + step - 1};
        const bool dark = b.dark && b.dark(g);
        if (PanelButton(dc, g, l, box, b.label, DescriptionOf(b, g), dark)) b.act(g);
        y += step;
    }
}

class Lines {
public:
    Lines(gfx::DC& dc, const Layout& l, int32_t x) : dc_(dc), l_(l), x_(x), y_(l.top + 3) {}
    void add(const std::string& text) {
        dc_.TextOut(x_, y_, text);
        y_ += l_.rowHeight;
    }

private:
    gfx::DC& dc_;
    const Layout& l_;
    int32_t x_, y_;
};

std::string ApparentWind(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    if (g.screenState.width >= 790)
        return "見ｶｹﾉ風: " + Num(b.apparentWindAngle) + "度   " + Num(b.apparentWindSpeed) + " kn";
    return "ﾐｶｹﾉ風: " + Num(b.apparentWindAngle) + "d, " + Num(b.apparentWindSpeed) + " k";
}

std::string EngineLine(const OwnBoat& b) {
    const char* state = " 回転 中立   ";
    if (b.twinSplit == 1)
        state = " 回転 左舷前、右舷後";
    else if (b.twinSplit == -1)
        state = " 回転 右舷前、左舷後";
    else if (b.gear == 3)
        state = " 回転 前進   ";
    else if (b.gear == -1)
        state = " 回転 後進   ";
    return Num(b.throttle) + state;
}

std::string ClockLine(const SimClock& c) {
    return "時刻: " + Num(c.hour) + (c.minute <= 9 ? ":0" : ":") + Num(c.minute);
}

std::string WaypointLine(const Game& g) {
    const ChartView& c = g.chartView;
    const OwnBoat& b = g.ownBoat;
    const int32_t n = c.waypointAdvanceCount;
    const int32_t upm = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;
    const double range = DistanceTenths(b.x, b.y, c.waypointX[n], c.waypointY[n], upm);
    const int32_t trueBearing = BearingOf(c.waypointX[n] - b.x, b.y - c.waypointY[n]);
    const int32_t bearing = NormaliseAngle(NormaliseAngle(trueBearing + g.navState.variation));
    return "ｳｪｲﾎﾟｲﾝﾄ " + Num(n) + ":" + OneDecimal(range * 0.1) + " mi,     " + Num(bearing) + " 度 ";
}

// The radar and the small mini chart stand over the first data column; the
// ends of its lines that would run out beside them are cut at their edge.
int32_t InsetRight(const Game& g) {
    const ScreenState& s = g.screenState;
    const bool smallChart = s.radarOn == 0 && s.miniChartMode == 2 && g.cruiseOptions.troubleNoMiniChart == 0;
    return s.radarOn == 1 || smallChart ? Trunc(s.widthD * 0.329) : 0;
}

void FirstColumn(gfx::DC& dc, const Game& g, const Layout& l) {
    const OwnBoat& b = g.ownBoat;
    Lines left(dc, l, l.textLeft);
    left.add(ApparentWind(g));
    left.add("速度 : " + OneDecimal(b.speedExact * 0.1));
    if (SailsUp(g)) left.add("ﾋｰﾙ : " + Num(b.heel) + (b.closeHauled == 1 ? "    ｸﾛｰｽﾎｰﾙﾄﾞ  " : ""));
    if (EngineRunning(g)) left.add(EngineLine(b));
    left.add("ﾘｰｳｪｲ : " + Num(b.leeway));
    left.add(ClockLine(g.simClock));
}

void SecondColumn(gfx::DC& dc, const Game& g, const Layout& l) {
    const OwnBoat& b = g.ownBoat;
    Lines right(dc, l, l.textRight);
    if (GpsWorks(g)) {
        if (HasTargetWaypoint(g)) right.add(WaypointLine(g));
        right.add("sog: " + OneDecimal(b.speedOverGroundTenths * 0.1) + "   cog: " + Num(b.courseOverGround));
    }
    right.add(DepthSounderWorks(g) ? "深さ : " + Num(b.depth) : std::string("深さ : - - -"));
    right.add("ﾛｸﾞ: " + OneDecimal(b.log));
}

// The speed buttons and the speed they set, on the last text row of the
// second column, which stays clear of the steering zone.
void SpeedRow(gfx::DC& dc, Game& g, const Layout& l) {
    const int32_t width = Trunc(g.screenState.widthD * 0.06);
    const int32_t y = l.top + 3 + 4 * l.rowHeight;
    int32_t x = l.textRight;
    for (const PanelButtonRow& b : SpeedButtons()) {
        const Box box{x, y, x + width, y + l.buttonHeight - 1};
        if (PanelButton(dc, g, l, box, b.label, b.description, false)) b.act(g);
        x += width + 4;
    }
    dc.SetTextColor(g.viewState.monochrome == 1 ? gfx::kBlack : kGreen);
    const std::string speed = Num(g.cruiseOptions.simSpeed);
    std::string caption = "    ｼﾐｭﾚｰﾀ速度 : " + speed;
    if (x + dc.TextWidth(caption) >= l.column.left) caption = "  ｼﾑ速度 : " + speed;
    dc.TextOut(x, y, caption);
}

int32_t LabelOffset(const ScreenState& s) {
    if (s.width < 800) return 50;
    if (s.width <= 1000) return s.largeFonts == 1 ? 61 : 77;
    return s.largeFonts == 1 ? 98 : 113;
}

void SteeringZone(gfx::DC& dc, Game& g) {
    ScreenState& s = g.screenState;
    const bool mono = g.viewState.monochrome == 1;
    s.steerZoneTop = s.width < 700 ? (s.height * 8) / 9 - 10 : Trunc(s.heightD * 0.859);
    s.steerZoneLeft = s.width / 3;
    s.steerZoneRight = 2 * s.width / 3;
    s.steerZoneBottom = s.height;
    s.steerCenterX = s.width / 2;
    s.steerZoneY = (s.steerZoneTop + s.height) / 2;
    const bool inside =
        s.steerMouseY > s.steerZoneTop && s.steerMouseX > s.width / 3 && s.steerMouseX < 2 * s.width / 3;
    dc.SelectStockPen(gfx::Stock::Black);
    if (mono)
        inside ? dc.SelectBrush(kMonoHighlightBrush) : dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(inside ? kHighlightBrush : kPanelBrush);
    dc.Rectangle(s.steerZoneLeft, s.steerZoneTop, s.steerZoneRight, s.height);
    if (!inside) {
        const int32_t d = LabelOffset(s);
        dc.SetBkMode(gfx::BkMode::Transparent);
        if (CompassInUse(g)) {
            dc.SetTextColor(mono ? gfx::kBlack : kYellow);
            dc.TextOut(s.width / 3 + d - 4, s.steerZoneTop + 2, "ｺﾝﾊﾟｽ ｺﾝﾄﾛｰﾙ    ");
        } else {
            dc.SetTextColor(mono ? gfx::kBlack : kGreen);
            dc.TextOut(s.width / 3 + d, s.steerZoneTop + 2, "ｽﾃｱﾘﾝｸﾞ   ｿﾞｰﾝ");
        }
    }
    dc.SelectStockPen(mono ? gfx::Stock::Black : gfx::Stock::White);
    dc.MoveTo(s.steerCenterX, s.steerZoneTop);
    dc.LineTo(s.steerCenterX, s.height);
}

void DescriptionLine(gfx::DC& dc, const Game& g) {
    const ScreenState& s = g.screenState;
    if (g.cruiseOptions.buttonHelp != 1) return;
    dc.SetBkMode(gfx::BkMode::Opaque);
    dc.SetBkColor(gfx::kWhite);
    const bool hovered = s.buttonHovered == 1;
    dc.SetTextColor(hovered ? gfx::kBlack : kGrey);
    dc.TextOut((2 * s.width) / 3, DescriptionLineY(s), hovered ? s.buttonText : "  ボタンの説明がここに表示される  ");
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(g.viewState.monochrome == 1 ? gfx::kBlack : kGreen);
}

}  // namespace

void DrawControlPanel(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    ScreenState& s = g.screenState;
    const bool mono = g.viewState.monochrome == 1;
    const Layout l = LayoutFor(s, top);
    s.panelTextBottom = top + 9 * l.rowHeight;
    s.buttonHovered = 0;
    s.buttonText.clear();
    const int32_t savedFrames = s.bearingSavedFrames;

    dc.ClipRect(left, top, right, bottom);
    dc.SelectStockPen(gfx::Stock::Black);
    if (mono)
        dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(kPanelBrush);
    dc.Rectangle(left, top, right, bottom);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(mono ? gfx::kBlack : kGreen);
    const int32_t covered = InsetRight(g);
    if (covered > 0) dc.ClipRect(left, top, covered, bottom);
    FirstColumn(dc, g, l);
    if (covered > 0) dc.ClipRect(left, top, right, bottom);
    SecondColumn(dc, g, l);
    SpeedRow(dc, g, l);

    ButtonColumnAt(dc, g, l, l.viewColumn, ViewButtons());
    ButtonColumnAt(dc, g, l, l.column, ColumnButtons(ColumnFor(g)));
    // The dark label counts the frames after the save, not the frame of it.
    if (savedFrames > 0 && s.bearingSavedFrames == savedFrames) s.bearingSavedFrames -= 1;

    SteeringZone(dc, g);
    DescriptionLine(dc, g);
    dc.ReleaseClip();
}

}  // namespace vel
