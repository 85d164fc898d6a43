#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "app/settings_file.h"
#include "fuzz/sail_from_settings.h"
#include "shell/commands.h"
#include "shell/options.h"

namespace vel {
namespace {

using Field = int32_t CruiseOptions::*;
using O = CruiseOptions;

// The file layout: byte offset of every option stored in it, each with a
// valid value away from its default. 96 holds the high score, 108 is
// reserved, simpleGraphics stands at 44 and again at 72.
struct Slot {
    int offset;
    Field field;
    int32_t value;
};
const Slot kLayout[] = {
    {0, &O::areaCode, 20},           {4, &O::difficulty, 7},           {8, &O::region, 1},
    {12, &O::boatType, 4},           {16, &O::designLength, 35},       {20, &O::designDisplacement, 8},
    {24, &O::designSailArea, 11},    {28, &O::designRig, 80},          {32, &O::simSpeed, 13},
    {36, &O::stepDivisor, 23},       {40, &O::spare, 4242},            {48, &O::noFailElectronics, 1},
    {52, &O::noFailEngine, 1},       {56, &O::troubleFog, 1},          {60, &O::troubleStrongWind, 0},
    {64, &O::troubleNoGps, 1},       {68, &O::troubleNoEngine, 1},     {72, &O::simpleGraphics, 1},
    {76, &O::troubleNoDepthAlarm, 1}, {80, &O::hullColour, 3},         {84, &O::currentsOn, 0},
    {88, &O::helm, -1},              {92, &O::anchor1Chain, 1},        {100, &O::buttonHelp, 0},
    {104, &O::introCourse, 0},       {112, &O::departureHour, 18},     {116, &O::troubleNoMoonlight, 1},
    {120, &O::troubleNoMiniChart, 1}, {124, &O::soundLevel, 2},        {128, &O::noTimeSkip, 1},
    {132, &O::cruisingSpinnaker, 1}, {136, &O::noFog, 1},              {140, &O::noBroaching, 1},
};

int32_t ReadLE(const std::vector<uint8_t>& b, int at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<int32_t>(u);
}

void WriteLE(std::vector<uint8_t>& b, int at, int32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

std::unique_ptr<Game> EveryFieldSet() {
    auto g = std::make_unique<Game>();
    for (const Slot& s : kLayout) g->cruiseOptions.*s.field = s.value;
    g->score.highScore = 98765;
    return g;
}

std::unique_ptr<Game> Decoded(const std::vector<uint8_t>& bytes) {
    auto g = std::make_unique<Game>();
    DecodeSettings(*g, std::span<const uint8_t>(bytes));
    return g;
}

// A file holding these values, the rest as built in; and that file as loaded.
std::vector<uint8_t> FileWith(std::initializer_list<std::pair<Field, int32_t>> stored) {
    auto src = std::make_unique<Game>();
    for (const auto& [field, value] : stored) src->cruiseOptions.*field = value;
    return EncodeSettings(*src);
}

std::unique_ptr<Game> LoadedWith(std::initializer_list<std::pair<Field, int32_t>> stored) {
    return Decoded(FileWith(stored));
}

void ExpectStoredFieldsEqual(const Game& want, const Game& got) {
    for (const Slot& s : kLayout) EXPECT_EQ(got.cruiseOptions.*s.field, want.cruiseOptions.*s.field) << s.offset;
    EXPECT_EQ(got.score.highScore, want.score.highScore);
}

void ExpectFirstRunDefaults(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    EXPECT_EQ(std::tuple(o.difficulty, o.areaCode, o.region, o.boatType, o.simSpeed, o.stepDivisor, o.soundLevel),
              std::tuple(5, 1, 2, 1, 9, 114, 3));
    EXPECT_EQ(std::tuple(o.troubleStrongWind, o.helm, o.departureHour, o.hullColour, o.currentsOn, o.buttonHelp),
              std::tuple(1, 1, 9, 1, 1, 1));
    EXPECT_EQ(std::tuple(o.introCourse, o.isPassage, g.score.highScore, g.weather.moonlight), std::tuple(0, 0, 0, 1));
}

TEST(SettingsLayout, EachFieldIsWrittenUnvalidatedLowByteFirstAtItsOffsetIn144Bytes) {
    // Values no menu gives, each its own: saving writes what it holds.
    auto g = std::make_unique<Game>();
    for (const Slot& s : kLayout) g->cruiseOptions.*s.field = 1000 + s.offset;
    g->score.highScore = -2;
    const std::vector<uint8_t> bytes = EncodeSettings(*g);
    ASSERT_EQ(bytes.size(), 144u);
    for (const Slot& s : kLayout) EXPECT_EQ(ReadLE(bytes, s.offset), 1000 + s.offset) << s.offset;
    EXPECT_EQ(ReadLE(bytes, 44), 1072);
    EXPECT_EQ(std::tuple(bytes[96], bytes[97], bytes[99], ReadLE(bytes, 108)), std::tuple(0xFE, 0xFF, 0xFF, 0));
}

TEST(SettingsDecode, RoundTripKeepsEveryStoredFieldAndAnEmptyFileGivesTheDefaults) {
    auto original = EveryFieldSet();
    std::vector<uint8_t> bytes = EncodeSettings(*original);
    WriteLE(bytes, 108, 0x5A5A5A5A);
    bytes.insert(bytes.end(), 12, 0x11);
    auto loaded = Decoded(bytes);
    ExpectStoredFieldsEqual(*original, *loaded);
    EXPECT_EQ(loaded->weather.moonlight, 0);
    // Options outside the file start fresh; loading unfreezes the frame loop.
    original->cruiseOptions.troubleNoRadar = original->viewState.monochrome = 1;
    loaded = std::make_unique<Game>();
    loaded->screenState.frozen = 1;
    DecodeSettings(*loaded, EncodeSettings(*original));
    EXPECT_EQ(std::tuple(loaded->cruiseOptions.troubleNoRadar, loaded->viewState.monochrome,
                         loaded->screenState.frozen),
              std::tuple(0, 0, 0));
    // An empty file gives the first run's defaults.
    loaded = std::make_unique<Game>();
    loaded->weather.moonlight = 0;
    DecodeSettings(*loaded, {});
    ExpectFirstRunDefaults(*loaded);
    // The later simple-graphics slot wins.
    for (auto [at44, at72] : {std::pair{1, 0}, {0, 1}}) {
        WriteLE(bytes, 44, at44);
        WriteLE(bytes, 72, at72);
        EXPECT_EQ(Decoded(bytes)->cruiseOptions.simpleGraphics, at72);
    }
}

TEST(SettingsValidation, SpeedOutside0To15LoadsAsNineAndTheDivisorFollowsTheSpeed) {
    // Speed 0 keeps its stored divisor, even 0, held within the table's span.
    for (auto [storedSpeed, storedDivisor, speed, divisor] :
         {std::tuple{16, 5, 9, 114}, {-1, 77, 9, 114}, {15, 7, 15, 10}, {1, 0, 1, 2919}, {4, 999, 4, 865},
          {0, 500, 0, 500}, {0, 0, 0, 0}, {0, -40, 0, 0}, {0, std::numeric_limits<int32_t>::max(), 0, 2919}}) {
        const auto g = LoadedWith({{&O::simSpeed, storedSpeed}, {&O::stepDivisor, storedDivisor}});
        EXPECT_EQ(std::pair(g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor), std::pair(speed, divisor))
            << storedSpeed << " " << storedDivisor;
    }
}

TEST(SettingsValidation, ValuesNoMenuOffersLoadAsTheBuiltInChoiceAndTheMoonFollows) {
    for (auto [field, stored, loaded] :
         {std::tuple{&O::hullColour, 5, 1}, {&O::hullColour, 0, 1}, {&O::hullColour, 1, 1}, {&O::hullColour, 4, 4},
          {&O::boatType, 0, 1}, {&O::boatType, 5, 1}, {&O::boatType, 4, 4}, {&O::difficulty, 60, 5},
          {&O::difficulty, 0, 5}, {&O::difficulty, 10, 10}, {&O::departureHour, -1, 9}, {&O::departureHour, 24, 9},
          {&O::departureHour, 23, 23}, {&O::soundLevel, 4, 3}, {&O::soundLevel, 0, 0}, {&O::helm, 0, 1},
          {&O::helm, -1, -1}, {&O::designLength, 45, 0}, {&O::designLength, 50, 50}, {&O::designRig, 90, 0},
          {&O::troubleStrongWind, 2, 1}, {&O::noFog, -1, 0}, {&O::troubleNoMoonlight, 2, 0},
          {&O::troubleNoMoonlight, -1, 0}, {&O::troubleNoMoonlight, 1, 1}, {&O::troubleNoMoonlight, 0, 0}}) {
        auto g = std::make_unique<Game>();
        g->weather.moonlight = 7;
        DecodeSettings(*g, FileWith({{field, stored}}));
        EXPECT_EQ(g->cruiseOptions.*field, loaded) << stored;
        EXPECT_EQ(g->weather.moonlight, g->cruiseOptions.troubleNoMoonlight ? 0 : 1) << stored;
    }
}

TEST(SettingsValidation, AreaAndRegionLoadAsAnAreaOfTheMenuAndThePassageFlagFollows) {
    for (auto [storedArea, storedRegion, area, region, passage] :
         {std::tuple{3, 1, 3, 1, 0}, {2, 3, 2, 3, 0}, {30, 3, 30, 3, 0}, {7, 6, 7, 6, 1},
          // A generated area outside its regions sails the south.
          {3, 3, 3, 2, 0}, {4, 0, 4, 2, 0},
          // Passages and real areas name their own region.
          {5, 1, 5, 5, 1}, {8, 2, 8, 6, 1}, {12, 1, 12, 2, 0},
          // No such area: the first one, in the stored region if it has it.
          {0, 1, 1, 1, 0}, {9, 1, 1, 1, 0}, {-5, 3, 1, 2, 0}, {31, 6, 1, 2, 0}}) {
        auto g = std::make_unique<Game>();
        g->cruiseOptions.isPassage = 1 - passage;
        DecodeSettings(*g, FileWith({{&O::areaCode, storedArea}, {&O::region, storedRegion}}));
        const CruiseOptions& o = g->cruiseOptions;
        EXPECT_EQ(std::tuple(o.areaCode, o.region, o.isPassage), std::tuple(area, region, passage))
            << storedArea << " " << storedRegion;
    }
}

TEST(SettingsValidation, EveryAreaOfTheMenuLoadsAsChosen) {
    for (const Command& c : Commands()) {
        if (c.menu != Menu::Options || !c.submenu || std::string_view(c.submenu) != "海域") continue;
        auto src = std::make_unique<Game>();
        ASSERT_EQ(RunCommand(*src, c.id), CommandResult::Done) << c.text;
        const auto g = Decoded(EncodeSettings(*src));
        const CruiseOptions &want = src->cruiseOptions, &got = g->cruiseOptions;
        EXPECT_EQ(std::tuple(got.areaCode, got.region, got.introCourse),
                  std::tuple(want.areaCode, want.region, want.introCourse))
            << c.text;
    }
}

// What the menus can give each stored field, as the options are described.
bool OneOf(int32_t v, std::initializer_list<int32_t> values) { return std::find(values.begin(), values.end(), v) != values.end(); }

std::string UnusableField(const Game& g) {
    const CruiseOptions& o = g.cruiseOptions;
    for (auto [name, field, low, high] :
         {std::tuple{"difficulty", &O::difficulty, 1, 10}, {"boatType", &O::boatType, 1, 4},
          {"simSpeed", &O::simSpeed, 0, 15}, {"stepDivisor", &O::stepDivisor, 0, 2919}, {"hullColour", &O::hullColour, 1, 4},
          {"departureHour", &O::departureHour, 0, 23}, {"soundLevel", &O::soundLevel, 0, 3}})
        if (o.*field < low || o.*field > high) return name;
    if (!OneOf(o.designLength, {0, 20, 25, 30, 35, 40, 50})) return "designLength";
    if (!OneOf(o.designDisplacement, {0, 8, 9, 10, 11})) return "designDisplacement";
    if (!OneOf(o.designSailArea, {0, 9, 10, 11})) return "designSailArea";
    if (!OneOf(o.designRig, {0, 80, 100})) return "designRig";
    if (!OneOf(o.helm, {1, -1})) return "helm";
    if (g.score.highScore < 0) return "highScore";
    for (const Slot& s : kLayout) {
        const bool isSwitch = s.offset >= 44 && s.offset != 80 && s.offset != 88 && s.offset != 112 && s.offset != 124;
        if (isSwitch && !OneOf(o.*s.field, {0, 1})) return "switch at " + std::to_string(s.offset);
    }
    const std::pair<int32_t, int32_t> areas[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2},  {2, 2},  {3, 2},  {4, 2}, {2, 3},
                                                 {5, 5}, {6, 5}, {7, 6}, {8, 6}, {20, 1}, {11, 1}, {12, 2}, {30, 3}};
    if (std::find(std::begin(areas), std::end(areas), std::pair(o.areaCode, o.region)) == std::end(areas))
        return "areaCode and region";
    return {};
}

TEST(SettingsValidation, EveryStoredValueAtItsLimitsLoadsUsableAndSails) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    // The menu's largest value of each slot, by offset; the high score and the
    // reserved slot have none of their own.
    const std::pair<int, int32_t> largest[] = {{0, 30},  {4, 10},   {8, 6},   {12, 4},    {16, 50}, {20, 11},
                                               {24, 11}, {28, 100}, {32, 15}, {36, 2919}, {80, 4},  {88, 1},
                                               {96, 0},  {108, 0},  {112, 23}, {124, 3}};
    std::vector<std::vector<uint8_t>> sailed;
    for (int offset = 0; offset < 144; offset += 4) {
        int32_t menuMax = 1;  // the switches
        for (const auto& [at, v] : largest)
            if (at == offset) menuMax = v;
        for (int32_t v : {kMin, -1, 0, menuMax + 1, kMax}) {
            std::vector<uint8_t> bytes = FileWith({});
            WriteLE(bytes, offset, v);
            const auto g = Decoded(bytes);
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

TEST(SettingsValidation, IntroCourseFileLoadsWithItsOwnSwitchesUntilTheTitleReconciles) {
    const auto g = LoadedWith({{&O::introCourse, 1}, {&O::currentsOn, 0}, {&O::noFailElectronics, 1},
                               {&O::noFailEngine, 1}, {&O::difficulty, 1}, {&O::areaCode, 12}});
    const CruiseOptions& o = g->cruiseOptions;
    EXPECT_EQ(std::tuple(o.difficulty, o.currentsOn, o.noFailElectronics, o.noFailEngine, o.areaCode, o.region),
              std::tuple(5, 1, 0, 0, 1, 2));
    ReconcileCourseSwitches(g->cruiseOptions);  // the first title frame
    EXPECT_EQ(std::tuple(o.difficulty, o.currentsOn, o.noFailElectronics, o.noFailEngine), std::tuple(5, 0, 1, 1));
    // Off the course its switches go back; on it, or half set, nothing moves.
    for (auto [course, currents, electronics, engine, after] : {std::tuple{0, 0, 1, 1, std::tuple(1, 0, 0)},
                                                               {1, 0, 1, 1, std::tuple(0, 1, 1)},
                                                               {0, 0, 1, 0, std::tuple(0, 1, 0)}}) {
        CruiseOptions c;
        std::tie(c.introCourse, c.currentsOn, c.noFailElectronics, c.noFailEngine) =
            std::tuple(course, currents, electronics, engine);
        ReconcileCourseSwitches(c);
        EXPECT_EQ(std::tuple(c.currentsOn, c.noFailElectronics, c.noFailEngine), after) << course << electronics << engine;
    }
}

std::string PathIn(const QTemporaryDir& dir, const char* rel) { return dir.filePath(QString::fromUtf8(rel)).toStdString(); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray{};
}

bool WriteAll(const std::string& path, const QByteArray& data) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TEST(SettingsFile, SaveCreatesTheFolderReplacesAnOlderFileAndLoadReadsItBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = PathIn(dir, "p.vel");
    ASSERT_TRUE(WriteAll(path, QByteArray(300, 'x')));
    auto original = EveryFieldSet();
    ASSERT_TRUE(SaveSettingsFile(*original, path));
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 144);
    auto loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    ExpectStoredFieldsEqual(*original, *loaded);
    ASSERT_TRUE(SaveSettingsFile(*original, PathIn(dir, "config/velmara/p.vel")));
    // A short file keeps its whole values, validated: two and two stray bytes
    // of the region, which is the passage's own. A missing one gives the defaults.
    QByteArray data(10, '\0');
    data[0] = 6;
    data[4] = 2;
    data[8] = 3;
    ASSERT_TRUE(WriteAll(path, data));
    loaded = std::make_unique<Game>();
    LoadSettingsFile(*loaded, path);
    const CruiseOptions& o = loaded->cruiseOptions;
    EXPECT_EQ(std::tuple(o.areaCode, o.difficulty, o.region, o.simSpeed, o.stepDivisor, o.isPassage),
              std::tuple(6, 2, 5, 9, 114, 1));
    loaded = std::make_unique<Game>();
    std::tie(loaded->score.highScore, loaded->cruiseOptions.boatType, loaded->cruiseOptions.areaCode) =
        std::tuple(800, 3, 12);
    LoadSettingsFile(*loaded, PathIn(dir, "absent/p.vel"));
    ExpectFirstRunDefaults(*loaded);
}

// A failed save leaves what was there alone, temporary file included. Root
// ignores permissions, so targets that cannot be replaced are used instead.
TEST(SettingsFile, SaveUnderAFileOrOverAFolderFailsAndLeavesThemAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(WriteAll(PathIn(dir, "notes.txt"), QByteArrayLiteral("keep me")));
    auto g = std::make_unique<Game>();
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "notes.txt/p.vel")));
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("notes.txt"))), QByteArrayLiteral("keep me"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("p.vel/inside")));
    EXPECT_FALSE(SaveSettingsFile(*g, PathIn(dir, "p.vel")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("p.vel/inside"))).isDir());
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("notes.txt"), QStringLiteral("p.vel")}));
}

TEST(SettingsFile, LivesInTheUserConfigFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const std::string path = DefaultSettingsPath();
    had ? qputenv("XDG_CONFIG_HOME", saved) : qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(path, PathIn(dir, "velmara/p.vel"));
}

}  // namespace
}  // namespace vel
