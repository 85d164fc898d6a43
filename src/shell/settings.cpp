#include "shell/settings.h"

#include <algorithm>

namespace vel {
namespace {

// File order of the stored fields. simpleGraphics stands twice (the later copy
// wins on reading); the reserved slot is written as 0 and ignored.
enum class Slot { Field, Reserved, HighScore };
struct SlotRow {
    Slot kind;
    int32_t CruiseOptions::*field;
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
    o.isPassage = (o.areaCode >= 5 && o.areaCode <= 8) ? 1 : 0;
    if (o.hullColour < 1 || o.hullColour > 4) o.hullColour = 1;
    if (o.simSpeed > 15) o.simSpeed = 9;
    SetSpeed(o, o.simSpeed);
    if (o.introCourse == 1) {
        o.currentsOn = 1;
        o.noFailElectronics = 0;
        o.noFailEngine = 0;
        o.difficulty = 5;
    }
    g.screenState.frozen = 0;
}

}  // namespace vel
