#include "views/forecast.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/hazards.h"
#include "sim/weather.h"

namespace vel {
namespace {

constexpr int32_t kMargin = 20;
constexpr gfx::Color kTodayColour = gfx::kBlack;
constexpr gfx::Color kTomorrowColour = gfx::Rgb(128, 128, 128);

constexpr const char* kOctants[] = {"", "北", "北東", "東", "南東", "南", "南西", "西", "北西"};
constexpr const char* kSky[] = {"", "晴れ 、", "時々曇り、", "曇り、"};
constexpr const char* kHumidity[] = {"", "湿度は低い ", "湿度は中程度 ", "湿度は高い "};
constexpr const char* kRegions[] = {"", "ﾛｹｰｼｮﾝ 北        ", "ﾛｹｰｼｮﾝ 南        ", "ﾛｹｰｼｮﾝ Bahamian  "};

struct AreaName {
    int32_t code;
    const char* text;
};
constexpr AreaName kAreaNames[] = {
    {1, "海岸沿いへ      "},
    {2, "群島へ          "},
    {3, "内陸水路へ              "},
    {4, "川 へ         "},
    {5, "Florida から Bahamas へ    "},
    {6, "Bahamas から Florida へ    "},
    {7, "Maine から Nova Scotia へ    "},
    {8, "Nova Scotia から Maine へ    "},
    {11, "Southern New England"},
    {12, "Chesapeake Bay"},
    {20, "Maine"},
    {30, "Exumas, Bahamas"},
};

struct DeviceName {
    Device device;
    const char* text;
};
constexpr DeviceName kDeviceNames[] = {
    {Device::Gps, "GPS故障   "},
    {Device::Radar, "ﾚｰﾀﾞｰ故障   "},
    {Device::DepthAlarm, "水深警告故障      "},
    {Device::Engine, "ｴﾝｼﾞﾝ故障停止"},
};

constexpr const char* kFrontMorning = "今朝、寒冷前線が近づく。         ";
constexpr const char* kFrontAfternoon = "今日の午後、寒冷前線が近づく。     ";
constexpr const char* kFrontEvening = "今夕、寒冷前線が近づく。         ";
constexpr const char* kFrontPassed = "寒冷前線が通過した。  ";
constexpr const char* kFrontTomorrow = "寒冷前線が近づく。  ";
constexpr const char* kVeersNorthWest = "北西に変わる。     ";

template <std::size_t N>
const char* Pick(const char* const (&table)[N], int32_t i) {
    return (i >= 0 && static_cast<std::size_t>(i) < N) ? table[i] : "";
}

// Lines written down the page; a tomorrow line is drawn in grey.
class Page {
public:
    explicit Page(std::vector<ForecastLine>& out) : out_(out) {}
    void line(std::string text) { out_.push_back({std::move(text), tomorrow_}); }
    void gap() { line(""); }
    void tomorrow() { tomorrow_ = true; }
    void today() { tomorrow_ = false; }

private:
    std::vector<ForecastLine>& out_;
    bool tomorrow_ = false;
};

int32_t LineStep(int32_t width) { return width < 790 ? 15 : width < 900 ? 17 : 19; }

std::string TwoDigits(int32_t v) { return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v); }
std::string Tenths(int32_t v) { return std::to_string(v / 10) + "." + std::to_string(std::abs(v % 10)); }
std::string Clock(int32_t hour) { return std::to_string(((hour % 24) + 24) % 24) + ":00"; }

const char* AreaText(const CruiseOptions& o) {
    if (o.introCourse) return "入門コース           ";
    for (const AreaName& a : kAreaNames)
        if (a.code == o.areaCode) return a.text;
    return "";
}

void DrawClock(gfx::DC& dc, const Game& g, int32_t step) {
    const std::string time = "時刻 " + std::to_string(g.simClock.hour) + ":" + TwoDigits(g.simClock.minute);
    const std::string day = std::to_string(g.simClock.day) + "日目";
    const int32_t right = g.screenState.width - kMargin;
    dc.TextOut(right - dc.TextWidth(time), 5, time);
    dc.TextOut(right - dc.TextWidth(day), 5 + step, day);
}

void DrawArea(Page& p, const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    std::string line = AreaText(o);
    if (o.isPassage) line += g.weather.moonlight ? "満月     " : "新月。月明かりなし    ";
    else if (!o.isRealArea) line += Pick(kRegions, o.region);
    p.line(line);
    std::string out;
    for (const DeviceName& d : kDeviceNames)
        if (DeviceOut(g, d.device)) out += d.text;
    if (!out.empty()) p.line(out);
}

void DrawSky(Page& p, const Game& g) {
    const Weather& w = g.weather;
    if (g.cruiseOptions.troubleFog) p.line("霧、湿度は高い ");
    else p.line(std::string(Pick(kSky, w.cloudCover)) + Pick(kHumidity, w.humidity));
    p.line("最高温度 " + std::to_string(w.highTemperature) + " °F ");
    p.line(std::string(w.highPressure ? "高" : "低") + "気圧の位置は" + Pick(kOctants, w.systemPosition));
}

void DrawWind(Page& p, const Weather& w) {
    p.line("風向 " + std::string(Pick(kOctants, w.windOctant)) + " " + std::to_string(w.baseSpeed - 2) + " から " +
           std::to_string(w.baseSpeed + 3) + " ﾉｯﾄ  ");
}

bool TodaysFront(const Game& g) {
    const int32_t type = g.weather.frontType, day = g.simClock.day;
    return (type == 1 && day == 1) || (type == 2 && day == 2);
}

const char* TodaysFrontLine(const Game& g) {
    const Weather& w = g.weather;
    if (!TodaysFront(g)) return nullptr;
    if (g.simClock.cruiseHours >= w.frontHour) return kFrontPassed;
    if (w.frontType == 2 || w.frontHour < 12) return kFrontMorning;
    return w.frontHour < 18 ? kFrontAfternoon : kFrontEvening;
}

void DrawToday(Page& p, const Game& g) {
    p.line("***  本日の気象予報 ***    ");
    DrawSky(p, g);
    if (const char* front = TodaysFrontLine(g)) p.line(front);
    DrawWind(p, g.weather);
    if (TodaysFront(g) && g.simClock.cruiseHours < g.weather.frontHour) p.line(kVeersNorthWest);
}

// Times of low and high water, the range and the strongest current.
void DrawTide(Page& p, const Game& g) {
    const TideState& t = g.tideState;
    const CruiseOptions& o = g.cruiseOptions;
    if (o.currentsOn == 0) {
        p.line("潮汐・潮流なし");
    } else {
        const int32_t low = t.lowWaterHour;
        const int32_t second = low + 12 <= 23 ? low + 12 : low - 12;
        const int32_t first = std::min(low, second), later = std::max(low, second);
        p.line("低潮 " + Clock(first) + ", " + Clock(later) + "    高潮 " + Clock(first + 6) + ", " +
               Clock(later + 6));
        p.line("潮差 " + std::to_string(t.range) + " ft");
        const char* label = o.areaCode == 30 ? "カットの潮流の最大値は " : "潮流の最大値は ";
        p.line(label + Tenths(t.maxCurrent) + " ﾉｯﾄ");
    }
    if (o.region == 5) p.line("湾流 " + Tenths(t.gulfStreamSpeed) + " ﾉｯﾄ");
}

void DrawTomorrow(Page& p, const Game& g) {
    const Weather& w = g.weather;
    const int32_t day = g.simClock.day;
    p.line("***  明日の気象概況 ***       ");
    DrawSky(p, g);
    if (w.frontType == day + 1) p.line(kFrontTomorrow);
    DrawWind(p, w);
    if (w.frontType == 2 && day == 1) p.line(kVeersNorthWest);
}

}  // namespace

