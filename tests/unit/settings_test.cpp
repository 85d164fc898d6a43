#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings_file.h"
#include "fuzz/sail_from_settings.h"
#include "shell/commands.h"
#include "shell/options.h"

namespace vel {
namespace {

using Field = int32_t CruiseOptions::*;

// The file layout: byte offset of every option stored in it. 96 holds the
// high score, 108 is reserved.
struct Slot {
    int offset;
    Field field;
    const char* name;
};
#define STORED(off, f) \
    Slot { off, &CruiseOptions::f, #f }
const std::vector<Slot> kLayout = {
    STORED(0, areaCode),
    STORED(4, difficulty),
    STORED(8, region),
    STORED(12, boatType),
    STORED(16, designLength),
    STORED(20, designDisplacement),
    STORED(24, designSailArea),
    STORED(28, designRig),
    STORED(32, simSpeed),
    STORED(36, stepDivisor),
    STORED(40, spare),
    STORED(44, simpleGraphics),
    STORED(48, noFailElectronics),
    STORED(52, noFailEngine),
    STORED(56, troubleFog),
    STORED(60, troubleStrongWind),
    STORED(64, troubleNoGps),
    STORED(68, troubleNoEngine),
    STORED(72, simpleGraphics),
    STORED(76, troubleNoDepthAlarm),
    STORED(80, hullColour),
    STORED(84, currentsOn),
    STORED(88, helm),
    STORED(92, anchor1Chain),
    STORED(100, buttonHelp),
    STORED(104, introCourse),
    STORED(112, departureHour),
    STORED(116, troubleNoMoonlight),
    STORED(120, troubleNoMiniChart),
    STORED(124, soundLevel),
    STORED(128, noTimeSkip),
    STORED(132, cruisingSpinnaker),
    STORED(136, noFog),
    STORED(140, noBroaching),
};
#undef STORED

int32_t ReadLE(const std::vector<uint8_t>& b, int at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<int32_t>(u);
}

void WriteLE(std::vector<uint8_t>& b, int at, int32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

void Decode(Game& g, const std::vector<uint8_t>& bytes) { DecodeSettings(g, std::span<const uint8_t>(bytes)); }

// A file holding these values (the rest as built in), as loaded.
std::unique_ptr<Game> LoadedWith(std::initializer_list<std::pair<Field, int32_t>> stored) {
    auto src = std::make_unique<Game>();
    for (const auto& [field, value] : stored) src->cruiseOptions.*field = value;
    auto g = std::make_unique<Game>();
    Decode(*g, EncodeSettings(*src));
    return g;
}

// Every stored option away from its default, and valid, so that validation
// leaves it alone.
void SetEveryStoredField(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    o.areaCode = 20;
    o.difficulty = 7;
    o.region = 1;
    o.boatType = 4;
    o.designLength = 35;
    o.designDisplacement = 8;
    o.designSailArea = 11;
    o.designRig = 80;
    o.simSpeed = 13;
    o.stepDivisor = 23;
    o.spare = 4242;
    o.simpleGraphics = 1;
    o.noFailElectronics = 1;
    o.noFailEngine = 1;
    o.troubleFog = 1;
    o.troubleStrongWind = 0;
    o.troubleNoGps = 1;
    o.troubleNoEngine = 1;
    o.troubleNoDepthAlarm = 1;
    o.hullColour = 3;
    o.currentsOn = 0;
    o.helm = -1;
    o.anchor1Chain = 1;
    o.buttonHelp = 0;
    o.introCourse = 0;
    o.departureHour = 18;
    o.troubleNoMoonlight = 1;
    o.troubleNoMiniChart = 1;
    o.soundLevel = 2;
    o.noTimeSkip = 1;
    o.cruisingSpinnaker = 1;
    o.noFog = 1;
    o.noBroaching = 1;
    g.score.highScore = 98765;
}

void ExpectStoredFieldsEqual(const Game& want, const Game& got) {
    for (const Slot& s : kLayout) EXPECT_EQ(got.cruiseOptions.*s.field, want.cruiseOptions.*s.field) << s.name;
    EXPECT_EQ(got.score.highScore, want.score.highScore);
}

// ---- Layout -----------------------------------------------------------------

TEST(SettingsLayout, FileIsExactly144Bytes) {
    auto g = std::make_unique<Game>();
    EXPECT_EQ(EncodeSettings(*g).size(), 144u);
    SetEveryStoredField(*g);
    EXPECT_EQ(EncodeSettings(*g).size(), 144u);
}

TEST(SettingsLayout, EachFieldIsWrittenAtItsOffset) {
    auto g = std::make_unique<Game>();
    for (const Slot& s : kLayout) g->cruiseOptions.*s.field = 1000 + s.offset;
    g->cruiseOptions.simpleGraphics = 7;  // stands at 44 and 72
    g->score.highScore = 555;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    for (const Slot& s : kLayout) {
        const int32_t want = s.field == &CruiseOptions::simpleGraphics ? 7 : 1000 + s.offset;
        EXPECT_EQ(ReadLE(bytes, s.offset), want) << s.name << " at " << s.offset;
    }
    EXPECT_EQ(ReadLE(bytes, 96), 555);
    EXPECT_EQ(ReadLE(bytes, 108), 0);
}

TEST(SettingsLayout, SavingWritesFieldsUnvalidated) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.simSpeed = 40;
    g->cruiseOptions.stepDivisor = -3;
    g->cruiseOptions.hullColour = 9;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    EXPECT_EQ(ReadLE(bytes, 32), 40);
    EXPECT_EQ(ReadLE(bytes, 36), -3);
    EXPECT_EQ(ReadLE(bytes, 80), 9);
}

struct ByteCase {
    const char* what;
    int offset;
    void (*set)(Game&);
    uint8_t b0, b1, b2, b3;
};

void PrintTo(const ByteCase& c, std::ostream* os) { *os << c.what << " at " << c.offset; }

class SettingsLittleEndian : public ::testing::TestWithParam<ByteCase> {};

TEST_P(SettingsLittleEndian, LowByteFirst) {
    const ByteCase& c = GetParam();
    auto g = std::make_unique<Game>();
    c.set(*g);
    const std::vector<uint8_t> b = EncodeSettings(*g);
    EXPECT_EQ(b[c.offset + 0], c.b0) << c.what;
    EXPECT_EQ(b[c.offset + 1], c.b1) << c.what;
    EXPECT_EQ(b[c.offset + 2], c.b2) << c.what;
    EXPECT_EQ(b[c.offset + 3], c.b3) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, SettingsLittleEndian,
    ::testing::Values(
        ByteCase{"areaCode", 0, [](Game& g) { g.cruiseOptions.areaCode = 0x01020304; }, 0x04, 0x03, 0x02, 0x01},
        ByteCase{"highScore", 96, [](Game& g) { g.score.highScore = -2; }, 0xFE, 0xFF, 0xFF, 0xFF},
        ByteCase{"highScore", 96, [](Game& g) { g.score.highScore = 1234; }, 0xD2, 0x04, 0x00, 0x00},
        ByteCase{"reserved", 108, [](Game& g) { g.cruiseOptions.spare = -1; }, 0, 0, 0, 0},
        ByteCase{"noBroaching", 140, [](Game& g) { g.cruiseOptions.noBroaching = 0x7F000001; }, 0x01, 0x00, 0x00, 0x7F},
        ByteCase{"helm", 88, [](Game& g) { g.cruiseOptions.helm = -1; }, 0xFF, 0xFF, 0xFF, 0xFF}));

// ---- Reading ----------------------------------------------------------------

TEST(SettingsDecode, EachFieldIsReadFromItsOffset) {
    // The file is laid out from this test's own table, not the program's.
    auto want = std::make_unique<Game>();
    SetEveryStoredField(*want);
    std::vector<uint8_t> bytes(144, 0);
    for (const Slot& s : kLayout) WriteLE(bytes, s.offset, want->cruiseOptions.*s.field);
    WriteLE(bytes, 96, want->score.highScore);
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    ExpectStoredFieldsEqual(*want, *g);
}

TEST(SettingsDecode, RoundTripKeepsEveryStoredField) {
    auto original = std::make_unique<Game>();
    SetEveryStoredField(*original);
    const std::vector<uint8_t> bytes = EncodeSettings(*original);

    auto loaded = std::make_unique<Game>();
    Decode(*loaded, bytes);
    ExpectStoredFieldsEqual(*original, *loaded);
    EXPECT_EQ(loaded->weather.moonlight, 0);
}

TEST(SettingsDecode, RoundTripRecomputesTheDivisorFromTheSpeed) {
    auto original = std::make_unique<Game>();
    original->cruiseOptions.simSpeed = 4;
    original->cruiseOptions.stepDivisor = 999;  // stale
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, EncodeSettings(*original));
    EXPECT_EQ(loaded->cruiseOptions.simSpeed, 4);
    EXPECT_EQ(loaded->cruiseOptions.stepDivisor, 865);
}

TEST(SettingsDecode, OptionsOutsideTheFileStartFresh) {
    auto original = std::make_unique<Game>();
    original->cruiseOptions.troubleNoRadar = 1;
    original->viewState.monochrome = 1;
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, EncodeSettings(*original));
    EXPECT_EQ(loaded->cruiseOptions.troubleNoRadar, 0);
    EXPECT_EQ(loaded->viewState.monochrome, 0);
}

TEST(SettingsDecode, LaterSimpleGraphicsSlotWins) {
    auto base = std::make_unique<Game>();
    std::vector<uint8_t> bytes = EncodeSettings(*base);

    WriteLE(bytes, 44, 1);
    WriteLE(bytes, 72, 0);
    auto a = std::make_unique<Game>();
    Decode(*a, bytes);
    EXPECT_EQ(a->cruiseOptions.simpleGraphics, 0);

    WriteLE(bytes, 44, 0);
    WriteLE(bytes, 72, 1);
    auto b = std::make_unique<Game>();
    Decode(*b, bytes);
    EXPECT_EQ(b->cruiseOptions.simpleGraphics, 1);
}

TEST(SettingsDecode, ReservedSlotIsIgnored) {
    auto base = std::make_unique<Game>();
    SetEveryStoredField(*base);
    std::vector<uint8_t> bytes = EncodeSettings(*base);
    WriteLE(bytes, 108, 0x5A5A5A5A);
    auto loaded = std::make_unique<Game>();
    Decode(*loaded, bytes);
    ExpectStoredFieldsEqual(*base, *loaded);
}

// ---- Validation ---------------------------------------------------------------

struct SpeedCase {
    int32_t storedSpeed, storedDivisor;
    int32_t speed, divisor;
};

void PrintTo(const SpeedCase& c, std::ostream* os) {
    *os << "speed " << c.storedSpeed << ", divisor " << c.storedDivisor;
}

class SettingsSpeedValidation : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SettingsSpeedValidation, SpeedAbove15LoadsAsNineAndOthersKeepTheirDivisorRule) {
    const SpeedCase& c = GetParam();
    const auto g = LoadedWith({{&CruiseOptions::simSpeed, c.storedSpeed}, {&CruiseOptions::stepDivisor, c.storedDivisor}});
    EXPECT_EQ(g->cruiseOptions.simSpeed, c.speed);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, c.divisor);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsSpeedValidation,
                         ::testing::Values(SpeedCase{16, 5, 9, 114}, SpeedCase{1000, 5, 9, 114},
                                           SpeedCase{15, 7, 15, 10}, SpeedCase{1, 0, 1, 2919}, SpeedCase{9, 3, 9, 114},
                                           SpeedCase{-3, 77, 9, 114},
                                           // Speed 0 keeps its divisor, even 0, within the table's span.
                                           SpeedCase{0, 500, 0, 500}, SpeedCase{0, 0, 0, 0},
                                           SpeedCase{0, -40, 0, 0}, SpeedCase{0, 2147483647, 0, 2919}));

