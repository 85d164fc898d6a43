#include "shell/settings.h"

#include <algorithm>
#include <iterator>

namespace vel {
namespace {

using Field = int32_t CruiseOptions::*;

// File order of the stored fields. simpleGraphics stands twice (the later copy
// wins on reading); the reserved slot is written as 0 and ignored.
enum class Slot { Field, Reserved, HighScore };
struct SlotRow {
    Slot kind;
    Field field;
};

constexpr SlotRow kSlots[kSettingsValues] = {
    {Slot::Field, &CruiseOptions::areaCode},          {Slot::Field, &CruiseOptions::difficulty},
    {Slot::Field, &CruiseOptions::region},            {Slot::Field, &CruiseOptions::boatType},
    {Slot::Field, &CruiseOptions::designLength},      {Slot::Field, &CruiseOptions::designDisplacement},
    {Slot::Field, &CruiseOptions::designSailArea},    {Slot::Field, &CruiseOptions::designRig},
    {Slot::Field, &CruiseOptions::simSpeed},          {Slot::Field, &CruiseOptions::stepDivisor},
    {Slot::Field, &CruiseOptions::spare},             {Slot::Field, &CruiseOptions::simpleGraphics},
    {Slot::Field, &CruiseOptions::noFailElectronics}, {Slot::Field, &CruiseOptions::noFailEngine},
    {Slot::Field, &CruiseOptions::troubleFog},        {Slot::Field, &CruiseOptions::troubleStrongWind},
    {Slot::Field, &CruiseOptions::troubleNoGps},      {Slot::Field, &CruiseOptions::troubleNoEngine},
    {Slot::Field, &CruiseOptions::simpleGraphics},    {Slot::Field, &CruiseOptions::troubleNoDepthAlarm},
    {Slot::Field, &CruiseOptions::hullColour},        {Slot::Field, &CruiseOptions::currentsOn},
    {Slot::Field, &CruiseOptions::helm},              {Slot::Field, &CruiseOptions::anchor1Chain},
    {Slot::HighScore, nullptr},                       {Slot::Field, &CruiseOptions::buttonHelp},
    {Slot::Field, &CruiseOptions::introCourse},       {Slot::Reserved, nullptr},
    {Slot::Field, &CruiseOptions::departureHour},     {Slot::Field, &CruiseOptions::troubleNoMoonlight},
    {Slot::Field, &CruiseOptions::troubleNoMiniChart}, {Slot::Field, &CruiseOptions::soundLevel},
    {Slot::Field, &CruiseOptions::noTimeSkip},        {Slot::Field, &CruiseOptions::cruisingSpinnaker},
    {Slot::Field, &CruiseOptions::noFog},             {Slot::Field, &CruiseOptions::noBroaching},
};

void PutLE(std::vector<uint8_t>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int32_t GetLE(std::span<const uint8_t> b, std::size_t at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b[at + i]) << (8 * i);
    return static_cast<int32_t>(u);
}

// What the menus can set, for the fields the program cannot act on outside
// it; anything else reads as the built-in choice.
struct Range {
    Field field;
    int32_t low, high, fallback;
};
constexpr Range kRanges[] = {
    {&CruiseOptions::difficulty, 1, 10, 5},   {&CruiseOptions::boatType, 1, 4, 1},
    {&CruiseOptions::departureHour, 0, 23, 9}, {&CruiseOptions::soundLevel, 0, 3, 3},
};

constexpr int32_t kSwitch[] = {0, 1};
constexpr int32_t kHelms[] = {1, -1};
constexpr int32_t kLengths[] = {0, 20, 25, 30, 35, 40, 50};
constexpr int32_t kDisplacements[] = {0, 8, 9, 10, 11};
constexpr int32_t kSailAreas[] = {0, 9, 10, 11};
constexpr int32_t kRigs[] = {0, 80, 100};

struct Choices {
    Field field;
    std::span<const int32_t> values;
    int32_t fallback;
};
constexpr Choices kChoices[] = {
    {&CruiseOptions::helm, kHelms, 1},
    {&CruiseOptions::designLength, kLengths, 0},
    {&CruiseOptions::designDisplacement, kDisplacements, 0},
    {&CruiseOptions::designSailArea, kSailAreas, 0},
    {&CruiseOptions::designRig, kRigs, 0},
    {&CruiseOptions::simpleGraphics, kSwitch, 0},
    {&CruiseOptions::noFailElectronics, kSwitch, 0},
    {&CruiseOptions::noFailEngine, kSwitch, 0},
    {&CruiseOptions::troubleFog, kSwitch, 0},
    {&CruiseOptions::troubleStrongWind, kSwitch, 1},
    {&CruiseOptions::troubleNoGps, kSwitch, 0},
    {&CruiseOptions::troubleNoEngine, kSwitch, 0},
    {&CruiseOptions::troubleNoDepthAlarm, kSwitch, 0},
    {&CruiseOptions::troubleNoMiniChart, kSwitch, 0},
    {&CruiseOptions::currentsOn, kSwitch, 1},
    {&CruiseOptions::anchor1Chain, kSwitch, 0},
    {&CruiseOptions::buttonHelp, kSwitch, 1},
    {&CruiseOptions::introCourse, kSwitch, 0},
    {&CruiseOptions::noTimeSkip, kSwitch, 0},
    {&CruiseOptions::cruisingSpinnaker, kSwitch, 0},
    {&CruiseOptions::noFog, kSwitch, 0},
    {&CruiseOptions::noBroaching, kSwitch, 0},
};

// The areas of the menu, as (area code, region).
struct AreaPair {
    int32_t areaCode, region;
};
constexpr AreaPair kMenuAreas[] = {
    {1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2},  {3, 2},  {4, 2},  {2, 3},
    {5, 5}, {6, 5}, {7, 6}, {8, 6}, {20, 1}, {11, 1}, {12, 2}, {30, 3},
};
constexpr int32_t kLastGeneratedArea = 4;

// A pair the menu offers stays. A passage or real area names its region
// alone; a generated area outside its regions, or an unknown one, takes the
// built-in choice for what is missing. The course always sails the southern coast.
void ValidateArea(CruiseOptions& o) {
    if (o.introCourse == 1) {
        o.areaCode = 1;
        o.region = 2;
        return;
    }
    const auto same = [&](const AreaPair& p) { return p.areaCode == o.areaCode && p.region == o.region; };
    if (std::any_of(std::begin(kMenuAreas), std::end(kMenuAreas), same)) return;
    if (o.areaCode < 1) o.areaCode = 1;
    if (o.areaCode > kLastGeneratedArea) {
        const auto code = [&](const AreaPair& p) { return p.areaCode == o.areaCode; };
        const AreaPair* p = std::find_if(std::begin(kMenuAreas), std::end(kMenuAreas), code);
        if (p != std::end(kMenuAreas)) {
            o.region = p->region;
            return;
        }
        o.areaCode = 1;
    }
    if (o.region != 1) o.region = 2;
}

}  // namespace

void SetSpeed(CruiseOptions& o, int32_t n) {
    o.simSpeed = n;
    if (n >= 1 && n <= 15) o.stepDivisor = kStepDivisor[n];
}

std::vector<uint8_t> EncodeSettings(const Game& g) {
    std::vector<uint8_t> out;
    out.reserve(kSettingsBytes);
    for (const SlotRow& s : kSlots) {
        switch (s.kind) {
            case Slot::Field: PutLE(out, g.cruiseOptions.*s.field); break;
            case Slot::HighScore: PutLE(out, g.score.highScore); break;
            case Slot::Reserved: PutLE(out, 0); break;
        }
    }
    return out;
}

void DecodeSettings(Game& g, std::span<const uint8_t> bytes) {
    const std::size_t values = std::min<std::size_t>(bytes.size() / 4, kSettingsValues);
    for (std::size_t i = 0; i < values; ++i) {
        const int32_t v = GetLE(bytes, 4 * i);
        switch (kSlots[i].kind) {
            case Slot::Field: g.cruiseOptions.*kSlots[i].field = v; break;
            case Slot::HighScore: g.score.highScore = v; break;
            case Slot::Reserved: break;
        }
    }
    ValidateSettings(g);
}

void ApplyMissingSettings(Game& g) {
    g.score.highScore = 0;
    g.cruiseOptions.boatType = 1;
    g.cruiseOptions.areaCode = 1;
    ValidateSettings(g);
}

void ValidateSettings(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    if (o.boatType < 1) o.boatType = 1;
    if (o.troubleNoMoonlight == 1) {
        g.weather.moonlight = 0;
    } else {
        o.troubleNoMoonlight = 0;
        g.weather.moonlight = 1;
    }
    ValidateArea(o);
    o.isPassage = (o.areaCode >= 5 && o.areaCode <= 8) ? 1 : 0;
    if (o.hullColour < 1 || o.hullColour > 4) o.hullColour = 1;
    if (o.simSpeed > 15 || o.simSpeed < 0) o.simSpeed = 9;
    SetSpeed(o, o.simSpeed);
    // Speed 0 keeps its stored divisor, within the table's span so that the
    // clock's cycle counters cannot overflow.
    if (o.simSpeed == 0) o.stepDivisor = std::clamp(o.stepDivisor, 0, kStepDivisor[1]);
    for (const Range& r : kRanges)
        if (o.*r.field < r.low || o.*r.field > r.high) o.*r.field = r.fallback;
    for (const Choices& c : kChoices)
        if (std::find(c.values.begin(), c.values.end(), o.*c.field) == c.values.end()) o.*c.field = c.fallback;
    if (g.score.highScore < 0) g.score.highScore = 0;
    if (o.introCourse == 1) {
        o.currentsOn = 1;
        o.noFailElectronics = 0;
        o.noFailEngine = 0;
        o.difficulty = 5;
    }
    g.screenState.frozen = 0;
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

void ForEachKeyValue(std::string_view text, const std::function<void(std::string_view, std::string_view)>& use) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = TrimBlanks(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos) continue;
        use(TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
    }
}

}  // namespace vel