std::vector<ForecastLine> ForecastLines(Game& g) {
    std::vector<ForecastLine> lines;
    Page p(lines);
    DrawArea(p, g);
    p.gap();
    DrawToday(p, g);
    DrawTide(p, g);
    p.gap();
    DailyWeather(g, 1);
    p.tomorrow();
    DrawTomorrow(p, g);
    p.today();
    p.gap();
    p.line("動作停止中         ");
    p.line("ｽﾍﾟｰｽﾊﾞｰを押して継続       ");
    DailyWeather(g, 0);
    return lines;
}

void DrawForecast(gfx::DC& dc, Game& g, Pacer& pacer) {
    const uint32_t start = pacer.now();
    const ScreenState& s = g.screenState;
    const int32_t step = LineStep(s.width);
    dc.SelectStockPen(gfx::Stock::White);
    dc.SelectStockBrush(gfx::Stock::White);
    dc.Rectangle(0, 0, s.width, s.height);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(kTodayColour);
    DrawClock(dc, g, step);
    int32_t y = 5 + 2 * step;
    for (const ForecastLine& line : ForecastLines(g)) {
        dc.SetTextColor(line.tomorrow ? kTomorrowColour : kTodayColour);
        dc.TextOut(kMargin, y, line.text);
        y += step;
    }
    pacer.holdUntil(start, 200);
}

}  // namespace vel