struct RepairCase {
    const char* what;
    Field field;
    int32_t stored;
    int32_t loaded;
};

void PrintTo(const RepairCase& c, std::ostream* os) { *os << c.what << " " << c.stored; }

class SettingsRepair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(SettingsRepair, OutOfRangeValuesAreRepaired) {
    const RepairCase& c = GetParam();
    const auto g = LoadedWith({{c.field, c.stored}});
    EXPECT_EQ(g->cruiseOptions.*c.field, c.loaded) << c.what << " stored as " << c.stored;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsRepair,
                         ::testing::Values(RepairCase{"hullColour", &CruiseOptions::hullColour, 5, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 0, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, -1, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 1, 1},
                                           RepairCase{"hullColour", &CruiseOptions::hullColour, 4, 4},
                                           RepairCase{"boatType", &CruiseOptions::boatType, 0, 1},
                                           RepairCase{"boatType", &CruiseOptions::boatType, -7, 1},
                                           RepairCase{"boatType", &CruiseOptions::boatType, 3, 3},
                                           RepairCase{"boatType", &CruiseOptions::boatType, 5, 1},
                                           RepairCase{"difficulty", &CruiseOptions::difficulty, 60, 5},
                                           RepairCase{"difficulty", &CruiseOptions::difficulty, 0, 5},
                                           RepairCase{"difficulty", &CruiseOptions::difficulty, 10, 10},
                                           RepairCase{"departureHour", &CruiseOptions::departureHour, -3, 9},
                                           RepairCase{"departureHour", &CruiseOptions::departureHour, 24, 9},
                                           RepairCase{"departureHour", &CruiseOptions::departureHour, 23, 23},
                                           RepairCase{"helm", &CruiseOptions::helm, 0, 1},
                                           RepairCase{"helm", &CruiseOptions::helm, -1, -1},
                                           RepairCase{"soundLevel", &CruiseOptions::soundLevel, 4, 3},
                                           RepairCase{"soundLevel", &CruiseOptions::soundLevel, 0, 0},
                                           RepairCase{"designLength", &CruiseOptions::designLength, 45, 0},
                                           RepairCase{"designLength", &CruiseOptions::designLength, 50, 50},
                                           RepairCase{"designRig", &CruiseOptions::designRig, 90, 0},
                                           RepairCase{"troubleStrongWind", &CruiseOptions::troubleStrongWind, 2, 1},
                                           RepairCase{"noFog", &CruiseOptions::noFog, -1, 0}));

struct AreaCase {
    int32_t storedArea, storedRegion;
    int32_t area, region;
};

void PrintTo(const AreaCase& c, std::ostream* os) { *os << "area " << c.storedArea << " region " << c.storedRegion; }

class SettingsArea : public ::testing::TestWithParam<AreaCase> {};

TEST_P(SettingsArea, LoadsAsAnAreaOfTheMenu) {
    const AreaCase& c = GetParam();
    const auto g = LoadedWith({{&CruiseOptions::areaCode, c.storedArea}, {&CruiseOptions::region, c.storedRegion}});
    EXPECT_EQ(g->cruiseOptions.areaCode, c.area);
    EXPECT_EQ(g->cruiseOptions.region, c.region);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsArea,
                         ::testing::Values(AreaCase{3, 1, 3, 1}, AreaCase{2, 3, 2, 3}, AreaCase{30, 3, 30, 3},
                                           // A generated area outside its regions sails the south.
                                           AreaCase{3, 3, 3, 2}, AreaCase{4, 0, 4, 2}, AreaCase{1, 9, 1, 2},
                                           // Passages and real areas name their own region.
                                           AreaCase{5, 1, 5, 5}, AreaCase{8, 2, 8, 6}, AreaCase{12, 1, 12, 2},
                                           // No such area: the first one, in the stored region if it has it.
                                           AreaCase{0, 1, 1, 1}, AreaCase{9, 1, 1, 1}, AreaCase{-5, 3, 1, 2},
                                           AreaCase{31, 6, 1, 2}));

TEST(SettingsValidation, EveryAreaOfTheMenuLoadsAsChosen) {
    for (const Command& c : Commands()) {
        if (c.menu != Menu::Options || !c.submenu || std::string_view(c.submenu) != "海域") continue;
        auto src = std::make_unique<Game>();
        ASSERT_EQ(RunCommand(*src, c.id), CommandResult::Done) << c.text;
        auto g = std::make_unique<Game>();
        Decode(*g, EncodeSettings(*src));
        EXPECT_EQ(g->cruiseOptions.areaCode, src->cruiseOptions.areaCode) << c.text;
        EXPECT_EQ(g->cruiseOptions.region, src->cruiseOptions.region) << c.text;
        EXPECT_EQ(g->cruiseOptions.introCourse, src->cruiseOptions.introCourse) << c.text;
    }
}

// What the menus can give each stored field, as the options are described.
bool OneOf(int32_t v, std::initializer_list<int32_t> values) { return std::find(values.begin(), values.end(), v) != values.end(); }

std::string UnusableField(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    if (o.difficulty < 1 || o.difficulty > 10) return "difficulty";
    if (o.boatType < 1 || o.boatType > 4) return "boatType";
    if (!OneOf(o.designLength, {0, 20, 25, 30, 35, 40, 50})) return "designLength";
    if (!OneOf(o.designDisplacement, {0, 8, 9, 10, 11})) return "designDisplacement";
    if (!OneOf(o.designSailArea, {0, 9, 10, 11})) return "designSailArea";
    if (!OneOf(o.designRig, {0, 80, 100})) return "designRig";
    if (o.simSpeed < 0 || o.simSpeed > 15) return "simSpeed";
    if (o.stepDivisor < 0 || o.stepDivisor > 2919) return "stepDivisor";
    if (o.hullColour < 1 || o.hullColour > 4) return "hullColour";
    if (!OneOf(o.helm, {1, -1})) return "helm";
    if (o.departureHour < 0 || o.departureHour > 23) return "departureHour";
    if (o.soundLevel < 0 || o.soundLevel > 3) return "soundLevel";
    if (g.score.highScore < 0) return "highScore";
    for (const Slot& s : kLayout) {
        const bool isSwitch = s.offset >= 44 && s.offset != 80 && s.offset != 88 && s.offset != 112 && s.offset != 124;
        if (isSwitch && !OneOf(o.*s.field, {0, 1})) return s.name;
    }
    const std::pair<int32_t, int32_t> area{o.areaCode, o.region};
    const std::pair<int32_t, int32_t> areas[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2},  {2, 2},  {3, 2},  {4, 2}, {2, 3},
                                                 {5, 5}, {6, 5}, {7, 6}, {8, 6}, {20, 1}, {11, 1}, {12, 2}, {30, 3}};
    if (std::find(std::begin(areas), std::end(areas), area) == std::end(areas)) return "areaCode and region";
    return {};
}

TEST(SettingsValidation, EveryStoredValueAtItsLimitsLoadsUsableAndSails) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    // The menu's largest value of each slot, by offset; the high score and the
    // reserved slot have none of their own.
    const std::pair<int, int32_t> largest[] = {{0, 30},  {4, 10},   {8, 6},   {12, 4},   {16, 50},  {20, 11},
                                               {24, 11}, {28, 100}, {32, 15}, {36, 2919}, {80, 4},  {88, 1},
                                               {96, 0},  {108, 0},  {112, 23}, {124, 3}};
    std::vector<std::vector<uint8_t>> sailed;
    for (int offset = 0; offset < 144; offset += 4) {
        int32_t menuMax = 1;  // the switches
        for (const auto& [at, v] : largest)
            if (at == offset) menuMax = v;
        for (int32_t v : {kMin, -1, 0, menuMax + 1, kMax}) {
            auto defaults = std::make_unique<Game>();
            std::vector<uint8_t> bytes = EncodeSettings(*defaults);
            WriteLE(bytes, offset, v);
            auto g = std::make_unique<Game>();
            Decode(*g, bytes);
            EXPECT_EQ(UnusableField(*g), "") << "offset " << offset << " stored as " << v;
            // Many values load alike; each loaded state sails once.
            std::vector<uint8_t> loaded = EncodeSettings(*g);
            if (std::find(sailed.begin(), sailed.end(), loaded) != sailed.end()) continue;
            sailed.push_back(loaded);
            SCOPED_TRACE(::testing::Message() << "offset " << offset << " stored as " << v);
            fuzz::SailFromSettings(loaded, 20);
        }
    }
}

struct MoonCase {
    int32_t stored;
    int32_t trouble;
    int32_t moonlight;
};

void PrintTo(const MoonCase& c, std::ostream* os) { *os << "no moonlight " << c.stored; }

class SettingsMoonlight : public ::testing::TestWithParam<MoonCase> {};

TEST_P(SettingsMoonlight, NoMoonlightTroubleDarkensTheNights) {
    const MoonCase& c = GetParam();
    auto src = std::make_unique<Game>();
    src->cruiseOptions.troubleNoMoonlight = c.stored;
    auto g = std::make_unique<Game>();
    g->weather.moonlight = 7;
    Decode(*g, EncodeSettings(*src));
    EXPECT_EQ(g->cruiseOptions.troubleNoMoonlight, c.trouble);
    EXPECT_EQ(g->weather.moonlight, c.moonlight);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsMoonlight,
                         ::testing::Values(MoonCase{1, 1, 0}, MoonCase{0, 0, 1}, MoonCase{2, 0, 1},
                                           MoonCase{-1, 0, 1}));

TEST(SettingsValidation, PassageFlagFollowsTheAreaCode) {
    const std::vector<std::pair<int32_t, int32_t>> cases = {{1, 0}, {4, 0}, {5, 1},  {6, 1},  {7, 1},
                                                            {8, 1}, {9, 0}, {11, 0}, {20, 0}, {30, 0}};
    for (const auto& [area, passage] : cases) {
        auto src = std::make_unique<Game>();
        src->cruiseOptions.areaCode = area;
        auto g = std::make_unique<Game>();
        g->cruiseOptions.isPassage = 1 - passage;
        Decode(*g, EncodeSettings(*src));
        EXPECT_EQ(g->cruiseOptions.isPassage, passage) << "area " << area;
    }
}

TEST(SettingsValidation, IntroCourseFileLoadsWithItsOwnSwitchesUntilTheTitleReconciles) {
    auto src = std::make_unique<Game>();
    CruiseOptions& s = src->cruiseOptions;
    s.introCourse = 1;
    s.currentsOn = 0;
    s.noFailElectronics = 1;
    s.noFailEngine = 1;
    s.difficulty = 1;
    auto g = std::make_unique<Game>();
    Decode(*g, EncodeSettings(*src));
    const CruiseOptions& o = g->cruiseOptions;
    EXPECT_EQ(o.difficulty, 5);
    EXPECT_EQ(o.currentsOn, 1);
    EXPECT_EQ(o.noFailElectronics, 0);
    EXPECT_EQ(o.noFailEngine, 0);

    ReconcileCourseSwitches(g->cruiseOptions);  // the first title frame
    EXPECT_EQ(o.currentsOn, 0);
    EXPECT_EQ(o.noFailElectronics, 1);
    EXPECT_EQ(o.noFailEngine, 1);
    EXPECT_EQ(o.difficulty, 5);
}

TEST(SettingsValidation, LoadingUnfreezesTheFrameLoop) {
    auto g = std::make_unique<Game>();
    g->screenState.frozen = 1;
    Decode(*g, EncodeSettings(*g));
    EXPECT_EQ(g->screenState.frozen, 0);
}

// ---- Missing, short and long files ---------------------------------------------

void ExpectFirstRunDefaults(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    EXPECT_EQ(o.difficulty, 5);
    EXPECT_EQ(o.areaCode, 1);
    EXPECT_EQ(o.region, 2);
    EXPECT_EQ(o.boatType, 1);
    EXPECT_EQ(o.simSpeed, 9);
    EXPECT_EQ(o.stepDivisor, 114);
    EXPECT_EQ(o.soundLevel, 3);
    EXPECT_EQ(o.troubleStrongWind, 1);
    EXPECT_EQ(o.helm, 1);
    EXPECT_EQ(o.departureHour, 9);
    EXPECT_EQ(o.hullColour, 1);
    EXPECT_EQ(o.currentsOn, 1);
    EXPECT_EQ(o.buttonHelp, 1);
    EXPECT_EQ(o.introCourse, 0);
    EXPECT_EQ(o.isPassage, 0);
    EXPECT_EQ(g.score.highScore, 0);
    EXPECT_EQ(g.weather.moonlight, 1);
}

TEST(SettingsMissing, FirstRunGivesTheDefaults) {
    auto g = std::make_unique<Game>();
    ApplyMissingSettings(*g);
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsMissing, ResetsHighScoreBoatAndArea) {
    auto g = std::make_unique<Game>();
    g->score.highScore = 800;
    g->cruiseOptions.boatType = 3;
    g->cruiseOptions.areaCode = 12;
    ApplyMissingSettings(*g);
    EXPECT_EQ(g->score.highScore, 0);
    EXPECT_EQ(g->cruiseOptions.boatType, 1);
    EXPECT_EQ(g->cruiseOptions.areaCode, 1);
}

TEST(SettingsShortFile, KeepsWholeValuesAndDefaultsTheRest) {
    auto src = std::make_unique<Game>();
    src->cruiseOptions.areaCode = 7;
    src->cruiseOptions.difficulty = 8;
    src->cruiseOptions.region = 0x0303;
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    bytes.resize(10);  // two values and two stray bytes of the third

    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    EXPECT_EQ(g->cruiseOptions.areaCode, 7);
    EXPECT_EQ(g->cruiseOptions.difficulty, 8);
    EXPECT_EQ(g->cruiseOptions.region, 6);  // unread, and the passage's own
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
    EXPECT_EQ(g->cruiseOptions.isPassage, 1);  // validation ran on what was read
    EXPECT_EQ(g->weather.moonlight, 1);
}

TEST(SettingsShortFile, EmptyFileIsAllDefaults) {
    auto g = std::make_unique<Game>();
    g->weather.moonlight = 0;
    Decode(*g, {});
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsShortFile, FileCutInsideTheSpeedKeepsTheDefaultSpeed) {
    auto src = std::make_unique<Game>();
    src->cruiseOptions.designRig = 80;
    src->cruiseOptions.simSpeed = 3;
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    bytes.resize(35);
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    EXPECT_EQ(g->cruiseOptions.designRig, 80);
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
}

TEST(SettingsLongFile, ExtraBytesAreIgnored) {
    auto src = std::make_unique<Game>();
    SetEveryStoredField(*src);
    std::vector<uint8_t> bytes = EncodeSettings(*src);
    for (int i = 0; i < 12; ++i) bytes.push_back(0x11);
    auto g = std::make_unique<Game>();
    Decode(*g, bytes);
    ExpectStoredFieldsEqual(*src, *g);
}

// ---- On disk --------------------------------------------------------------------

std::string PathIn(const QTemporaryDir& dir, const char* rel) {
    return dir.filePath(QString::fromUtf8(rel)).toStdString();
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TEST(SettingsFile, SaveCreatesTheFolderAndLoadReadsItBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "config/velmara/p.vel");
    auto original = std::make_unique<Game>();
    SetEveryStoredField(*original);
    ASSERT_TRUE(SaveSettingsFile(*original, path));
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 144);

    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    ExpectStoredFieldsEqual(*original, *loaded);
}

TEST(SettingsFile, SaveReplacesAnOlderFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "p.vel");
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), QByteArray(300, 'x')));
    auto g = std::make_unique<Game>();
    ASSERT_TRUE(SaveSettingsFile(*g, path));
    const QByteArray bytes = ReadAll(QString::fromStdString(path));
    EXPECT_EQ(bytes.size(), 144);
    EXPECT_EQ(bytes.at(0), 1);  // areaCode 1
}

TEST(SettingsFile, MissingFileLoadsTheDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto g = std::make_unique<Game>();
    g->score.highScore = 50;
    LoadSettingsFile(*g, PathIn(dir, "absent/p.vel"));
    ExpectFirstRunDefaults(*g);
}

TEST(SettingsFile, ShortFileOnDiskKeepsWhatItHolds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "p.vel");
    QByteArray data(8, '\0');
    data[0] = 6;  // areaCode
    data[4] = 2;  // difficulty
    ASSERT_TRUE(WriteAll(QString::fromStdString(path), data));
    auto g = std::make_unique<Game>();
    LoadSettingsFile(*g, path);
    EXPECT_EQ(g->cruiseOptions.areaCode, 6);
    EXPECT_EQ(g->cruiseOptions.difficulty, 2);
    EXPECT_EQ(g->cruiseOptions.isPassage, 1);
    EXPECT_EQ(g->cruiseOptions.region, 5);
}

TEST(SettingsFile, SaveUnderARegularFileFailsAndLeavesItAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(WriteAll(blocker, QByteArrayLiteral("keep me")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "notes.txt/p.vel")));
    EXPECT_EQ(ReadAll(blocker), QByteArrayLiteral("keep me"));
}

TEST(SettingsFile, SaveOverAFolderFailsAndLeavesNoTemporaryFile) {
    // Root ignores permissions, so a target that cannot be replaced is used
    // instead of a read-only one.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("p.vel/inside")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "p.vel")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("p.vel/inside"))).isDir());
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("p.vel")});
}

TEST(SettingsFile, LivesInTheUserConfigFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const std::string path = DefaultSettingsPath();
    if (had)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(path, PathIn(dir, "velmara/p.vel"));
}

}  // namespace
}  // namespace vel
